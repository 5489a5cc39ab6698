#include "file_reports.h"

#include "file_names.h"
#include "message_box.h"

#include <QCoreApplication>

namespace {

// The texts are marked where they are written, so that the catalogue tools find them.
void report_file_fault(QWidget* parent, const char* s_fault, const QString& s_path)
{
    message_box::information(parent, QCoreApplication::translate("MainWindow", "File error"),
                             QCoreApplication::translate("MainWindow", s_fault) + s_path);
}

}  // namespace

void report_unwritten_file(QWidget* parent, const QString& s_path)
{
    report_file_fault(parent, QT_TRANSLATE_NOOP("MainWindow", "The file could not be written: "),
                      s_path);
}

void report_unreadable_file(QWidget* parent, const QString& s_path)
{
    report_file_fault(parent, QT_TRANSLATE_NOOP("MainWindow", "The file could not be read: "),
                      s_path);
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
