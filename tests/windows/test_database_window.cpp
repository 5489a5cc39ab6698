// The database window's tabs (what the buttons, finders and grid menus store in the database
// and show in the grids), the client and vehicle pickers and the save-instance dialog.

#include "clientaddwindow.h"
#include "database_records.h"
#include "databasewindow.h"
#include "json_document.h"
#include "saveinstancewindow.h"
#include "vehicleaddwindow.h"
#include "window_test_support.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableView>

namespace {

const char* const k_client_edits[] = {"lnClientName", "lnClientAddress", "lnClientNumber",
                                      "lnClientNeighborhood", "lnClientCity", "lnClientState",
                                      "lnClientCountry", "lnClientLat", "lnClientLong"};

void fill_client_form(QWidget& window, const QStringList& v_fields)
{
    for (int i = 0; i < 9; ++i) child<QLineEdit>(&window, k_client_edits[i])->setText(v_fields.value(i));
}

QStringList client_form(QWidget& window)
{
    QStringList v_fields;
    for (const char* s_name : k_client_edits) v_fields.append(child<QLineEdit>(&window, s_name)->text());
    return v_fields;
}

QString cell(QWidget& window, const char* s_view, int row, int column)
{
    return child<QTableView>(&window, s_view)->model()->index(row, column).data().toString();
}

template <typename View>
void make_current(QWidget& window, const char* s_view, int row)
{
    View* view = child<View>(&window, s_view);
    view->setCurrentIndex(view->model()->index(row, 0));
}

void click(QWidget& window, const char* s_button) { child<QPushButton>(&window, s_button)->click(); }
void set_text(QWidget& window, const char* s_edit, const QString& s_text) { child<QLineEdit>(&window, s_edit)->setText(s_text); }
QString text(QWidget& window, const char* s_edit) { return child<QLineEdit>(&window, s_edit)->text(); }

QStringList shown_entries(QWidget& picker, const char* s_view)
{
    return qobject_cast<QStringListModel*>(child<QListView>(&picker, s_view)->model())->stringList();
}

const QStringList k_curitiba{"Depot", "Rua XV", "10", "Centro", "Curitiba", "PR", "Brasil", "-25.43", "-49.27"};
const char k_solved[] = R"({"input":{"data":{"clients":[]}},"output":{"summary":{"total_distance":500,"total_travel":600.0}}})";

}  // namespace

class TestDatabaseWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { store = std::make_unique<TestDatabase>(); }
    void cleanup() { store.reset(); }

    // The form check works on copies and names the first fault; a quote stays as typed, accents are
    // dropped and a decimal comma kept on add; a change keeps accents and touches only the record
    // of that name; a stored name is refused, the fields kept.
    void client_add_change_delete_reach_database_and_grid()
    {
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        for (const auto& [field, s_value, s_fault] : {std::tuple{0, "", "Missing client name."},
                                                      {4, "", "Missing client city."}, {8, "", "Missing client long."},
                                                      {7, "-95", "Invalid lat/long values."},
                                                      {7, "north", "Invalid lat/long values."}}) {
            QStringList v_fields = k_curitiba;
            v_fields[field] = s_value;
            fill_client_form(window, v_fields);
            click(window, "btnAddClient");
            QCOMPARE(boxes.titled().takeLast(), "Input info | " + QString(s_fault));
            QCOMPARE(client_form(window), v_fields);
        }
        QVERIFY(store->database->search_clients("").empty());
        boxes.boxes.clear();
        fill_client_form(window, {"O'Brien \"Shop\"", "São José", "7", "Batel", "Curitiba", "PR", "Brasil", "-25,43", "-49.2"});
        click(window, "btnAddClient");
        Rows vv_rows = store->database->select_client_by_id("O'Brien \"Shop\"");
        QCOMPARE(QString::fromStdString(vv_rows.at(0)[1] + '|' + vv_rows[0][7]), QString("Sao Jose|-25,43"));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0), QString("O'Brien \"Shop\""));
        QCOMPARE(client_form(window), QStringList(QVector<QString>(9).toList()));

        fill_client_form(window, {"O'Brien \"Shop\"", "Praça Tiradentes", "9", "Centro", "Curitiba", "PR", "Brasil", "-25.4", "-49.2"});
        click(window, "btnChangeClient");
        QCOMPARE(QString::fromStdString(store->database->select_client_by_id("O'Brien \"Shop\"")[0][1]), QString("Praça Tiradentes"));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 2), QString("9"));
        fill_client_form(window, {"Nobody", "Rua", "1", "B", "C", "S", "P", "1", "1"});
        click(window, "btnChangeClient");
        QCOMPARE(store->database->search_clients("").size(), size_t(1));
        fill_client_form(window, {"O'Brien \"Shop\"", "Rua", "1", "B", "C", "S", "P", "1", "1"});
        click(window, "btnAddClient");
        QCOMPARE(boxes.texts(), QStringList({"Client already exist, change the 'name' field."}));
        QCOMPARE(text(window, "lnClientAddress"), QString("Rua"));

        click(window, "btnDeleteClient");
        QVERIFY(store->database->search_clients("").empty());
        QVERIFY(cell(window, "TableViewClientDatabase", 0, 0).isEmpty());
    }

    // The finder filters the grid; a row is fetched into the form; several cells of two rows
    // selected delete both clients, in one transaction.
    void client_finder_fetch_and_menu_delete()
    {
        Rows vv_clients{{"header"}};
        for (int i = 0; i < 5; ++i) {
            vv_clients.push_back({"Client " + std::to_string(i), "Rua " + std::to_string(i), "1", "Batel",
                                  i < 3 ? "Curitiba" : "Lapa", "PR", "BR", "-25", "-49"});
        }
        QVERIFY(!store->database->insert_clients(vv_clients));
        DatabaseWindow window(store->database.get());
        set_text(window, "lnClientSearch", "lapa");
        QCOMPARE(cell(window, "TableViewClientDatabase", 1, 0) + cell(window, "TableViewClientDatabase", 2, 0), QString("Client 4"));
        make_current<QTableView>(window, "TableViewClientDatabase", 1);
        window.insert_client_data_on_form();
        QCOMPARE(client_form(window), QStringList({"Client 4", "Rua 4", "1", "Batel", "Lapa", "PR", "BR", "-25", "-49"}));

        set_text(window, "lnClientSearch", "");
        QTableView* view = child<QTableView>(&window, "TableViewClientDatabase");
        view->selectionModel()->clearSelection();
        for (const auto& [row, column] : {std::pair{0, 0}, {0, 1}, {0, 2}, {2, 4}, {2, 5}}) {
            view->selectionModel()->select(view->model()->index(row, column), QItemSelectionModel::Select);
        }
        window.remove_client_from_database();
        QVERIFY(store->database->select_client_by_id("Client 0").empty() && store->database->select_client_by_id("Client 2").empty());
        QCOMPARE(store->database->search_clients("").size(), size_t(3));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0) + cell(window, "TableViewClientDatabase", 3, 0), QString("Client 1"));
    }

    void grid_shows_at_most_its_rows_and_empties_the_rest()
    {
        Rows vv_clients{{"header"}};
        for (int i = 0; i < 150; ++i) {
            vv_clients.push_back(
                {"C" + std::to_string(i), "Rua", "1", "B", "City", "S", "P", "", ""});
        }
        QVERIFY(!store->database->insert_clients(vv_clients));
        DatabaseWindow window(store->database.get());
        child<QLineEdit>(&window, "lnClientSearch")->setText("C");
        const QAbstractItemModel* model =
            child<QTableView>(&window, "TableViewClientDatabase")->model();
        QCOMPARE(model->rowCount(), 120);
        QCOMPARE(cell(window, "TableViewClientDatabase", 119, 0), QString("C119"));
        child<QLineEdit>(&window, "lnClientSearch")->setText("C14");  // C14, C140..C149
        QCOMPARE(cell(window, "TableViewClientDatabase", 10, 0), QString("C149"));
        QVERIFY(cell(window, "TableViewClientDatabase", 11, 0).isEmpty());
        QVERIFY(cell(window, "TableViewClientDatabase", 119, 0).isEmpty());
    }

    // A stored cost with a fraction is fetched as its whole part; an empty row fetches nothing.
    void vehicle_add_edit_fetch_delete()
    {
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        set_text(window, "lnVehicleName", "Truck 'big'");
        child<QSpinBox>(&window, "SpinVehicleCapacity")->setValue(1200);
        child<QSpinBox>(&window, "SpinVehicleFixedCost")->setValue(35);
        click(window, "btnAddVehicle");
        QCOMPARE(QString::fromStdString(store->database->select_vehicle_by_id("Truck 'big'").at(0)[3]).toDouble(), 35.0);
        QCOMPARE(cell(window, "TableViewVehicleDatabase", 0, 0) + text(window, "lnVehicleName"), QString("Truck 'big'"));
        set_text(window, "lnVehicleName", "Truck 'big'");
        click(window, "btnAddVehicle");
        QCOMPARE(boxes.texts(), QStringList({"Vehicle already exist, change the 'name' field."}));
        child<QSpinBox>(&window, "SpinVehicleCapacity")->setValue(900);
        click(window, "btnEditVehicle");
        QCOMPARE(store->database->select_vehicle_by_id("Truck 'big'")[0][1], std::string("900"));

        QVERIFY(!store->database->insert_vehicle("Van", 400, 5, 12.75, 1));
        set_text(window, "lnVehicleSearch", "Van");
        make_current<QTableView>(window, "TableViewVehicleDatabase", 0);
        window.insert_vehicle_data_on_form();
        QCOMPARE(text(window, "lnVehicleName"), QString("Van"));
        QCOMPARE(child<QSpinBox>(&window, "SpinVehicleCapacity")->value(), 400);
        QCOMPARE(child<QSpinBox>(&window, "SpinVehicleFixedCost")->value(), 12);
        make_current<QTableView>(window, "TableViewVehicleDatabase", 5);
        window.insert_vehicle_data_on_form();
        QVERIFY(text(window, "lnVehicleName").isEmpty());
        make_current<QTableView>(window, "TableViewVehicleDatabase", 0);
        window.remove_vehicle_from_database();
        QVERIFY(store->database->select_vehicle_by_id("Van").empty());
        set_text(window, "lnVehicleSearch", "");
        set_text(window, "lnVehicleName", "Truck 'big'");
        click(window, "btnDeleteVehicle");
        QVERIFY(store->database->search_vehicles("").empty());
    }

    // Dates shown day first; totals beyond ten thousand survive a fetch and an edit; a From date
    // after the To date lists nothing.
    void instance_finder_edit_and_delete()
    {
        Database& db = *store->database;
        QVERIFY(!db.insert_instance("feb", "2024-02-29", "20240229", 1, 2, "{}", 3));
        QVERIFY(!db.insert_instance("first", "2024-03-01", "20240301", 12000.5, 20, "{\"a\":1}", 30));
        QVERIFY(!db.insert_instance("seventh", "2024-03-07", "20240307", 1, 2, "{}", 3));
        DatabaseWindow window(&db);
        QCOMPARE(cell(window, "TableViewInstance", 2, 0) + ' ' + cell(window, "TableViewInstance", 2, 4),
                 QString("seventh 07/03/2024"));
        child<QDateEdit>(&window, "dateFindInstanceFrom")->setDate(QDate(2024, 3, 1));
        child<QDateEdit>(&window, "dateFindInstanceTo")->setDate(QDate(2024, 3, 31));
        window.refresh_instance_grid();
        set_text(window, "lnFindDistanceId", "s");
        QCOMPARE(cell(window, "TableViewInstance", 0, 0) + cell(window, "TableViewInstance", 2, 0), QString("first"));

        make_current<QTableView>(window, "TableViewInstance", 0);
        window.insert_instance_data_on_form();
        QCOMPARE(text(window, "lnInstanceId"), QString("first"));
        QCOMPARE(child<QDoubleSpinBox>(&window, "spInstanceDistance")->value(), 12000.5);
        QCOMPARE(child<QDateEdit>(&window, "dateInstance")->date(), QDate(2024, 3, 1));
        child<QDateEdit>(&window, "dateInstance")->setDate(QDate(2024, 3, 5));
        child<QDoubleSpinBox>(&window, "spInstanceCost")->setValue(12345.5);
        click(window, "btnEditInstance");
        const Rows vv_rows = db.select_instance_by_id("first");
        QCOMPARE(QString::fromStdString(vv_rows[0][1] + ' ' + vv_rows[0][2] + ' ' + vv_rows[0][5]),
                 QString("2024-03-05 20240305 {\"a\":1}"));
        QCOMPARE(QString::fromStdString(vv_rows[0][3]).toDouble() + QString::fromStdString(vv_rows[0][6]).toDouble(),
                 12000.5 + 12345.5);
        click(window, "btnDeleteInstance");
        QVERIFY(db.select_instance_by_id("first").empty());

        child<QDateEdit>(&window, "dateFindInstanceFrom")->setDate(QDate(2024, 4, 1));
        window.refresh_instance_grid();
        QVERIFY(cell(window, "TableViewInstance", 0, 0).isEmpty());
    }

    // The filter looks at id, address, neighborhood, city and state, ignoring ASCII case; showing
    // the picker again reads the database again; Add sends the whole current record, and nothing
    // when no entry is current or the record was deleted since.
    void pickers_list_filter_and_send_the_whole_record()
    {
        Database& db = *store->database;
        QVERIFY(!db.insert_client("Depot", "Rua XV", "10", "Centro", "Curitiba", "PR", "Brasil", "-25.4", "-49.2"));
        QVERIFY(!db.insert_client("O'Brien \"Shop\"", "Oak Road", "7", "Batel", "Curitiba", "PR", "Brasil", "", ""));
        QVERIFY(!db.insert_client("Farm", "Estrada 5", "1", "Rural", "Lapa", "PR", "Brasil", "", ""));
        ClientAddWindow picker(&db);
        Rows vv_sent;
        connect(&picker, &ClientAddWindow::client_selected, [&](std::vector<std::string> v_client) { vv_sent.push_back(v_client); });
        set_text(picker, "lineEdit", "curitiba");
        QCOMPARE(shown_entries(picker, "listViewClients"), QStringList({"Depot-Rua XV-10", "O'Brien \"Shop\"-Oak Road-7"}));
        set_text(picker, "lineEdit", "brasil");  // the country is not searched
        QVERIFY(shown_entries(picker, "listViewClients").isEmpty());
        click(picker, "pushButton");
        set_text(picker, "lineEdit", "a");
        make_current<QListView>(picker, "listViewClients", 1);
        click(picker, "pushButton");
        QCOMPARE(vv_sent, Rows({{"O'Brien \"Shop\"", "Oak Road", "7", "Batel", "Curitiba", "PR", "Brasil", "", "", "OAK ROAD7"}}));
        make_current<QListView>(picker, "listViewClients", 2);
        QVERIFY(!db.delete_client("Farm"));
        click(picker, "pushButton");
        QCOMPARE(vv_sent.size(), size_t(1));
        QVERIFY(!db.insert_client("Mill", "Rua 2", "3", "Centro", "Lapa", "PR", "Brasil", "", ""));
        set_text(picker, "lineEdit", "Lapa");
        picker.show();
        QCOMPARE(shown_entries(picker, "listViewClients"), QStringList({"Mill-Rua 2-3"}));

        QVERIFY(!db.insert_vehicle("Truck", 1200, 3, 35, 2) && !db.insert_vehicle("Van", 400, 5, 10.5, 1.25));
        VehicleAddWindow vehicles(&db);
        QCOMPARE(shown_entries(vehicles, "listViewVehicles"), QStringList({"Truck-1200-3", "Van-400-5"}));
        std::vector<std::string> v_sent;
        connect(&vehicles, &VehicleAddWindow::vehicle_selected, [&](std::vector<std::string> v_vehicle) { v_sent = v_vehicle; });
        set_text(vehicles, "lineEdit", "va");
        make_current<QListView>(vehicles, "listViewVehicles", 0);
        click(vehicles, "btnAddVehicle");
        QCOMPARE(QString::fromStdString(v_sent.at(0) + ' ' + v_sent.at(1)), QString("Van 400"));
        QCOMPARE(QString::fromStdString(v_sent.at(3)).toDouble() + QString::fromStdString(v_sent.at(4)).toDouble(), 11.75);
    }

    // The dialog proposes today and the summary totals (zero without a summary) and stores the
    // copy taken when it opened; the stored text comes back through the load button.
    void save_dialog_stores_the_copy_taken_when_opened()
    {
        BoxRecorder boxes;
        rapidjson::Document document = string_to_json(k_solved);
        SaveInstanceWindow dialog(store->database.get(), document);
        dialog.show();
        QCOMPARE(text(dialog, "lnName"), coded_date(QDate::currentDate()));
        QCOMPARE(child<QDateEdit>(&dialog, "dateEdit")->date(), QDate::currentDate());
        QCOMPARE(child<QDoubleSpinBox>(&dialog, "spTotalDistance")->value() + child<QDoubleSpinBox>(&dialog, "spTotalTime")->value(), 10.5);
        document["output"]["summary"]["total_distance"].SetDouble(7);  // changed afterwards
        set_text(dialog, "lnName", "Monday's run");
        child<QDateEdit>(&dialog, "dateEdit")->setDate(QDate(2023, 12, 1));
        child<QDoubleSpinBox>(&dialog, "spCost")->setValue(123.45);
        click(dialog, "btnSave");
        QCOMPARE(boxes.texts(), QStringList({"Instance added sucessfully!"}));
        QVERIFY(!dialog.isVisible());
        const Rows vv_rows = store->database->select_instance_by_id("Monday's run");
        QCOMPARE(QString::fromStdString(vv_rows.at(0)[1] + ' ' + vv_rows[0][2] + ' ' + vv_rows[0][3] + ' ' + vv_rows[0][6]).remove(".000000"),
                 QString("2023-12-01 20231201 0.5 123.45"));
        QCOMPARE(vv_rows[0][5], json_to_string(string_to_json(k_solved)));

        DatabaseWindow window(store->database.get());
        std::vector<std::string> v_loaded;
        connect(&window, &DatabaseWindow::add_json_from_db_to_main_form, [&](std::string s_json) { v_loaded.push_back(s_json); });
        set_text(window, "lnInstanceId", "Monday");
        click(window, "btnLoadInstance");  // names no instance
        set_text(window, "lnInstanceId", "Monday's run");
        click(window, "btnLoadInstance");
        QCOMPARE(v_loaded, std::vector<std::string>({vv_rows[0][5]}));

        // Cancel saves nothing; a stored name is replaced only after Yes; a replacement the database
        // refuses (a trigger, as a full disk would) keeps the stored instance and the dialog open.
        const rapidjson::Document other = string_to_json(R"({"output":{"summary":[]}})");
        SaveInstanceWindow again(store->database.get(), other);
        QCOMPARE(child<QDoubleSpinBox>(&again, "spTotalDistance")->value() + child<QDoubleSpinBox>(&again, "spTotalTime")->value(), 0.0);
        again.show();
        click(again, "btnCancel");
        QVERIFY(!again.isVisible() && store->database->select_all_instances().size() == 1);
        store->run_sql("CREATE TRIGGER refuse BEFORE INSERT ON instances WHEN NEW.cost = 99 "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
        again.show();
        set_text(again, "lnName", "Monday's run");
        child<QDoubleSpinBox>(&again, "spCost")->setValue(99);
        boxes.answer({false, true, true});
        click(again, "btnSave");
        click(again, "btnSave");
        QVERIFY(again.isVisible());
        QCOMPARE(store->database->select_instance_by_id("Monday's run").at(0)[5], vv_rows[0][5]);
        child<QDoubleSpinBox>(&again, "spCost")->setValue(98);
        click(again, "btnSave");
        QStringList v_titles;
        for (const ShownBox& box : boxes.boxes) v_titles << box.s_title;
        QCOMPARE(v_titles.mid(1), QStringList({"Duplicate name", "Duplicate name", "Database info", "Duplicate name",
                                               boxes.boxes[0].s_title}));
        QCOMPARE(boxes.texts().last(), QString("Instance sucessfully updated!"));
        QVERIFY(!again.isVisible());
        const Rows vv_replaced = store->database->select_instance_by_id("Monday's run");
        QCOMPARE(vv_replaced.size(), size_t(1));
        QCOMPARE(vv_replaced[0][5], json_to_string(other));
    }

private:
    std::unique_ptr<TestDatabase> store;
};

QTEST_MAIN(TestDatabaseWindow)
#include "test_database_window.moc"
