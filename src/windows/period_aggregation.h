#pragma once
// Sums of dated values per day, ISO week or month, and the counting of texts.

#include "analysis_data.h"

#include <QString>

#include <vector>

enum class Period { day, week, month };

// "month" and "week" name their periods; any other text is a day.
Period period_from_text(const QString& s_text);
// The date format of a period's labels: "M-yy" for months, "d-M-yy" otherwise.
QString period_label_format(Period period);

// One record per bucket in ascending bucket order: the bucket's key date (the time of
// day of the record that opened it kept) and the sum of its values. Records with an
// invalid date share one bucket with an invalid date, which comes first.
std::vector<DatedValue> aggregate_by_day(const std::vector<DatedValue>& v_records);
// Buckets are ISO weeks of the week-numbering year; the key date is the week's Thursday.
std::vector<DatedValue> aggregate_by_week(const std::vector<DatedValue>& v_records);
// The key date is day 15 of the month.
std::vector<DatedValue> aggregate_by_month(const std::vector<DatedValue>& v_records);
std::vector<DatedValue> aggregate_by_period(const std::vector<DatedValue>& v_records,
                                            Period period);

// One record per distinct key (byte-wise order of the UTF-8 texts) with the number of
// its occurrences; the records' own counts are not read.
std::vector<KeyCount> count_frequencies(const std::vector<KeyCount>& v_records);
