#include "period_aggregation.h"

#include <array>
#include <functional>
#include <map>

namespace {

// Year, then month or week, then day; an invalid date is all zeros and sorts first.
using BucketKey = std::array<int, 3>;

struct Bucket {
    BucketKey key;
    QDate key_date;
};

Bucket day_bucket(const QDate& date)
{
    return {{date.year(), date.month(), date.day()}, date};
}

Bucket week_bucket(const QDate& date)
{
    int week_year = 0;
    const int week = date.weekNumber(&week_year);
    // The Thursday of an ISO week lies in its week-numbering year, across year ends too.
    return {{week_year, week, 0}, date.addDays(4 - date.dayOfWeek())};
}

Bucket month_bucket(const QDate& date)
{
    return {{date.year(), date.month(), 0}, QDate(date.year(), date.month(), 15)};
}

std::vector<DatedValue> aggregate(const std::vector<DatedValue>& v_records,
                                  const std::function<Bucket(const QDate&)>& bucket_of)
{
    std::map<BucketKey, DatedValue> buckets;
    for (const DatedValue& record : v_records) {
        const Bucket bucket = record.date.isValid() ? bucket_of(record.date.date())
                                                    : Bucket{{0, 0, 0}, QDate()};
        const auto found = buckets.find(bucket.key);
        if (found != buckets.end()) {
            found->second.value += record.value;
            continue;
        }
        QDateTime key_date = record.date;
        key_date.setDate(bucket.key_date);
        buckets.emplace(bucket.key, DatedValue{key_date, record.value});
    }
    std::vector<DatedValue> v_sums;
    v_sums.reserve(buckets.size());
    for (const auto& entry : buckets) {
        v_sums.push_back(entry.second);
    }
    return v_sums;
}

}  // namespace

Period period_from_text(const QString& s_text)
{
    if (s_text == QLatin1String("month")) {
        return Period::month;
    }
    if (s_text == QLatin1String("week")) {
        return Period::week;
    }
    return Period::day;
}

QString period_label_format(Period period)
{
    return period == Period::month ? QStringLiteral("M-yy") : QStringLiteral("d-M-yy");
}

std::vector<DatedValue> aggregate_by_day(const std::vector<DatedValue>& v_records)
{
    return aggregate(v_records, day_bucket);
}

std::vector<DatedValue> aggregate_by_week(const std::vector<DatedValue>& v_records)
{
    return aggregate(v_records, week_bucket);
}

std::vector<DatedValue> aggregate_by_month(const std::vector<DatedValue>& v_records)
{
    return aggregate(v_records, month_bucket);
}

std::vector<DatedValue> aggregate_by_period(const std::vector<DatedValue>& v_records,
                                            Period period)
{
    switch (period) {
    case Period::month:
        return aggregate_by_month(v_records);
    case Period::week:
        return aggregate_by_week(v_records);
    case Period::day:
        break;
    }
    return aggregate_by_day(v_records);
}

std::vector<KeyCount> count_frequencies(const std::vector<KeyCount>& v_records)
{
    std::map<std::string, int> counts;
    for (const KeyCount& record : v_records) {
        ++counts[record.key];
    }
    std::vector<KeyCount> v_counted;
    v_counted.reserve(counts.size());
    for (const auto& entry : counts) {
        v_counted.push_back({entry.first, entry.second});
    }
    return v_counted;
}
