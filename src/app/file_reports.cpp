#include "file_reports.h"

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
