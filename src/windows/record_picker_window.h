#pragma once
// The common part of the client and vehicle pickers: a filter line, a list of the
// matching database records refreshed on every keystroke and every showing, and the
// record of the current list entry, taken from a fresh search when the planner adds it.

#include "text_table.h"

#include <QMainWindow>
#include <QStringList>

#include <string>
#include <vector>

class Database;
class QLineEdit;
class QListView;
class QShowEvent;
class QStringListModel;

class RecordPickerWindow : public QMainWindow {
    Q_OBJECT

protected:
    RecordPickerWindow(Database* database, QWidget* parent);

    // The records matching the filter, in the database's order.
    virtual TextTable search(const std::string& s_filter) = 0;

    // Called once the form is set up: fills the list with the empty filter.
    void attach_list(QLineEdit* filter_line, QListView* list_view);
    // Rebuilds the entry list from a fresh search, without touching the model.
    void update_entry_list(const std::string& s_filter);
    // A fresh search with the filter, shown in the list.
    void refresh_list(const QString& s_filter);
    // The record of the current entry, from a fresh search with the filter line's text;
    // false without a current entry or when the record is no longer in the result.
    bool current_record(std::vector<std::string>& v_record);

    void showEvent(QShowEvent* event) override;

    QStringListModel* list_model;
    Database* database;
    QStringList entry_list;

private:
    QLineEdit* filter_line = nullptr;
    QListView* list_view = nullptr;
};
