#pragma once
// The client-grid rows a coordinate search asked for. Each is followed as rows are
// inserted or removed above it, and its answer is taken only while the row still holds
// the name and address that were searched: a cleared, reloaded or rewritten row drops it.

#include "text_table.h"

#include <QPersistentModelIndex>

#include <vector>

class QAbstractItemModel;

class SearchedRows {
public:
    // Search row i is grid row i; its first seven cells are the name and address sent.
    void start(const QAbstractItemModel& model, const TextTable& vv_search);
    // The grid row that holds the client of search row i now, or -1 when it is gone.
    int grid_row(int search_row) const;

private:
    std::vector<QPersistentModelIndex> v_rows;
    TextTable vv_sent;
};
