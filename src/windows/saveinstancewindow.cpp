#include "saveinstancewindow.h"

#include "database.h"
#include "database_records.h"
#include "json_access.h"
#include "json_document.h"
#include "message_box.h"
#include "ui_saveinstancewindow.h"

namespace {
constexpr double k_metres_per_kilometre = 1000.0;
constexpr double k_seconds_per_minute = 60.0;
}  // namespace

SaveInstanceWindow::SaveInstanceWindow(Database* database_connection,
                                       const rapidjson::Document& instance, QWidget* parent)
    : QDialog(parent), ui(new Ui::SaveInstanceWindow), database(database_connection)
{
    ui->setupUi(this);
    instance_copy.CopyFrom(instance, instance_copy.GetAllocator());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const QDate today = QDate::currentDate();
    ui->lnName->setText(coded_date(today));
    ui->spTotalDistance->setValue(summary_number("total_distance") / k_metres_per_kilometre);
    ui->spTotalTime->setValue(summary_number("total_travel") / k_seconds_per_minute);
    ui->dateEdit->setDate(today);
}

SaveInstanceWindow::~SaveInstanceWindow()
{
    delete ui;
}

double SaveInstanceWindow::summary_number(const char* s_member) const
{
    const rapidjson::Value* output = find_member(instance_copy, "output");
    const rapidjson::Value* summary = output ? find_member(*output, "summary") : nullptr;
    const rapidjson::Value* total = summary ? find_member(*summary, s_member) : nullptr;
    return total && total->IsNumber() ? total->GetDouble() : 0.0;
}

void SaveInstanceWindow::on_btnSave_clicked()
{
    const std::string s_name = ui->lnName->text().toStdString();
    const QDate date = ui->dateEdit->date();
    const std::string s_date = date.toString("yyyy-MM-dd").toStdString();
    const std::string s_coded_date = coded_date(date).toStdString();
    const double total_distance = ui->spTotalDistance->value();
    const double total_time = ui->spTotalTime->value();
    const double cost = ui->spCost->value();
    const std::string s_json = json_to_string(instance_copy);
    if (s_json.empty()) {  // a number no text can carry: nothing readable to store
        message_box::information(this, tr("Database info"),
                                 tr("The instance could not be saved on the database."));
        return;
    }

    if (!database->insert_instance(s_name, s_date, s_coded_date, total_distance, total_time, s_json,
                                   cost)) {
        message_box::information(this, tr("OK"), tr("Instance added sucessfully!"));
        close();
        return;
    }
    if (!message_box::question(this, tr("Duplicate name"),
                               tr("This instance name already exists on the database, would you "
                                  "like to replace it?"))) {
        return;
    }
    // One transaction: when the new row cannot be stored the old one stays.
    if (!database->replace_instance(s_name, s_date, s_coded_date, total_distance, total_time,
                                    s_json, cost)) {
        message_box::information(this, tr("OK"), tr("Instance sucessfully updated!"));
        close();
        return;
    }
    message_box::information(this, tr("Database info"),
                             tr("The instance could not be saved on the database."));
}

void SaveInstanceWindow::on_btnCancel_clicked()
{
    close();
}
