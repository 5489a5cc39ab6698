#pragma once
// The dialog that stores the main window's solved instance as one row of the
// `instances` table under a name of the planner's choice.

#include <QDialog>

#include <rapidjson/document.h>

class Database;

namespace Ui {
class SaveInstanceWindow;
}

class SaveInstanceWindow : public QDialog {
    Q_OBJECT

public:
    // Keeps a deep copy of the document: later changes of the caller's do not reach it.
    SaveInstanceWindow(Database* database, const rapidjson::Document& instance,
                       QWidget* parent = nullptr);
    ~SaveInstanceWindow() override;

private slots:
    void on_btnSave_clicked();
    void on_btnCancel_clicked();

private:
    // The summary total, or 0 when the document lacks it or holds no number there.
    double summary_number(const char* s_member) const;

    Ui::SaveInstanceWindow* ui;
    rapidjson::Document instance_copy;
    Database* database;
};
