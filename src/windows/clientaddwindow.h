#pragma once
// The client picker: lists the stored clients matching a filter and sends the chosen
// record (all ten cells of `clients`) to the main window.

#include "record_picker_window.h"

namespace Ui {
class ClientAddWindow;
}

class ClientAddWindow : public RecordPickerWindow {
    Q_OBJECT

public:
    ClientAddWindow(Database* database, QWidget* parent = nullptr);
    ~ClientAddWindow() override;

    void update_client_list(const std::string& s_filter) { update_entry_list(s_filter); }

signals:
    void client_selected(std::vector<std::string> v_client);

private slots:
    void on_pushButton_clicked();
    void on_lineEdit_textChanged(const QString& arg1);

private:
    TextTable search(const std::string& s_filter) override;

    Ui::ClientAddWindow* ui;
};
