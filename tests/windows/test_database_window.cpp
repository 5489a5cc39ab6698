// The database window's tabs: what the buttons, finders and grid menus store in the
// database and show in the grids.

#include "databasewindow.h"
#include "window_test_support.h"

#include <QCloseEvent>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

namespace {

const char* const k_client_edits[] = {"lnClientName",         "lnClientAddress", "lnClientNumber",
                                      "lnClientNeighborhood", "lnClientCity",    "lnClientState",
                                      "lnClientCountry",      "lnClientLat",     "lnClientLong"};

void fill_client_form(DatabaseWindow& window, const QStringList& v_fields)
{
    for (int i = 0; i < 9; ++i) {
        child<QLineEdit>(&window, k_client_edits[i])->setText(v_fields.value(i));
    }
}

QStringList client_form(DatabaseWindow& window)
{
    QStringList v_fields;
    for (const char* s_name : k_client_edits) {
        v_fields.append(child<QLineEdit>(&window, s_name)->text());
    }
    return v_fields;
}

QString cell(DatabaseWindow& window, const char* s_view, int row, int column)
{
    const QAbstractItemModel* model = child<QTableView>(&window, s_view)->model();
    return model->index(row, column).data().toString();
}

void make_current(DatabaseWindow& window, const char* s_view, int row)
{
    QTableView* view = child<QTableView>(&window, s_view);
    view->setCurrentIndex(view->model()->index(row, 0));
}

void click(DatabaseWindow& window, const char* s_button)
{
    child<QPushButton>(&window, s_button)->click();
}

const QStringList k_curitiba{"Depot", "Rua XV", "10",     "Centro", "Curitiba",
                             "PR",    "Brasil", "-25.43", "-49.27"};

}  // namespace

class TestDatabaseWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { store = std::make_unique<TestDatabase>(); }
    void cleanup() { store.reset(); }

    void client_add_change_delete_reach_database_and_grid()
    {
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        fill_client_form(window, {"O'Brien \"Shop\"", "São José", "7", "Batel", "Curitiba", "PR",
                                  "Brasil", "-25,43", "-49.2"});
        click(window, "btnAddClient");
        QVERIFY(boxes.boxes.empty());
        // A quote stays as typed; accents are dropped; a decimal comma is kept.
        Rows vv_rows = store->database->select_client_by_id("O'Brien \"Shop\"");
        QCOMPARE(vv_rows.size(), size_t(1));
        QCOMPARE(QString::fromStdString(vv_rows[0][1]), QString("Sao Jose"));
        QCOMPARE(QString::fromStdString(vv_rows[0][7]), QString("-25,43"));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0), QString("O'Brien \"Shop\""));
        QCOMPARE(client_form(window), QStringList(QVector<QString>(9).toList()));

        // Change keeps accents and updates the record of that name.
        fill_client_form(window, {"O'Brien \"Shop\"", "Praça Tiradentes", "9", "Centro", "Curitiba",
                                  "PR", "Brasil", "-25.4", "-49.2"});
        click(window, "btnChangeClient");
        vv_rows = store->database->select_client_by_id("O'Brien \"Shop\"");
        QCOMPARE(QString::fromStdString(vv_rows[0][1]), QString("Praça Tiradentes"));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 2), QString("9"));

        // Change with a name that is not stored changes nothing.
        fill_client_form(window, {"Nobody", "Rua", "1", "B", "C", "S", "P", "1", "1"});
        click(window, "btnChangeClient");
        QCOMPARE(store->database->search_clients("").size(), size_t(1));
        QVERIFY(boxes.boxes.empty());

        child<QLineEdit>(&window, "lnClientName")->setText("O'Brien \"Shop\"");
        click(window, "btnDeleteClient");
        QVERIFY(store->database->search_clients("").empty());
        QVERIFY(cell(window, "TableViewClientDatabase", 0, 0).isEmpty());
    }

    void client_add_refuses_a_stored_name_and_keeps_the_fields()
    {
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        fill_client_form(window, k_curitiba);
        click(window, "btnAddClient");
        fill_client_form(window, k_curitiba);
        click(window, "btnAddClient");
        QCOMPARE(boxes.texts(), QStringList({"Client already exist, change the 'name' field."}));
        QCOMPARE(client_form(window), k_curitiba);
    }

    void client_form_check_names_the_first_fault_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("fault");
        const char* const faults[] = {
            "Missing client name.",         "Missing client address.", "Missing client number.",
            "Missing client neighborhood.", "Missing client city.",    "Missing client state.",
            "Missing client country.",      "Missing client lat.",     "Missing client long."};
        for (int i = 0; i < 9; ++i) {
            QTest::newRow(k_client_edits[i]) << i << QString() << QString(faults[i]);
        }
        QTest::newRow("latitude beyond 90") << 7 << "-95"
                                            << "Invalid lat/long values.";
        QTest::newRow("longitude beyond 180") << 8 << "181"
                                              << "Invalid lat/long values.";
        QTest::newRow("latitude not a number") << 7 << "north"
                                               << "Invalid lat/long values.";
    }

    void client_form_check_names_the_first_fault()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(QString, fault);
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        QStringList v_fields = k_curitiba;
        v_fields[field] = value;
        fill_client_form(window, v_fields);
        click(window, "btnAddClient");
        QCOMPARE(boxes.texts(), QStringList({fault}));
        QCOMPARE(boxes.boxes[0].s_title, QString("Input info"));
        QVERIFY(store->database->search_clients("").empty());
        QCOMPARE(client_form(window), v_fields);  // the check works on copies
    }

    void client_finder_fetch_and_menu_delete()
    {
        Rows vv_clients{{"header"}};
        for (int i = 0; i < 5; ++i) {
            vv_clients.push_back({"Client " + std::to_string(i), "Rua " + std::to_string(i), "1",
                                  "Batel", i < 3 ? "Curitiba" : "Lapa", "PR", "BR", "-25", "-49"});
        }
        QVERIFY(!store->database->insert_clients(vv_clients));
        DatabaseWindow window(store->database.get());
        child<QLineEdit>(&window, "lnClientSearch")->setText("lapa");
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0), QString("Client 3"));
        QCOMPARE(cell(window, "TableViewClientDatabase", 1, 0), QString("Client 4"));
        QVERIFY(cell(window, "TableViewClientDatabase", 2, 0).isEmpty());

        make_current(window, "TableViewClientDatabase", 1);
        window.insert_client_data_on_form();
        QCOMPARE(client_form(window), QStringList({"Client 4", "Rua 4", "1", "Batel", "Lapa", "PR",
                                                   "BR", "-25", "-49"}));

        // Several cells of two rows selected: both clients go, in one transaction.
        child<QLineEdit>(&window, "lnClientSearch")->clear();
        QTableView* view = child<QTableView>(&window, "TableViewClientDatabase");
        const QAbstractItemModel* model = view->model();
        view->selectionModel()->clearSelection();
        for (const auto& [row, column] : {std::pair{0, 0}, {0, 1}, {0, 2}, {2, 4}, {2, 5}}) {
            view->selectionModel()->select(model->index(row, column), QItemSelectionModel::Select);
        }
        window.remove_client_from_database();
        QVERIFY(store->database->select_client_by_id("Client 0").empty());
        QVERIFY(store->database->select_client_by_id("Client 2").empty());
        QCOMPARE(store->database->search_clients("").size(), size_t(3));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0), QString("Client 1"));
        QVERIFY(cell(window, "TableViewClientDatabase", 3, 0).isEmpty());
    }

    void grid_shows_every_row_and_empties_the_rest()
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
        QCOMPARE(model->rowCount(), 150);
        QCOMPARE(cell(window, "TableViewClientDatabase", 149, 0), QString("C149"));
        child<QLineEdit>(&window, "lnClientSearch")->setText("C14");  // C14, C140..C149
        QCOMPARE(model->rowCount(), 120);
        QCOMPARE(cell(window, "TableViewClientDatabase", 10, 0), QString("C149"));
        QVERIFY(cell(window, "TableViewClientDatabase", 11, 0).isEmpty());
        QVERIFY(cell(window, "TableViewClientDatabase", 119, 0).isEmpty());
    }

    void vehicle_add_edit_fetch_delete()
    {
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        child<QLineEdit>(&window, "lnVehicleName")->setText("Truck 'big'");
        child<QSpinBox>(&window, "SpinVehicleCapacity")->setValue(1200);
        child<QSpinBox>(&window, "SpinVehicleAvailable")->setValue(3);
        child<QSpinBox>(&window, "SpinVehicleFixedCost")->setValue(35);
        child<QSpinBox>(&window, "SpinVehicleVarCost")->setValue(2);
        click(window, "btnAddVehicle");
        Rows vv_rows = store->database->select_vehicle_by_id("Truck 'big'");
        QCOMPARE(vv_rows.size(), size_t(1));
        QCOMPARE(QString::fromStdString(vv_rows[0][3]).toDouble(), 35.0);
        QCOMPARE(cell(window, "TableViewVehicleDatabase", 0, 0), QString("Truck 'big'"));
        QVERIFY(child<QLineEdit>(&window, "lnVehicleName")->text().isEmpty());

        child<QLineEdit>(&window, "lnVehicleName")->setText("Truck 'big'");
        click(window, "btnAddVehicle");
        QCOMPARE(boxes.texts(), QStringList({"Vehicle already exist, change the 'name' field."}));
        QCOMPARE(child<QLineEdit>(&window, "lnVehicleName")->text(), QString("Truck 'big'"));

        child<QSpinBox>(&window, "SpinVehicleCapacity")->setValue(900);
        click(window, "btnEditVehicle");
        QCOMPARE(store->database->select_vehicle_by_id("Truck 'big'")[0][1], std::string("900"));

        // A stored cost with a fraction is fetched as its whole part.
        QVERIFY(!store->database->insert_vehicle("Van", 400, 5, 12.75, 1));
        child<QLineEdit>(&window, "lnVehicleSearch")->setText("Van");
        make_current(window, "TableViewVehicleDatabase", 0);
        window.insert_vehicle_data_on_form();
        QCOMPARE(child<QLineEdit>(&window, "lnVehicleName")->text(), QString("Van"));
        QCOMPARE(child<QSpinBox>(&window, "SpinVehicleCapacity")->value(), 400);
        QCOMPARE(child<QSpinBox>(&window, "SpinVehicleFixedCost")->value(), 12);

        make_current(window, "TableViewVehicleDatabase", 5);  // an empty row finds nothing
        window.insert_vehicle_data_on_form();
        QVERIFY(child<QLineEdit>(&window, "lnVehicleName")->text().isEmpty());

        make_current(window, "TableViewVehicleDatabase", 0);
        window.remove_vehicle_from_database();
        QVERIFY(store->database->select_vehicle_by_id("Van").empty());
        QVERIFY(cell(window, "TableViewVehicleDatabase", 0, 0).isEmpty());

        child<QLineEdit>(&window, "lnVehicleSearch")->clear();
        child<QLineEdit>(&window, "lnVehicleName")->setText("Truck 'big'");
        click(window, "btnDeleteVehicle");
        QVERIFY(store->database->search_vehicles("").empty());
    }

    void instance_finder_edit_and_delete()
    {
        Database& db = *store->database;
        QVERIFY(!db.insert_instance("feb", "2024-02-29", "20240229", 1, 2, "{}", 3));
        QVERIFY(!db.insert_instance("first", "2024-03-01", "20240301", 10.5, 20, "{\"a\":1}", 30));
        QVERIFY(!db.insert_instance("seventh", "2024-03-07", "20240307", 1, 2, "{}", 3));
        QVERIFY(!db.insert_instance("last", "2024-03-31", "20240331", 1, 2, "{}", 3));
        DatabaseWindow window(&db);
        QCOMPARE(cell(window, "TableViewInstance", 3, 0), QString("last"));
        QCOMPARE(cell(window, "TableViewInstance", 2, 4), QString("07/03/2024"));

        child<QDateEdit>(&window, "dateFindInstanceFrom")->setDate(QDate(2024, 3, 1));
        child<QDateEdit>(&window, "dateFindInstanceTo")->setDate(QDate(2024, 3, 31));
        window.refresh_instance_grid();
        QCOMPARE(cell(window, "TableViewInstance", 0, 0), QString("first"));
        QCOMPARE(cell(window, "TableViewInstance", 2, 0), QString("last"));
        QVERIFY(cell(window, "TableViewInstance", 3, 0).isEmpty());
        child<QLineEdit>(&window, "lnFindDistanceId")->setText("s");
        QCOMPARE(cell(window, "TableViewInstance", 0, 0), QString("first"));
        QCOMPARE(cell(window, "TableViewInstance", 2, 0), QString("last"));

        make_current(window, "TableViewInstance", 0);
        window.insert_instance_data_on_form();
        QCOMPARE(child<QLineEdit>(&window, "lnInstanceId")->text(), QString("first"));
        QCOMPARE(child<QDoubleSpinBox>(&window, "spInstanceDistance")->value(), 10.5);
        QCOMPARE(child<QDoubleSpinBox>(&window, "spInstanceCost")->value(), 30.0);
        QCOMPARE(child<QDateEdit>(&window, "dateInstance")->date(), QDate(2024, 3, 1));

        child<QDateEdit>(&window, "dateInstance")->setDate(QDate(2024, 3, 5));
        child<QDoubleSpinBox>(&window, "spInstanceCost")->setValue(12345.5);
        click(window, "btnEditInstance");
        const Rows vv_rows = db.select_instance_by_id("first");
        QCOMPARE(QString::fromStdString(vv_rows[0][1]), QString("2024-03-05"));
        QCOMPARE(QString::fromStdString(vv_rows[0][2]), QString("20240305"));
        QCOMPARE(QString::fromStdString(vv_rows[0][6]).toDouble(), 12345.5);
        QCOMPARE(vv_rows[0][5], std::string("{\"a\":1}"));

        click(window, "btnDeleteInstance");
        QVERIFY(db.select_instance_by_id("first").empty());
        QCOMPARE(child<QLineEdit>(&window, "lnInstanceId")->text(), QString("first"));

        // Totals beyond ten thousand survive a fetch and an edit.
        QVERIFY(!db.insert_instance("long", "2024-03-02", "20240302", 12000.5, 20000, "{}", 3));
        child<QLineEdit>(&window, "lnFindDistanceId")->setText("long");
        make_current(window, "TableViewInstance", 0);
        window.insert_instance_data_on_form();
        click(window, "btnEditInstance");
        QCOMPARE(QString::fromStdString(db.select_instance_by_id("long")[0][3]).toDouble(),
                 12000.5);

        // A From date after the To date lists nothing.
        child<QDateEdit>(&window, "dateFindInstanceFrom")->setDate(QDate(2024, 4, 1));
        window.refresh_instance_grid();
        QVERIFY(cell(window, "TableViewInstance", 0, 0).isEmpty());
    }

    void grid_menu_is_built_once()
    {
        DatabaseWindow window(store->database.get());
        window.pop_menu_client_grid(QPoint(1, 1));
        window.pop_menu_client_grid(QPoint(2, 2));
        const QList<QMenu*> v_menus =
            window.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(v_menus.size(), 1);
        QCOMPARE(v_menus[0]->actions().size(), 2);
        QCOMPARE(v_menus[0]->actions()[0]->text(), QString("&Fetch"));
        v_menus[0]->close();
    }

private:
    std::unique_ptr<TestDatabase> store;
};

QTEST_MAIN(TestDatabaseWindow)
#include "test_database_window.moc"
