#pragma once
// The client CSV files of the database window: the header of each language, the row
// check, the template and the file names. Columns: name, address, number,
// neighborhood, city, state, country, lat, long.

#include "text_table.h"

#include <string>
#include <vector>

constexpr int k_client_csv_columns = 9;

// The nine header words of "POR", "ENG" or "GER"; empty for any other language.
std::vector<std::string> client_csv_header_words(const std::string& s_language);

// Row 0 begins with the words, exactly; further cells are not looked at. No words, an
// empty table or a shorter header row is wrong.
bool csv_header_starts_with(const TextTable& vv_table, const std::vector<std::string>& v_words);

// Row 0 holds the nine words of the language in cells 0 to 8, exactly; further cells
// are not looked at. An empty table, a short header or an unknown language is wrong.
bool client_csv_header_ok(const TextTable& vv_table, const std::string& s_language);

// The indices ("%u") of the rows after the header that lack cells or whose name or
// address parts (cells 0 to 6) are empty, in table order.
std::vector<std::string> client_csv_problem_rows(const TextTable& vv_table);

// The header of the language and three example rows; empty for an unknown language.
TextTable client_csv_template(const std::string& s_language);

// "Import .csv"'s and "Export .csv"'s file name: every ".csv" removed from the file's
// own name, one appended; the folders are kept as chosen.
std::string csv_file_name(const std::string& s_chosen);

// Decimal commas in the lat and long cells of the rows from first_row on, as the
// files carry them.
void lat_long_to_decimal_comma(TextTable& vv_table, uint8_t first_row);
