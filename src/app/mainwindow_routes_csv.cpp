// The solution of the current instance as a routes CSV file.
#include "mainwindow.h"

#include "csv_files.h"
#include "file_reports.h"
#include "routes_csv.h"

void MainWindow::on_btnExportRoutesCsv_clicked()
{
    const std::string s_language = setting("language");
    if (!check_json_error(instance_document)) {
        return;
    }
    const TextTable vv_table = routes_csv_table(instance_document, s_language);
    write_chosen_file(this, save_file_dialog(this, tr("Save routes data"), QString(), QString()),
                      ".csv", [&vv_table](const std::string& s_path) {
                          return try_write_csv(vv_table, s_path);
                      });
}
