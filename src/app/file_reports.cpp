#include "file_reports.h"

#include "file_names.h"
#include "message_box.h"

#include <QCoreApplication>

namespace {

QString translated(const char* s_text)
{
    return QCoreApplication::translate("MainWindow", s_text);
}

}  // namespace

void report_unwritten_file(QWidget* parent, const QString& s_path)
{
    message_box::information(parent, translated("File error"),
                             translated("The file could not be written: ") + s_path);
}

void report_unreadable_file(QWidget* parent, const QString& s_path)
{
    message_box::information(parent, translated("File error"),
                             translated("The file could not be read: ") + s_path);
}

void write_chosen_file(QWidget* parent, const QString& s_chosen, const std::string& s_extension,
                       const std::function<bool(const std::string& s_path)>& write)
{
    if (s_chosen.isEmpty()) {
        return;
    }
    const std::string s_path = normalised_file_name(s_chosen.toStdString(), s_extension);
    if (!write(s_path)) {
        report_unwritten_file(parent, QString::fromStdString(s_path));
    }
}
