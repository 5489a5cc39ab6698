#include "grid_clients_table.h"

#include "grid_checks.h"
#include "grid_operations.h"

#include <QAbstractItemModel>
#include <QCoreApplication>

namespace {

QString record_fault(const QAbstractItemModel& model, int row, std::vector<std::string>& v_record)
{
    const QString s_fault = take_name_and_address(model, row, v_record);
    return s_fault.isEmpty() ? take_coordinates(model, row, v_record) : s_fault;
}

}  // namespace

QString grid_clients_table(const QAbstractItemModel& model, TextTable& vv_client_db)
{
    const int rows = filled_row_count(model);
    if (rows == 0) {
        return QCoreApplication::translate("MainWindow", "There are no client data");
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
