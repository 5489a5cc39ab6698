#include "start_up.h"

#include "database.h"
#include "message_box.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>
#include <utility>

QString fill_colour_placeholders(QString s_style_sheet)
{
    static const std::array<std::pair<const char*, const char*>, 8> colours = {{
        {"$text", "#222"},
        {"$background", "#FFFFFF"},
        {"$border", "#999999"},
        {"$selected", "#8BF"},
        {"$pressed", "#59F"},
        {"$focused", "#5F72C8"},
        {"$grad1a", "#EEEEEF"},
        {"$grad1b", "#DADADF"},
    }};
    for (const auto& [s_placeholder, s_colour] : colours) {
        s_style_sheet.replace(QString(s_placeholder), QString(s_colour), Qt::CaseSensitive);
    }
    return s_style_sheet;
}

QString application_style_sheet()
{
    QFile file(":/stylesheets/stylesheets/stylesheet_.qss");
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    QByteArray bytes = file.readAll();
    // Latin-1 up to the first NUL byte.
    const int nul = bytes.indexOf('\0');
    if (nul >= 0) {
        bytes.truncate(nul);
    }
    return fill_colour_placeholders(QString::fromLatin1(bytes));
}

QString translation_catalogue(const std::string& s_language)
{
    if (s_language == "GER") {
        return ":/translations/german.qm";
    }
    if (s_language == "POR") {
        return ":/translations/portuguese.qm";
    }
    return QString();
}

void report_unusable_database(const Database& database, QWidget* parent)
{
    if (database.open_failure().empty()) {
        return;
    }
    const QString s_file =
        QFileInfo(QString::fromStdString(database.file_name())).absoluteFilePath();
    message_box::information(
        parent, QCoreApplication::translate("StartUp", "Database info"),
        QCoreApplication::translate("StartUp",
                                    "The database file %1 cannot be used: %2\nThe file is left "
                                    "as it is; changes made now will not be stored.")
            .arg(s_file, QString::fromStdString(database.open_failure())));
}
