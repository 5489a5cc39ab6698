#include "automatic_client_data.h"

#include "grid_operations.h"
#include "whole_number.h"

#include <QStandardItemModel>

namespace {

std::string setting(const std::map<std::string, std::string>& settings, const std::string& s_key)
{
    const auto found = settings.find(s_key);
    return found == settings.end() ? std::string() : found->second;
}

bool switched_on(const std::map<std::string, std::string>& settings, const std::string& s_key)
{
    return setting(settings, s_key) == "1";
}

void fill_empty(QStandardItemModel& model, int first_row, int filled_rows, int column,
                const QVariant& value)
{
    for (int row = first_row; row < filled_rows; ++row) {
        if (grid_cell_text(model, row, column).isEmpty()) {
            model.setData(model.index(row, column), value, Qt::EditRole);
        }
    }
}

void fill_time_windows(QStandardItemModel& model, int filled_rows, const std::string& s_minutes,
                       const QDateTime& fallback_start)
{
    int minutes = 0;
    if (!leading_whole_number(s_minutes, minutes)) {
        return;
    }
    QDateTime start = model.data(model.index(0, 9), Qt::DisplayRole).toDateTime();
    if (!start.isValid()) {
        start = fallback_start;
    }
    fill_empty(model, 0, filled_rows, 9, start);
    fill_empty(model, 0, filled_rows, 10, start.addSecs(static_cast<qint64>(minutes) * 60));
}

}  // namespace

void fill_automatic_client_data(QStandardItemModel& model, int filled_rows,
                                const std::map<std::string, std::string>& settings,
                                const QDateTime& fallback_start)
{
    if (filled_rows <= 0) {
        return;
    }
    const struct {
        const char* s_switch;
        int column;
    } text_columns[] = {{"auto_city", 4}, {"auto_state", 5}, {"auto_country", 6},
                        {"auto_service_time", 11}};
    for (const auto& group : text_columns) {
        if (switched_on(settings, group.s_switch)) {
            const std::string s_value = setting(settings, std::string(group.s_switch) + "_value");
            fill_empty(model, 0, filled_rows, group.column, QString::fromStdString(s_value));
        }
    }
    if (switched_on(settings, "auto_demand")) {
        fill_empty(model, 1, filled_rows, 12,
                   QString::fromStdString(setting(settings, "auto_demand_value")));
        model.setData(model.index(0, 12), 0, Qt::EditRole);
    }
    if (switched_on(settings, "auto_tw")) {
        fill_time_windows(model, filled_rows, setting(settings, "auto_tw_value"), fallback_start);
    }
}
