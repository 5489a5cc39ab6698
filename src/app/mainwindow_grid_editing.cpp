// Editing of the three grids: context menus, the delete/copy/paste shortcuts, the clear
// buttons and the system clipboard.
#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "grid_editing.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QStandardItemModel>

namespace {

QModelIndexList selected_cells(const QTableView* view)
{
    return view->selectionModel() ? view->selectionModel()->selectedIndexes() : QModelIndexList();
}

void copy_selection(const QTableView* view, const QStandardItemModel& model)
{
    const TextTable vv_cells = selected_cells_table(model, selected_cells(view));
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (vv_cells.empty() || !clipboard) {
        return;
    }
    clipboard->setText(QString::fromStdString(table_to_tsv(vv_cells)), QClipboard::Clipboard);
}

// The clipboard's text from the view's current cell on; nothing without a current cell.
// Gives the number of lines that did not fit below the current cell.
int paste_clipboard(const QTableView* view, QStandardItemModel& model)
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QModelIndex current = view->selectionModel() ? view->selectionModel()->currentIndex()
                                                       : QModelIndex();
    if (!clipboard || !current.isValid()) {
        return 0;
    }
    const QString s_text = clipboard->text(QClipboard::Clipboard);
    return s_text.isEmpty()
               ? 0
               : paste_text(model, current.row(), current.column(), s_text.toStdString());
}

QAction* menu_action(QMainWindow* window, const char* s_icon, const QString& s_text,
                     const QString& s_tip)
{
    auto* action =
        new QAction(QIcon::fromTheme("delete-record", QIcon(s_icon)), s_text, window);
    action->setStatusTip(s_tip);
    return action;
}

// A key of one grid, acting only while the focus is in that grid's view.
template <typename Slot>
void add_shortcut(MainWindow* window, QTableView* view, QKeySequence::StandardKey key, Slot slot)
{
    auto* action = new QAction(window);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    view->addAction(action);
    QObject::connect(action, &QAction::triggered, window, slot);
}

// The selected and current cells by place: moved rows would take the selection with them,
// while the planner goes on where the rows were edited.
class SelectedPlaces {
public:
    explicit SelectedPlaces(QTableView& grid_view) : view(grid_view)
    {
        const QItemSelectionModel* selection = view.selectionModel();
        if (selection) {
            for (const QModelIndex& index : selection->selectedIndexes()) {
                v_places.emplace_back(index.row(), index.column());
            }
            current = {selection->currentIndex().row(), selection->currentIndex().column()};
        }
    }

    void select_again() const
    {
        QItemSelectionModel* selection = view.selectionModel();
        if (!selection) {
            return;
        }
        const QAbstractItemModel* model = view.model();
        selection->setCurrentIndex(model->index(current.first, current.second),
                                   QItemSelectionModel::NoUpdate);
        QItemSelection cells;
        for (const auto& place : v_places) {
            const QModelIndex index = model->index(place.first, place.second);
            cells.select(index, index);
        }
        selection->select(cells, QItemSelectionModel::ClearAndSelect);
    }

private:
    QTableView& view;
    std::vector<std::pair<int, int>> v_places;
    std::pair<int, int> current{-1, -1};
};

void show_menu(QMenu* menu, const QTableView* view, const QPoint& pos)
{
    menu->popup(view->viewport()->mapToGlobal(pos));
}

}  // namespace

void MainWindow::create_client_grid_menu()
{
    if (client_grid_menu) {
        return;
    }
    client_grid_menu = new QMenu(this);
    add_client_row_action = menu_action(this, ":/icons/icons/icons_google/add_green.png",
                                        tr("&Add row"), tr("Add a new row"));
    remove_client_row_action = menu_action(this, ":/icons/icons/icons_google/thrash_blue.png",
                                           tr("&Remove row"), tr("Remove the current row"));
    erase_client_row_action = menu_action(this, ":/icons/icons/icons_google/erase_red.png",
                                          tr("Erase row"), tr("Erase the complete row"));
    QTableView* view = ui->TableViewDataInput;
    add_shortcut(this, view, QKeySequence::Delete, &MainWindow::erase_client_table_item);
    add_shortcut(this, view, QKeySequence::Copy, &MainWindow::copy_client_table_row);
    add_shortcut(this, view, QKeySequence::Paste, &MainWindow::paste_client_table_row);
    connect(add_client_row_action, &QAction::triggered, this, &MainWindow::add_row_client_table);
    connect(remove_client_row_action, &QAction::triggered, this, &MainWindow::remove_client_table_row);
    connect(erase_client_row_action, &QAction::triggered, this, &MainWindow::erase_client_table_row);
    client_grid_menu->addAction(erase_client_row_action);
    client_grid_menu->addAction(remove_client_row_action);
    client_grid_menu->addAction(add_client_row_action);
}

void MainWindow::create_vehicle_grid_menu()
{
    if (vehicle_grid_menu) {
        return;
    }
    vehicle_grid_menu = new QMenu(this);
    erase_vehicle_row_action = menu_action(this, ":/icons/icons/icons_google/thrash_blue.png",
                                           tr("&Delete row"), tr("Delete the complete row"));
    QTableView* view = ui->TableViewVehicleInput;
    add_shortcut(this, view, QKeySequence::Delete, &MainWindow::erase_vehicle_table_item);
    add_shortcut(this, view, QKeySequence::Copy, &MainWindow::copy_vehicle_table_row);
    add_shortcut(this, view, QKeySequence::Paste, &MainWindow::paste_vehicle_table_row);
    connect(erase_vehicle_row_action, &QAction::triggered, this, &MainWindow::erase_vehicle_table_row);
    vehicle_grid_menu->addAction(erase_vehicle_row_action);
}

void MainWindow::create_routes_grid_menu()
{
    if (routes_grid_menu) {
        return;
    }
    routes_grid_menu = new QMenu(this);
    QTableView* view = ui->TableViewRoutes;
    add_shortcut(this, view, QKeySequence::Delete, &MainWindow::erase_routes_table_item);
    add_shortcut(this, view, QKeySequence::Paste, &MainWindow::paste_routes_table_item);
}

void MainWindow::pop_menu_client_grid(QPoint pos)
{
    create_client_grid_menu();
    show_menu(client_grid_menu, ui->TableViewDataInput, pos);
}

void MainWindow::pop_menu_vehicle_grid(QPoint pos)
{
    create_vehicle_grid_menu();
    show_menu(vehicle_grid_menu, ui->TableViewVehicleInput, pos);
}

void MainWindow::pop_menu_routes_grid(QPoint pos)
{
    create_routes_grid_menu();
    show_menu(routes_grid_menu, ui->TableViewRoutes, pos);
}

void MainWindow::erase_client_table_row()
{
    erase_selected_rows(*client_model, selected_cells(ui->TableViewDataInput));
}

void MainWindow::erase_vehicle_table_row()
{
    erase_selected_rows(*vehicle_model, selected_cells(ui->TableViewVehicleInput));
}

void MainWindow::erase_client_table_item()
{
    erase_selected_cells(*client_model, selected_cells(ui->TableViewDataInput));
}

void MainWindow::erase_vehicle_table_item()
{
    erase_selected_cells(*vehicle_model, selected_cells(ui->TableViewVehicleInput));
}

void MainWindow::erase_routes_table_item()
{
    erase_selected_cells(*routes_model, selected_cells(ui->TableViewRoutes));
}

void MainWindow::add_row_client_table()
{
    // Without a selected cell there is no place to insert at: nothing happens.
    const QModelIndexList selection = selected_cells(ui->TableViewDataInput);
    if (selection.isEmpty()) {
        return;
    }
    const SelectedPlaces places(*ui->TableViewDataInput);
    if (!insert_empty_row(*client_model, selection.first().row())) {
        // The last row holds a client that the new row would push out of the grid.
        information(tr("Input data error"),
                    tr("The client grid is full: its last row is not empty. Erase or remove a "
                       "row before adding one"));
        return;
    }
    places.select_again();
}

void MainWindow::remove_client_table_row()
{
    const SelectedPlaces places(*ui->TableViewDataInput);
    remove_selected_rows(*client_model, selected_cells(ui->TableViewDataInput));
    places.select_again();
}

void MainWindow::copy_client_table_row()
{
    copy_selection(ui->TableViewDataInput, *client_model);
}

void MainWindow::copy_vehicle_table_row()
{
    copy_selection(ui->TableViewVehicleInput, *vehicle_model);
}

void MainWindow::copy_routes_table_item()
{
    copy_selection(ui->TableViewRoutes, *routes_model);
}

void MainWindow::paste_client_table_row()
{
    report_rows_left_out(client_model, paste_clipboard(ui->TableViewDataInput, *client_model));
}

void MainWindow::paste_vehicle_table_row()
{
    report_rows_left_out(vehicle_model, paste_clipboard(ui->TableViewVehicleInput, *vehicle_model));
}

void MainWindow::paste_routes_table_item()
{
    report_rows_left_out(routes_model, paste_clipboard(ui->TableViewRoutes, *routes_model));
}

void MainWindow::on_btnClearClientDataInputGrid_clicked()
{
    clear_grid(client_model);
}

void MainWindow::on_btnClearVehicleDataInputGrid_clicked()
{
    clear_grid(vehicle_model);
}

void MainWindow::on_btnClearRoutesGrid_clicked()
{
    clear_grid(routes_model);
}
