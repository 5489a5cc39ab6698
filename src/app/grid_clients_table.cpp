#include "grid_clients_table.h"

#include "geocoding.h"
#include "grid_checks.h"
#include "grid_operations.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace {

QString translated(const char* s_text)
{
    return QCoreApplication::translate("MainWindow", s_text);
}

QString record_fault(const QAbstractItemModel& model, int row, std::vector<std::string>& v_record)
{
    const QString s_fault = take_name_and_address(model, row, v_record);
    if (!s_fault.isEmpty()) {
        return s_fault;
    }
    std::string s_lat = grid_cell_text(model, row, 7).replace(',', '.').toStdString();
    std::string s_long = grid_cell_text(model, row, 8).replace(',', '.').toStdString();
    std::string s_lat_copy = s_lat;
    std::string s_long_copy = s_long;
    if (!check_lat_long(s_lat_copy, s_long_copy)) {
        return translated("Missing or invalid client 'lat/lon' value on row") + QString::number(row) +
               translated("\nThe search for lat/long values is better performed when the "
                          "addresses dont have diacritics.\nAlso, the search method can be "
                          "changed on the settings window.");
    }
    v_record.push_back(s_lat);
    v_record.push_back(s_long);
    return QString();
}

}  // namespace

QString grid_clients_table(const QAbstractItemModel& model, TextTable& vv_client_db)
{
    const int rows = filled_row_count(model);
    if (rows == 0) {
        return translated("There are no client data");
    }
    vv_client_db.assign(1, std::vector<std::string>());
    for (int row = 0; row < rows; ++row) {
        std::vector<std::string> v_record;
        const QString s_fault = record_fault(model, row, v_record);
        if (!s_fault.isEmpty()) {
            return s_fault;
        }
        vv_client_db.push_back(v_record);
    }
    return QString();
}
