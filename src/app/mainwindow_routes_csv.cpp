// The solution of the current instance as a routes CSV file.
#include "mainwindow.h"

#include "csv_files.h"
#include "file_names.h"
#include "file_reports.h"
#include "routes_csv.h"

void MainWindow::on_btnExportRoutesCsv_clicked()
{
    const std::string s_language = setting("language");
    if (!check_json_error(instance_document)) {
        return;
    }
    const TextTable vv_table = routes_csv_table(instance_document, s_language);
    const QString s_chosen = save_file_dialog(this, tr("Save routes data"), QString(), QString());
    if (s_chosen.isEmpty()) {
        return;
    }
    const std::string s_path = normalised_file_name(s_chosen.toStdString(), ".csv");
    if (!try_write_csv(vv_table, s_path)) {
        report_unwritten_file(this, QString::fromStdString(s_path));
    }
}
