// The context menus of the database window's three grids.

#include "databasewindow.h"

#include "ui_databasewindow.h"

#include <QAction>
#include <QIcon>
#include <QMenu>

void DatabaseWindow::make_grid_menu(QMenu*& menu, QAction*& fetch_action, QAction*& delete_action,
                                    const QString& s_fetch_tip, const QString& s_delete_tip,
                                    void (DatabaseWindow::*fetch_slot)(),
                                    void (DatabaseWindow::*delete_slot)())
{
    if (menu) {
        return;
    }
    menu = new QMenu(this);
    fetch_action = new QAction(
        QIcon::fromTheme("fetch-record", QIcon(":/icons/icons/iconFetch.png")), tr("&Fetch"), this);
    fetch_action->setStatusTip(s_fetch_tip);
    delete_action = new QAction(
        QIcon::fromTheme("delete-record", QIcon(":/icons/icons/icons_google/remove_red.png")),
        tr("&Delete"), this);
    delete_action->setStatusTip(s_delete_tip);
    menu->addAction(fetch_action);
    menu->addAction(delete_action);
    connect(fetch_action, &QAction::triggered, this, fetch_slot);
    connect(delete_action, &QAction::triggered, this, delete_slot);
}

void DatabaseWindow::create_client_grid_menu()
{
    make_grid_menu(client_grid_menu, fetch_client_action, delete_client_action,
                   tr("Fetch the client into the form"), tr("Remove the client from the database"),
                   &DatabaseWindow::insert_client_data_on_form,
                   &DatabaseWindow::remove_client_from_database);
}

void DatabaseWindow::create_vehicle_grid_menu()
{
    make_grid_menu(vehicle_grid_menu, fetch_vehicle_action, delete_vehicle_action,
                   tr("Fetch the vehicle into the form"),
                   tr("Remove the vehicle from the database"),
                   &DatabaseWindow::insert_vehicle_data_on_form,
                   &DatabaseWindow::remove_vehicle_from_database);
}

void DatabaseWindow::create_instance_grid_menu()
{
    make_grid_menu(instance_grid_menu, fetch_instance_action, delete_instance_action,
                   tr("Fetch the instance into the form"),
                   tr("Remove the instance from the database"),
                   &DatabaseWindow::insert_instance_data_on_form,
                   &DatabaseWindow::remove_instance_from_database);
}

void DatabaseWindow::pop_menu_client_grid(const QPoint& pos)
{
    create_client_grid_menu();
    client_grid_menu->popup(ui->TableViewClientDatabase->viewport()->mapToGlobal(pos));
}

void DatabaseWindow::pop_menu_vehicle_grid(const QPoint& pos)
{
    create_vehicle_grid_menu();
    vehicle_grid_menu->popup(ui->TableViewVehicleDatabase->viewport()->mapToGlobal(pos));
}

void DatabaseWindow::pop_menu_instance_grid(const QPoint& pos)
{
    create_instance_grid_menu();
    instance_grid_menu->popup(ui->TableViewInstance->viewport()->mapToGlobal(pos));
}
