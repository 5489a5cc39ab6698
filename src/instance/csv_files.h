#pragma once
// CSV files: ";"-separated UTF-8 text, one line per row, no header of their own.
// Only cells holding ";", a double quote or a line break are quoted.

#include "text_table.h"

#include <QString>

#include <string>

// Creates or truncates the file; a file that cannot be written is not reported.
void write_csv(const TextTable& vv_table, const std::string& s_path);
// The same, telling whether the whole table reached the file.
bool try_write_csv(const TextTable& vv_table, const std::string& s_path);

// Byte cells; "x;y;" gives two cells and an empty line a row with no cells.
TextTable read_csv(const std::string& s_path);
// Cells decoded as UTF-8 and stripped of accents; "x;y;" gives three cells, the last
// empty, and an empty line one empty cell.
TextTable read_csv_file(const QString& s_path);
