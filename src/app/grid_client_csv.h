#pragma once
// Client CSV files of the client grid: the header row in the user's language, the
// template offered when a header does not match, and the rows exchanged with the grid.

#include "text_table.h"

#include <QVariant>

#include <string>
#include <vector>

class QAbstractItemModel;

// Columns of a client CSV file; the import needs all but the notes.
constexpr size_t k_grid_csv_columns = 14;
constexpr size_t k_grid_csv_required_columns = 13;

// The 14 header texts for "POR", "ENG" or "GER"; empty for any other language.
std::vector<std::string> grid_csv_header(const std::string& s_language);

// Whether row 0 holds the 13 required header texts of the language, exactly.
bool grid_csv_header_matches(const TextTable& vv_table, const std::string& s_language);

// Header row (13 cells) and three example rows; empty for a language without a header.
TextTable grid_csv_template(const std::string& s_language);

// One client-grid row (14 values) per data row of the file: texts, coordinates with a
// decimal point, time windows as date-times (invalid when they do not read as
// "dd/MM/yyyy HH:mm"), the notes only when the header row has exactly 14 cells.
std::vector<std::vector<QVariant>> grid_csv_rows(const TextTable& vv_table);

// The first non-empty time-window cell among the first `rows` data rows that does not read
// as "dd/MM/yyyy HH:mm": its table row (the header is row 0) and its column (9 or 10).
bool first_unreadable_time_window(const TextTable& vv_table, size_t rows, size_t& row,
                                  int& column);

// The 14 cells of one client-grid row as the export writes them.
std::vector<std::string> grid_csv_row(const QAbstractItemModel& model, int row);
