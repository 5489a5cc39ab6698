#pragma once
// The coordinate searches: one pass over a table of client rows on a pool thread,
// reporting every row and the end of the pass through the owner's signals.

#include "coordinate_lookup.h"
#include "text_table.h"

#include <memory>

class JobContext;
class StopToken;

// Everything a coordinate job owns; the table is the job's own copy.
struct CoordinateJob {
    std::shared_ptr<JobContext> context;
    std::shared_ptr<StopToken> token;
    TextTable vv_table;
    CoordinateSettings settings;
};

// Rows from 0 (the depot) on; with search_database a client stored under the row's
// client code is reported with its stored coordinates instead of being looked up.
void run_grid_job(CoordinateJob job, bool search_database);
// Rows from 1 on (row 0 is the CSV header).
void run_database_job(CoordinateJob job);
