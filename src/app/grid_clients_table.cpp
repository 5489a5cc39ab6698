#include "grid_clients_table.h"

#include "accents.h"
#include "geocoding.h"
#include "grid_operations.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace {

// Column 2, the house number, keeps its accents.
const char* const k_missing_field[] = {
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Name(ID)' value on row "),
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Address' value on row "),
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Number' value on row "),
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Neighborhood' value on row "),
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'City' value on row "),
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'State' value on row "),
    QT_TRANSLATE_NOOP("MainWindow", "Missing client 'Country' value on row ")};

QString translated(const char* s_text)
{
    return QCoreApplication::translate("MainWindow", s_text);
}

QString record_fault(const QAbstractItemModel& model, int row, std::vector<std::string>& v_record)
{
    for (int column = 0; column < 7; ++column) {
        const QString s_cell = grid_cell_text(model, row, column);
        const std::string s_value = (column == 2 ? s_cell : remove_accents(s_cell)).toStdString();
        if (s_value.empty()) {
            return translated(k_missing_field[column]) + QString::number(row);
        }
        v_record.push_back(s_value);
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
