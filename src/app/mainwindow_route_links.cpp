// The direction links of the solved routes and the map page of one route.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "file_reports.h"
#include "map_page.h"
#include "message_box.h"
#include "route_links.h"
#include "solution_view.h"
#include "whole_number.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>
#include <fstream>

namespace {

bool write_text_file(const std::string& s_path, const std::string& s_text)
{
    std::ofstream file(s_path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!file.is_open()) {
        return false;
    }
    file << s_text;
    file.close();
    return !file.fail();
}

// Without a browser the planner still gets the link, to copy into one.
void open_or_show(MainWindow* window, const std::function<bool(const QUrl&)>& open_url,
                  const QUrl& url)
{
    if (open_url(url)) {
        return;
    }
    message_box::information_to_copy(
        window, MainWindow::tr("Web browser"),
        MainWindow::tr("No web browser could be opened. Copy this link into one:") + "\n" +
            url.toString(QUrl::FullyEncoded));
}

}  // namespace

TextTable MainWindow::build_route_links(const rapidjson::Value& document)
{
    return route_direction_links(document);
}

void MainWindow::build_map_html()
{
    const std::string s_route = ui->cbWebLinks->currentText().toStdString();
    int route = -1;
    const rapidjson::Value& routes = solution_routes(instance_document);
    if (s_route.empty() || !leading_whole_number(s_route, route) || route < 0 ||
        route >= static_cast<int>(routes.Size())) {
        return;
    }
    const std::string s_page = map_page_html(
        instance_document, routes[static_cast<rapidjson::SizeType>(route)], setting("google_api_key"));
    if (!write_text_file(k_map_page_file, s_page)) {
        report_unwritten_file(this, k_map_page_file);
    }
}

void MainWindow::on_btnOpenRoute_clicked()
{
    const QString s_current = ui->cbWebLinks->currentText();
    if (setting("map_display") == "google_free") {
        if (!s_current.isEmpty()) {
            open_or_show(this, open_url, QUrl::fromUserInput(s_current));
        }
        return;
    }
    if (s_current.isEmpty()) {
        return;
    }
    // A page that could not be written would show the previous route: remove it first.
    std::remove(k_map_page_file);
    build_map_html();
    if (QFileInfo(k_map_page_file).isFile()) {
        open_or_show(this, open_url,
                     QUrl::fromLocalFile(QDir::current().absoluteFilePath(k_map_page_file)));
    }
}
