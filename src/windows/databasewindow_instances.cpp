// The instances tab of the database window: finder, fetch, edit, delete and loading a
// stored instance into the main window.

#include "databasewindow.h"

#include "database.h"
#include "database_records.h"
#include "ui_databasewindow.h"

#include <QStandardItemModel>

namespace {
const QString k_stored_date_format = "yyyy-MM-dd";
}  // namespace

void DatabaseWindow::fill_instance_model(const TextTable& vv_instances)
{
    TextTable vv_shown;
    for (const auto& v_instance : vv_instances) {
        vv_shown.push_back(instance_grid_row(v_instance));
    }
    fill_model(instance_model, vv_shown);
}

void DatabaseWindow::refresh_instance_grid()
{
    const std::string s_name = ui->lnFindDistanceId->text().toStdString();
    const std::string s_from =
        ui->dateFindInstanceFrom->date().toString(k_stored_date_format).toStdString();
    const std::string s_to =
        ui->dateFindInstanceTo->date().toString(k_stored_date_format).toStdString();
    fill_instance_model(database->search_instances(s_from, s_to, s_name));
}

void DatabaseWindow::on_dateFindInstanceFrom_userDateChanged(const QDate& /*date*/)
{
    refresh_instance_grid();
}

void DatabaseWindow::on_dateFindInstanceTo_userDateChanged(const QDate& /*date*/)
{
    refresh_instance_grid();
}

void DatabaseWindow::on_lnFindDistanceId_textChanged(const QString& /*arg1*/)
{
    refresh_instance_grid();
}

void DatabaseWindow::insert_instance_data_on_form()
{
    const TextTable vv_instance =
        database->select_instance_by_id(current_row_id(ui->TableViewInstance));
    if (vv_instance.empty()) {
        return;
    }
    ui->lnInstanceId->setText(QString::fromStdString(cell_at(vv_instance, 0, 0)));
    ui->spInstanceCost->setValue(decimal_number(cell_at(vv_instance, 0, 6)));
    ui->spInstanceDistance->setValue(decimal_number(cell_at(vv_instance, 0, 3)));
    ui->spInstanceTime->setValue(decimal_number(cell_at(vv_instance, 0, 4)));
    ui->dateInstance->setDate(QDate::fromString(QString::fromStdString(cell_at(vv_instance, 0, 1)),
                                                k_stored_date_format));
}

void DatabaseWindow::on_btnLoadInstance_clicked()
{
    const TextTable vv_instance =
        database->select_instance_by_id(ui->lnInstanceId->text().toStdString());
    if (vv_instance.empty()) {
        return;
    }
    emit add_json_from_db_to_main_form(cell_at(vv_instance, 0, 5));
}

void DatabaseWindow::on_btnEditInstance_clicked()
{
    const QDate date = ui->dateInstance->date();
    database->update_instance(ui->lnInstanceId->text().toStdString(),
                              date.toString(k_stored_date_format).toStdString(),
                              coded_date(date).toStdString(), ui->spInstanceDistance->value(),
                              ui->spInstanceTime->value(), ui->spInstanceCost->value());
    refresh_instance_grid();
}

void DatabaseWindow::on_btnDeleteInstance_clicked()
{
    database->delete_instance(ui->lnInstanceId->text().toStdString());
    refresh_instance_grid();
}

void DatabaseWindow::remove_instance_from_database()
{
    database->delete_instance(current_row_id(ui->TableViewInstance));
    refresh_instance_grid();
}
