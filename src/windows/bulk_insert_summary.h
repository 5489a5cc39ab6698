#pragma once
// What the planner is told after clients were stored in bulk (an import, the main
// window's grid): how many were stored and which were left out.

#include "database.h"

#include <QString>

// The stored count and, when some rows were left out because a client of that name is
// already stored, their count and the first few names.
QString bulk_insert_summary(const BulkInsertReport& report);
