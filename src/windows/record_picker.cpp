#include "record_picker.h"

QStringList picker_entries(const TextTable& vv_records)
{
    QStringList v_entries;
    for (size_t i = 0; i < vv_records.size(); ++i) {
        const std::string s_entry = cell_at(vv_records, i, 0) + "-" + cell_at(vv_records, i, 1) +
                                    "-" + cell_at(vv_records, i, 2);
        v_entries.append(QString::fromStdString(s_entry));
    }
    return v_entries;
}

bool picked_record(const TextTable& vv_records, int row, std::vector<std::string>& v_record)
{
    if (row < 0 || static_cast<size_t>(row) >= vv_records.size()) {
        return false;
    }
    v_record = vv_records[static_cast<size_t>(row)];
    return true;
}
