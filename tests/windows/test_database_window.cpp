// The database window's tabs, the grids' number editor, the client picker and the save dialog.

#include "clientaddwindow.h"
#include "database_records.h"
#include "databasewindow.h"
#include "json_document.h"
#include "saveinstancewindow.h"
#include "spin_box_delegate.h"
#include "window_test_support.h"

#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>

namespace {

const char* const k_client_edits[] = {"lnClientName", "lnClientAddress", "lnClientNumber",
                                      "lnClientNeighborhood", "lnClientCity", "lnClientState",
                                      "lnClientCountry", "lnClientLat", "lnClientLong"};

template <typename Widget>
Widget* box(QWidget& window, const char* s_name) { return child<Widget>(&window, s_name); }
void click(QWidget& window, const char* s_button) { box<QPushButton>(window, s_button)->click(); }
QString text(QWidget& window, const char* s_edit) { return box<QLineEdit>(window, s_edit)->text(); }
void set_text(QWidget& window, const char* s_edit, const QString& s)
{
    box<QLineEdit>(window, s_edit)->setText(s);
}
double number(const std::string& s_text) { return QString::fromStdString(s_text).toDouble(); }

void fill_client_form(QWidget& window, const QStringList& v_fields)
{
    for (int i = 0; i < 9; ++i) set_text(window, k_client_edits[i], v_fields.value(i));
}

QStringList client_form(QWidget& window)
{
    QStringList v_fields;
    for (const char* s_name : k_client_edits) v_fields.append(text(window, s_name));
    return v_fields;
}

QString cell(QWidget& window, const char* s_view, int row, int column)
{
    return box<QTableView>(window, s_view)->model()->index(row, column).data().toString();
}

template <typename View>
void make_current(QWidget& window, const char* s_view, int row)
{
    View* view = box<View>(window, s_view);
    view->setCurrentIndex(view->model()->index(row, 0));
}

QStringList shown_entries(QWidget& picker, const char* s_view)
{
    return qobject_cast<QStringListModel*>(box<QListView>(picker, s_view)->model())->stringList();
}

// The total distance and time the save dialog proposes, added.
double totals(QWidget& dialog)
{
    return box<QDoubleSpinBox>(dialog, "spTotalDistance")->value() +
           box<QDoubleSpinBox>(dialog, "spTotalTime")->value();
}

}  // namespace

class TestDatabaseWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { store = std::make_unique<TestDatabase>(); }
    void cleanup() { store.reset(); }

    // The form check works on copies and names the first fault; a quote stays as typed, accents are
    // dropped and a decimal comma kept on add; a change keeps accents; a stored name is refused.
    void client_add_change_delete_reach_database_and_grid()
    {
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        const QStringList v_valid{"Depot", "Rua XV", "10",     "Centro", "Curitiba",
                                  "PR",    "Brasil", "-25.43", "-49.27"};
        for (const auto& [field, s_value, s_fault] : {std::tuple{0, "", "Missing client name."},
                                                      {8, "", "Missing client long."},
                                                      {7, "-95", "Invalid lat/long values."},
                                                      {7, "north", "Invalid lat/long values."}}) {
            QStringList v_fields = v_valid;
            v_fields[field] = s_value;
            fill_client_form(window, v_fields);
            click(window, "btnAddClient");
            QCOMPARE(boxes.titled().takeLast(), "Input info | " + QString(s_fault));
            QCOMPARE(client_form(window), v_fields);
        }
        QVERIFY(store->database->search_clients("").empty());
        const QString s_name = "O'Brien \"Shop\"";
        const auto stored = [&](int column) {
            return QString::fromStdString(
                store->database->select_client_by_id(s_name.toStdString()).at(0).at(column));
        };
        fill_client_form(window, {s_name, "São José", "7", "Batel", "Curitiba", "PR", "Brasil",
                                  "-25,43", "-49.2"});
        click(window, "btnAddClient");
        QCOMPARE(stored(1) + '|' + stored(7), QString("Sao Jose|-25,43"));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0) + client_form(window).join(""),
                 s_name);
        fill_client_form(window, {s_name, "Praça Tiradentes", "9", "Centro", "Curitiba", "PR",
                                  "Brasil", "1", "1"});
        click(window, "btnChangeClient");
        QCOMPARE(stored(1) + '|' + cell(window, "TableViewClientDatabase", 0, 2),
                 QString("Praça Tiradentes|9"));
        fill_client_form(window, {"Nobody", "Rua", "1", "B", "C", "S", "P", "1", "1"});
        click(window, "btnChangeClient");  // a name that is not stored changes nothing
        QCOMPARE(store->database->search_clients("").size(), size_t(1));
        fill_client_form(window, {s_name, "Rua", "1", "B", "C", "S", "P", "1", "1"});
        click(window, "btnAddClient");
        QCOMPARE(boxes.texts().last(), QString("Client already exist, change the 'name' field."));
        QCOMPARE(text(window, "lnClientAddress") + '|' + stored(1),
                 QString("Rua|Praça Tiradentes"));
        click(window, "btnDeleteClient");
        QVERIFY(store->database->search_clients("").empty() &&
                cell(window, "TableViewClientDatabase", 0, 0).isEmpty());
    }

    // Several cells of two rows selected delete both clients, in one transaction.
    void client_menu_delete_of_several_rows()
    {
        Rows vv_clients{{"header"}};
        for (int i = 0; i < 5; ++i) {
            vv_clients.push_back({"Client " + std::to_string(i), "Rua " + std::to_string(i), "1",
                                  "Batel", i < 3 ? "Curitiba" : "Lapa", "PR", "BR", "-25", "-49"});
        }
        QVERIFY(!store->database->insert_clients(vv_clients));
        DatabaseWindow window(store->database.get());
        QItemSelectionModel* selection =
            box<QTableView>(window, "TableViewClientDatabase")->selectionModel();
        selection->clearSelection();
        for (const auto& [row, column] : {std::pair{0, 0}, {0, 1}, {0, 2}, {2, 4}, {2, 5}}) {
            selection->select(selection->model()->index(row, column), QItemSelectionModel::Select);
        }
        window.remove_client_from_database();
        QCOMPARE(store->database->search_clients("").size(), size_t(3));
        QCOMPARE(cell(window, "TableViewClientDatabase", 0, 0) +
                     cell(window, "TableViewClientDatabase", 1, 0) +
                     cell(window, "TableViewClientDatabase", 3, 0),
                 QString("Client 1Client 3"));
    }

    // Added, edited and deleted; a stored cost with a fraction is fetched as its whole part; an
    // empty row fetches nothing.
    void vehicle_add_edit_fetch_delete()
    {
        DatabaseWindow window(store->database.get());
        set_text(window, "lnVehicleName", "Truck 'big'");
        box<QSpinBox>(window, "SpinVehicleCapacity")->setValue(1200);
        click(window, "btnAddVehicle");
        QCOMPARE(cell(window, "TableViewVehicleDatabase", 0, 0) + text(window, "lnVehicleName"),
                 QString("Truck 'big'"));
        set_text(window, "lnVehicleName", "Truck 'big'");
        box<QSpinBox>(window, "SpinVehicleCapacity")->setValue(900);
        click(window, "btnEditVehicle");
        QCOMPARE(store->database->select_vehicle_by_id("Truck 'big'").at(0)[1], std::string("900"));
        QVERIFY(!store->database->insert_vehicle("Van", 400, 5, 12.75, 1));
        set_text(window, "lnVehicleSearch", "Van");
        make_current<QTableView>(window, "TableViewVehicleDatabase", 5);
        window.insert_vehicle_data_on_form();
        make_current<QTableView>(window, "TableViewVehicleDatabase", 0);
        window.insert_vehicle_data_on_form();
        QCOMPARE(text(window, "lnVehicleName") + ' ' +
                     box<QSpinBox>(window, "SpinVehicleCapacity")->text() + ' ' +
                     box<QSpinBox>(window, "SpinVehicleFixedCost")->text(),
                 QString("Van 400 12"));
        window.remove_vehicle_from_database();
        set_text(window, "lnVehicleName", "Truck 'big'");
        click(window, "btnDeleteVehicle");
        QVERIFY(store->database->search_vehicles("").empty());
    }

    // Dates shown day first; totals beyond ten thousand survive a fetch and an edit.
    void instance_finder_edit_and_delete()
    {
        Database& db = *store->database;
        QVERIFY(!db.insert_instance("feb", "2024-02-29", "20240229", 1, 2, "{}", 3));
        QVERIFY(
            !db.insert_instance("first", "2024-03-01", "20240301", 12000.5, 20, "{\"a\":1}", 30));
        QVERIFY(!db.insert_instance("seventh", "2024-03-07", "20240307", 1, 2, "{}", 3));
        DatabaseWindow window(&db);
        QCOMPARE(
            cell(window, "TableViewInstance", 2, 0) + ' ' + cell(window, "TableViewInstance", 2, 4),
            QString("seventh 07/03/2024"));
        box<QDateEdit>(window, "dateFindInstanceFrom")->setDate(QDate(2024, 3, 1));
        box<QDateEdit>(window, "dateFindInstanceTo")->setDate(QDate(2024, 3, 31));
        window.refresh_instance_grid();
        set_text(window, "lnFindDistanceId", "s");
        QCOMPARE(cell(window, "TableViewInstance", 0, 0) + cell(window, "TableViewInstance", 2, 0),
                 QString("first"));
        make_current<QTableView>(window, "TableViewInstance", 0);
        window.insert_instance_data_on_form();
        QCOMPARE(text(window, "lnInstanceId") + ' ' +
                     box<QDateEdit>(window, "dateInstance")->date().toString("d/M"),
                 QString("first 1/3"));
        box<QDateEdit>(window, "dateInstance")->setDate(QDate(2024, 3, 5));
        box<QDoubleSpinBox>(window, "spInstanceCost")->setValue(12345.5);
        click(window, "btnEditInstance");
        const Rows vv_rows = db.select_instance_by_id("first");
        QCOMPARE(QString::fromStdString(vv_rows[0][1] + ' ' + vv_rows[0][2] + ' ' + vv_rows[0][5]),
                 QString("2024-03-05 20240305 {\"a\":1}"));
        QCOMPARE(number(vv_rows[0][3]) + number(vv_rows[0][6]), 12000.5 + 12345.5);
        click(window, "btnDeleteInstance");
        QVERIFY(db.select_instance_by_id("first").empty());
    }

    // Filtered on five columns in any ASCII case, read again at each showing; Add sends the whole
    // current record, nothing when none is current or it was deleted since.
    void pickers_list_filter_and_send_the_whole_record()
    {
        Database& db = *store->database;
        QVERIFY(!db.insert_client("Depot", "Rua XV", "10", "Centro", "Curitiba", "PR", "Brasil",
                                  "-25.4", "-49.2"));
        QVERIFY(!db.insert_client("O'Brien \"Shop\"", "Oak Road", "7", "Batel", "Curitiba", "PR",
                                  "Brasil", "", ""));
        QVERIFY(
            !db.insert_client("Farm", "Estrada 5", "1", "Rural", "Lapa", "PR", "Brasil", "", ""));
        ClientAddWindow picker(&db);
        Rows vv_sent;
        connect(&picker, &ClientAddWindow::client_selected,
                [&](std::vector<std::string> v) { vv_sent.push_back(v); });
        set_text(picker, "lineEdit", "curitiba");
        QCOMPARE(shown_entries(picker, "listViewClients").join('|'),
                 QString("Depot-Rua XV-10|O'Brien \"Shop\"-Oak Road-7"));
        set_text(picker, "lineEdit",
                 "brasil");  // the country is not searched, and no entry is current
        click(picker, "pushButton");
        set_text(picker, "lineEdit", "a");
        make_current<QListView>(picker, "listViewClients", 1);
        click(picker, "pushButton");
        make_current<QListView>(picker, "listViewClients", 2);
        QVERIFY(!db.delete_client("Farm"));
        click(picker, "pushButton");
        QCOMPARE(vv_sent, Rows({{"O'Brien \"Shop\"", "Oak Road", "7", "Batel", "Curitiba", "PR",
                                 "Brasil", "", "", "OAK ROAD7"}}));
        QVERIFY(!db.insert_client("Mill", "Rua 2", "3", "Centro", "Lapa", "PR", "Brasil", "", ""));
        set_text(picker, "lineEdit", "Lapa");
        picker.show();
        QCOMPARE(shown_entries(picker, "listViewClients"), QStringList({"Mill-Rua 2-3"}));
    }

    // The copy taken at the opening is stored; a stored name is replaced only after Yes, and a
    // refused replacement (a trigger, as a full disk) keeps the stored instance and the dialog.
    void save_dialog_stores_the_copy_taken_when_opened()
    {
        BoxRecorder boxes;
        const std::string s_solved =
            R"({"input":{},"output":{"summary":{"total_distance":500,"total_travel":600.0}}})";
        rapidjson::Document document = string_to_json(s_solved);
        SaveInstanceWindow dialog(store->database.get(), document);
        dialog.show();
        QCOMPARE(text(dialog, "lnName"), coded_date(box<QDateEdit>(dialog, "dateEdit")->date()));
        QCOMPARE(totals(dialog), 10.5);
        document["output"]["summary"]["total_distance"].SetDouble(7);  // changed afterwards
        set_text(dialog, "lnName", "Monday's run");
        box<QDateEdit>(dialog, "dateEdit")->setDate(QDate(2023, 12, 1));
        box<QDoubleSpinBox>(dialog, "spCost")->setValue(123.45);
        click(dialog, "btnSave");
        QCOMPARE(boxes.texts(), QStringList({"Instance added sucessfully!"}));
        QVERIFY(!dialog.isVisible());
        const Rows vv_rows = store->database->select_instance_by_id("Monday's run");
        QCOMPARE(vv_rows.at(0)[1] + ' ' + vv_rows[0][2], std::string("2023-12-01 20231201"));
        QCOMPARE(number(vv_rows[0][3]) + number(vv_rows[0][6]), 0.5 + 123.45);
        QCOMPARE(vv_rows[0][5], json_to_string(string_to_json(s_solved)));

        const rapidjson::Document other = string_to_json(R"({"output":{"summary":[]}})");
        SaveInstanceWindow again(store->database.get(), other);
        QCOMPARE(totals(again), 0.0);
        store->run_sql("CREATE TRIGGER refuse BEFORE INSERT ON instances WHEN NEW.cost = 99 "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
        again.show();
        set_text(again, "lnName", "Monday's run");
        box<QDoubleSpinBox>(again, "spCost")->setValue(99);
        boxes.answer({false, true, true});
        click(again, "btnSave");
        click(again, "btnSave");
        QVERIFY(again.isVisible());
        QCOMPARE(store->database->select_instance_by_id("Monday's run").at(0)[5], vv_rows[0][5]);
        box<QDoubleSpinBox>(again, "spCost")->setValue(98);
        click(again, "btnSave");
        QCOMPARE(boxes.v_boxes.at(1).s_title + '|' + boxes.v_boxes.at(3).s_title + '|' +
                     boxes.texts().last(),
                 QString("Duplicate name|Database info|Instance sucessfully updated!"));
        QVERIFY(!again.isVisible());
        QCOMPARE(store->database->select_instance_by_id("Monday's run").at(0)[5],
                 json_to_string(other));

        // A number beyond the double range has no text: nothing half-written is stored.
        const auto endless =
            string_to_json(R"({"input":{"meta_info":{"max_time":17.7e308}},"output":{}})");
        SaveInstanceWindow third(store->database.get(), endless);
        third.show();
        set_text(third, "lnName", "endless");
        click(third, "btnSave");
        QCOMPARE(boxes.texts().last(), QString("The instance could not be saved on the database."));
        QVERIFY(store->database->select_instance_by_id("endless").empty());
    }

    // The grids' number cells open at their whole value, the fraction dropped, within the editor's
    // range; a typed sixth key is refused, a minus sign too.
    void a_number_cell_opens_at_its_whole_value_data()
    {
        QTest::addColumn<QVariant>("cell");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("stored");
        QTest::newRow("integer") << QVariant(42) << "" << 42;
        QTest::newRow("letters") << QVariant(QString("abc")) << "" << 0;
        QTest::newRow("decimal text") << QVariant(QString("12.5")) << "" << 12;
        QTest::newRow("double") << QVariant(250.75) << "" << 250;
        QTest::newRow("huge text") << QVariant(QString("1e300")) << "" << 50000;
        QTest::newRow("not a number") << QVariant(qQNaN()) << "" << 0;
        QTest::newRow("typed beyond the range") << QVariant(10) << "-60000" << 6000;
    }
    void a_number_cell_opens_at_its_whole_value()
    {
        QFETCH(QVariant, cell);
        QFETCH(QString, typed);
        QFETCH(int, stored);
        SpinBoxDelegate delegate;
        QStandardItemModel model(1, 1);
        QWidget parent;
        model.setData(model.index(0, 0), cell, Qt::EditRole);
        std::unique_ptr<QWidget> editor(
            delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 0)));
        delegate.setEditorData(editor.get(), model.index(0, 0));
        auto* spin = qobject_cast<QSpinBox*>(editor.get());
        QCOMPARE(spin->value(), typed.isEmpty() ? stored : 10);
        spin->selectAll();
        QTest::keyClicks(spin, typed);
        delegate.setModelData(editor.get(), &model, model.index(0, 0));
        QCOMPARE(model.data(model.index(0, 0), Qt::EditRole), QVariant(stored));
    }

private:
    std::unique_ptr<TestDatabase> store;
};

QTEST_MAIN(TestDatabaseWindow)
#include "test_database_window.moc"
