#pragma once
// What the client and vehicle pickers show of a database record and which record a
// picked list row names.

#include "text_table.h"

#include <QStringList>

#include <string>
#include <vector>

// One entry per record: cell 0, "-", cell 1, "-", cell 2 (missing cells empty).
QStringList picker_entries(const TextTable& vv_records);

// The record at the row; false, leaving v_record alone, when the row is outside.
bool picked_record(const TextTable& vv_records, int row, std::vector<std::string>& v_record);
