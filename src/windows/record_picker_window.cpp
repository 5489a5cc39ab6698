#include "record_picker_window.h"

#include "record_picker.h"

#include <QLineEdit>
#include <QListView>
#include <QStringListModel>

RecordPickerWindow::RecordPickerWindow(Database* database_connection, QWidget* parent)
    : QMainWindow(parent), list_model(new QStringListModel(this)), database(database_connection)
{
}

void RecordPickerWindow::attach_list(QLineEdit* filter, QListView* view)
{
    filter_line = filter;
    list_view = view;
    update_entry_list(std::string());
    list_model->setStringList(entry_list);
    list_view->setModel(list_model);
}

void RecordPickerWindow::update_entry_list(const std::string& s_filter)
{
    entry_list = picker_entries(search(s_filter));
}

void RecordPickerWindow::refresh_list(const QString& s_filter)
{
    update_entry_list(s_filter.toStdString());
    list_model->setStringList(entry_list);
}

bool RecordPickerWindow::current_record(std::vector<std::string>& v_record)
{
    const TextTable vv_records = search(filter_line->text().toStdString());
    return picked_record(vv_records, list_view->currentIndex().row(), v_record);
}

void RecordPickerWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    refresh_list(filter_line->text());
}
