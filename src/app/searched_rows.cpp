#include "searched_rows.h"

#include "grid_checks.h"

#include <QAbstractItemModel>

#include <algorithm>

namespace {

constexpr size_t k_name_and_address_cells = 7;

}  // namespace

void SearchedRows::start(const QAbstractItemModel& model, const TextTable& vv_search)
{
    v_rows.clear();
    vv_sent.clear();
    for (size_t row = 0; row < vv_search.size(); ++row) {
        v_rows.emplace_back(model.index(static_cast<int>(row), 0));
        const std::vector<std::string>& v_row = vv_search[row];
        vv_sent.emplace_back(v_row.begin(),
                             v_row.begin() + std::min(v_row.size(), k_name_and_address_cells));
    }
}

int SearchedRows::grid_row(int search_row) const
{
    if (search_row < 0 || search_row >= static_cast<int>(v_rows.size())) {
        return -1;
    }
    const QPersistentModelIndex& index = v_rows[static_cast<size_t>(search_row)];
    if (!index.isValid()) {
        return -1;  // the row was removed from the grid
    }
    std::vector<std::string> v_now;
    take_name_and_address(*index.model(), index.row(), v_now);
    return v_now == vv_sent[static_cast<size_t>(search_row)] ? index.row() : -1;
}
