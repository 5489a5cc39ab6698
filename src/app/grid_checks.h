#pragma once
// The checks of the client and vehicle grids before an optimisation. Each walks its
// grid from the top up to the first empty row and stops at the first fault, whose
// message (translated, with the zero-based row number behind it) it returns; an empty
// message means the grid passed and the table holds one row per grid row taken.

#include "text_table.h"

#include <QString>

#include <array>

class QAbstractItemModel;

// The text form of a time window in the client table (year, day, month on purpose:
// the instance builder reads it back with the same form).
extern const char k_time_window_format[];

// Untranslated MainWindow texts for an empty name or address cell, in column order;
// the row number is appended to the one shown.
using AddressCellMessages = std::array<const char*, 7>;

// Appends the name and address cells (columns 0 to 6) of a client-grid row, every one
// but the number without accents; the message of the first empty cell, or an empty text.
QString take_name_and_address(const QAbstractItemModel& model, int row,
                              std::vector<std::string>& v_row);
// The same with the caller's messages.
QString take_name_and_address(const QAbstractItemModel& model, int row,
                              const AddressCellMessages& messages,
                              std::vector<std::string>& v_row);

// Appends the lat and long cells (columns 7 and 8, a decimal comma read as a point) of a
// client-grid row; the message naming the row when they are not a valid place, or an empty text.
QString take_coordinates(const QAbstractItemModel& model, int row, std::vector<std::string>& v_row);

// Fills vv_client with the cleaned 14 cells of each row and max_demand (-1 on entry)
// with the biggest demand, the depot's included.
QString check_client_rows(const QAbstractItemModel& model, TextTable& vv_client, int& max_demand);
// Fills vv_vehicle with the 5 cells of each row and min_capacity (the largest int on
// entry) with the smallest capacity.
QString check_vehicle_rows(const QAbstractItemModel& model, TextTable& vv_vehicle,
                           int& min_capacity);
