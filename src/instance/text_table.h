#pragma once
// Text tables: rows of UTF-8 cells, the form in which tables travel between the
// windows, the database, the clipboard and CSV files.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using TextTable = std::vector<std::vector<std::string>>;

// Replaces every occurrence of the pattern in place, resuming behind each inserted
// replacement, and returns a copy of the result. An empty pattern changes nothing.
std::string replace_all(std::string& s_subject, const std::string& s_pattern,
                        const std::string& s_replacement);

// replace_all on the listed columns of every row from first_row on; a cell that a
// short row lacks is left out rather than created.
void replace_in_columns(TextTable& vv_table, const std::vector<int32_t>& v_columns,
                        const std::string& s_pattern, const std::string& s_replacement,
                        uint8_t first_row);

// Clipboard text: cells joined by tabs, every row ended by a line feed; no quoting.
std::string table_to_tsv(const TextTable& vv_table);
TextTable tsv_to_table(const std::string& s_text);

// Gives every row after row 0 at least row 0's width, padding with empty cells.
void pad_rows_to_first_row(TextTable& vv_table);

// The cell, or an empty text when the row or the column does not exist.
std::string cell_at(const TextTable& vv_table, size_t row, int32_t column);
