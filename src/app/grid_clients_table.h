#pragma once
// The client records of the client grid, as the database stores them.

#include "text_table.h"

#include <QString>

class QAbstractItemModel;

// Appends to vv_client_db one 9-cell record (name, address parts, lat, long) per
// filled grid row, after an empty header row. Returns the translated message of the
// first fault (no rows, an empty name or address cell, invalid coordinates) with its
// zero-based row, or an empty text when every row passed.
QString grid_clients_table(const QAbstractItemModel& model, TextTable& vv_client_db);
