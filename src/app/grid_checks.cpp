#include "grid_checks.h"

#include "accents.h"
#include "geocoding.h"
#include "grid_operations.h"
#include "whole_number.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDateTime>

#include <array>
#include <climits>

const char k_time_window_format[] = "yyyy-dd-MM HH:mm:ss";

namespace {

QString translated(const char* s_text)
{
    return QCoreApplication::translate("MainWindow", s_text);
}

QString row_fault(const char* s_text, int row)
{
    return translated(s_text) + QString::number(row);
}

QDateTime cell_date_time(const QAbstractItemModel& model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toDateTime();
}

std::string cell_utf8(const QAbstractItemModel& model, int row, int column)
{
    return grid_cell_text(model, row, column).toStdString();
}



QString take_time_window(const QAbstractItemModel& model, int row, const QDateTime& operation_end,
                         std::vector<std::string>& v_row)
{
    const QDateTime early = cell_date_time(model, row, 9);
    const QDateTime late = cell_date_time(model, row, 10);
    if (!early.isValid() || !late.isValid()) {
        return row_fault(QT_TRANSLATE_NOOP("MainWindow", "Invalid client time window on row "),
                         row);
    }
    if (early.secsTo(late) < 0) {
        return row_fault(
            QT_TRANSLATE_NOOP("MainWindow",
                              "Late time window is earlier than earlier time window on row "),
            row);
    }
    if (operation_end.secsTo(early) > 0) {
        return row_fault(
            QT_TRANSLATE_NOOP("MainWindow",
                              "Early time window is later than begin operation time on row "),
            row);
    }
    v_row.push_back(early.toString(k_time_window_format).toStdString());
    v_row.push_back(late.toString(k_time_window_format).toStdString());
    return QString();
}

// A numeric cell must not be empty and must begin with a whole number: the instance
// builder reads it the same way, so the figure checked here is the one optimised.
QString take_whole_number(const QAbstractItemModel& model, int row, int column,
                          const char* s_empty_message, const char* s_invalid_message,
                          std::vector<std::string>& v_row, int& value)
{
    const std::string s_cell = cell_utf8(model, row, column);
    if (s_cell.empty()) {
        return row_fault(s_empty_message, row);
    }
    if (!leading_whole_number(s_cell, value)) {
        return row_fault(s_invalid_message, row);
    }
    v_row.push_back(s_cell);
    return QString();
}

QString check_client_row(const QAbstractItemModel& model, int row, const QDateTime& operation_end,
                         TextTable& vv_client, int& max_demand)
{
    std::vector<std::string> v_row;
    QString s_fault = take_name_and_address(model, row, v_row);
    if (s_fault.isEmpty()) {
        s_fault = take_coordinates(model, row, v_row);
    }
    if (s_fault.isEmpty()) {
        s_fault = take_time_window(model, row, operation_end, v_row);
    }
    int service_time = 0;
    if (s_fault.isEmpty()) {
        s_fault = take_whole_number(
            model, row, 11, QT_TRANSLATE_NOOP("MainWindow", "Empty client service time on row "),
            QT_TRANSLATE_NOOP("MainWindow", "Invalid client service time on row "), v_row,
            service_time);
    }
    int demand = 0;
    if (s_fault.isEmpty()) {
        s_fault = take_whole_number(
            model, row, 12, QT_TRANSLATE_NOOP("MainWindow", "Empty client demand value on row "),
            QT_TRANSLATE_NOOP("MainWindow", "Invalid client demand value on row "), v_row, demand);
    }
    if (!s_fault.isEmpty()) {
        return s_fault;
    }
    max_demand = std::max(max_demand, demand);
    v_row.push_back(remove_accents(grid_cell_text(model, row, 13)).toStdString());
    vv_client.push_back(v_row);
    return QString();
}

}  // namespace

QString take_coordinates(const QAbstractItemModel& model, int row, std::vector<std::string>& v_row)
{
    std::string s_lat = cell_utf8(model, row, 7);
    std::string s_lon = cell_utf8(model, row, 8);
    replace_all(s_lat, ",", ".");
    replace_all(s_lon, ",", ".");
    std::string s_lat_copy = s_lat;
    std::string s_lon_copy = s_lon;
    if (!check_lat_long(s_lat_copy, s_lon_copy)) {
        return translated(QT_TRANSLATE_NOOP("MainWindow",
                                            "Missing or invalid client 'lat/lon' value on row")) +
               QString::number(row) +
               translated(QT_TRANSLATE_NOOP(
                   "MainWindow",
                   "\nThe search for lat/long values is better performed when the addresses dont "
                   "have diacritics.\nAlso, the search method can be changed on the settings "
                   "window."));
    }
    v_row.push_back(s_lat);
    v_row.push_back(s_lon);
    return QString();
}

QString take_name_and_address(const QAbstractItemModel& model, int row,
                              std::vector<std::string>& v_row)
{
    static const AddressCellMessages messages = {
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Name(ID)' value on row "),
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Address' value on row "),
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Number' value on row "),
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Neighborhood' value on row "),
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'City' value on row "),
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'State' value on row "),
        QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Country' value on row ")};
    return take_name_and_address(model, row, messages, v_row);
}

QString take_name_and_address(const QAbstractItemModel& model, int row,
                              const AddressCellMessages& messages,
                              std::vector<std::string>& v_row)
{
    for (int column = 0; column < 7; ++column) {
        QString s_cell = grid_cell_text(model, row, column);
        if (column != 2) {
            s_cell = remove_accents(s_cell);
        }
        if (s_cell.isEmpty()) {
            return row_fault(messages[static_cast<size_t>(column)], row);
        }
        v_row.push_back(s_cell.toStdString());
    }
    return QString();
}

QString check_client_rows(const QAbstractItemModel& model, TextTable& vv_client, int& max_demand)
{
    max_demand = -1;
    const int rows = filled_row_count(model);
    if (rows == 0) {
        return translated(QT_TRANSLATE_NOOP("MainWindow", "There are no client data"));
    }
    const QDateTime operation_start = cell_date_time(model, 0, 9);
    const QDateTime operation_end = cell_date_time(model, 0, 10);
    if (!operation_start.isValid() || !operation_end.isValid()) {
        return translated(QT_TRANSLATE_NOOP(
            "MainWindow",
            "Invalid initial or end operation date (depot time window). \nYou can "
            "automatically fill this data by clicking button 'Automatic writing', the "
            "information is colelcted based on the settings window configuration"));
    }
    if (operation_start.secsTo(operation_end) < 0) {
        return translated(
            QT_TRANSLATE_NOOP("MainWindow", "Operation end date is earlier than start date"));
    }
    for (int row = 0; row < rows; ++row) {
        const QString s_fault = check_client_row(model, row, operation_end, vv_client, max_demand);
        if (!s_fault.isEmpty()) {
            return s_fault;
        }
    }
    return QString();
}

QString check_vehicle_rows(const QAbstractItemModel& model, TextTable& vv_vehicle,
                           int& min_capacity)
{
    // Tested in this order, which is not the column order.
    struct VehicleCell {
        int column;
        const char* s_empty_message;
        const char* s_invalid_message;
    };
    static const std::array<VehicleCell, 5> cells = {{
        {0, QT_TRANSLATE_NOOP("MainWindow", "Missing vehicle 'Name(ID)' value on row "), nullptr},
        {2, QT_TRANSLATE_NOOP("MainWindow", "Missing vehicle 'Available' value on row "),
         QT_TRANSLATE_NOOP("MainWindow", "Invalid vehicle 'Available' value on row ")},
        {1, QT_TRANSLATE_NOOP("MainWindow", "Missing vehicle 'Capacity' value on row "),
         QT_TRANSLATE_NOOP("MainWindow", "Invalid vehicle 'Capacity' value on row ")},
        {3, QT_TRANSLATE_NOOP("MainWindow", "Missing vehicle 'Fixed cost' value on row "),
         QT_TRANSLATE_NOOP("MainWindow", "Invalid vehicle 'Fixed cost' value on row ")},
        {4, QT_TRANSLATE_NOOP("MainWindow", "Missing vehicle 'Var. cost' value on row "),
         QT_TRANSLATE_NOOP("MainWindow", "Invalid vehicle 'Var. cost' value on row ")},
    }};
    min_capacity = INT_MAX;
    const int rows = filled_row_count(model);
    if (rows == 0) {
        return translated(QT_TRANSLATE_NOOP("MainWindow", "There are no vehicle data"));
    }
    for (int row = 0; row < rows; ++row) {
        for (const VehicleCell& cell : cells) {
            const std::string s_cell = cell_utf8(model, row, cell.column);
            int value = 0;
            if (s_cell.empty()) {
                return row_fault(cell.s_empty_message, row);
            }
            if (cell.s_invalid_message && !leading_whole_number(s_cell, value)) {
                return row_fault(cell.s_invalid_message, row);
            }
        }
        min_capacity = std::min(min_capacity, leading_whole_number_or(cell_utf8(model, row, 1), 0));
        std::vector<std::string> v_row;
        for (int column = 0; column < 5; ++column) {
            v_row.push_back(cell_utf8(model, row, column));
        }
        vv_vehicle.push_back(v_row);
    }
    return QString();
}
