#include "help_pages.h"

#include "help_window.h"

#include <QDir>
#include <QFile>

#include <utility>
#include <vector>

namespace {
std::string page_name(const std::string& s_topic)
{
    static const std::vector<std::pair<std::string, std::string>> v_pages = {
        {"distance_matrix", "distance_matrix"},
        {"lat_long", "lat_long_search"},
        {"map_display", "map_display"},
        {"contact", "contato"},
    };
    for (const auto& page : v_pages) {
        if (page.first == s_topic) {
            return page.second;
        }
    }
    return "";
}
}  // namespace

QString help_page_path(const std::string& s_topic, const std::string& s_language)
{
    const std::string s_page = page_name(s_topic);
    if (s_page.empty()) {
        return QString();
    }
    const std::string s_suffix = s_language == "POR" ? "_br.html" : "_en.html";
    return QDir::current().absoluteFilePath(QStringLiteral("help/") +
                                            QString::fromStdString(s_page + s_suffix));
}

std::string read_help_page(const QString& s_path)
{
    QFile file(s_path);
    if (s_path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        return "";
    }
    return file.readAll().toStdString();
}

HelpWindow* show_help_page(HelpWindow* help_window, QWidget* parent, const std::string& s_topic,
                           const std::string& s_language)
{
    if (help_window == nullptr) {
        help_window = new HelpWindow(parent);
    }
    help_window->set_help_html(read_help_page(help_page_path(s_topic, s_language)));
    help_window->show();
    return help_window;
}
