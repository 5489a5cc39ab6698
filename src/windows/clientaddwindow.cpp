#include "clientaddwindow.h"

#include "database.h"
#include "ui_clientaddwindow.h"

ClientAddWindow::ClientAddWindow(Database* database_connection, QWidget* parent)
    : RecordPickerWindow(database_connection, parent), ui(new Ui::ClientAddWindow)
{
    ui->setupUi(this);
    attach_list(ui->lineEdit, ui->listViewClients);
}

ClientAddWindow::~ClientAddWindow()
{
    delete ui;
}

TextTable ClientAddWindow::search(const std::string& s_filter)
{
    return database->search_clients(s_filter);
}

void ClientAddWindow::on_pushButton_clicked()
{
    std::vector<std::string> v_client;
    if (current_record(v_client)) {
        emit client_selected(v_client);
    }
}

void ClientAddWindow::on_lineEdit_textChanged(const QString& arg1)
{
    refresh_list(arg1);
}
