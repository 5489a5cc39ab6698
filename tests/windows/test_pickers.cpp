// The client and vehicle pickers: what they list and which record Add sends.

#include "clientaddwindow.h"
#include "vehicleaddwindow.h"
#include "window_test_support.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace {

QStringList shown_entries(QMainWindow* picker, const char* s_view)
{
    auto* model = qobject_cast<QStringListModel*>(child<QListView>(picker, s_view)->model());
    return model ? model->stringList() : QStringList();
}

void make_current(QMainWindow* picker, const char* s_view, int row)
{
    QListView* view = child<QListView>(picker, s_view);
    view->setCurrentIndex(view->model()->index(row, 0));
}

}  // namespace

class TestPickers : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store = std::make_unique<TestDatabase>();
        Database& db = *store->database;
        QVERIFY(!db.insert_client("Depot", "Rua XV", "10", "Centro", "Curitiba", "PR", "Brasil",
                                  "-25.4", "-49.2"));
        QVERIFY(!db.insert_client("O'Brien \"Shop\"", "Oak Road", "7", "Batel", "Curitiba", "PR",
                                  "Brasil", "", ""));
        QVERIFY(
            !db.insert_client("Farm", "Estrada 5", "1", "Rural", "Lapa", "PR", "Brasil", "", ""));
        QVERIFY(!db.insert_vehicle("Truck", 1200, 3, 35, 2));
        QVERIFY(!db.insert_vehicle("Van", 400, 5, 10.5, 1.25));
    }

    void cleanup() { store.reset(); }

    void client_picker_lists_and_filters()
    {
        ClientAddWindow picker(store->database.get());
        QCOMPARE(
            shown_entries(&picker, "listViewClients"),
            QStringList({"Depot-Rua XV-10", "O'Brien \"Shop\"-Oak Road-7", "Farm-Estrada 5-1"}));
        // The filter looks at id, address, neighborhood, city and state, ignoring ASCII case.
        child<QLineEdit>(&picker, "lineEdit")->setText("curitiba");
        QCOMPARE(shown_entries(&picker, "listViewClients").size(), 2);
        child<QLineEdit>(&picker, "lineEdit")->setText("brasil");  // the country is not searched
        QVERIFY(shown_entries(&picker, "listViewClients").isEmpty());

        // Showing the picker again reads the database again, with the filter kept.
        child<QLineEdit>(&picker, "lineEdit")->setText("Lapa");
        QVERIFY(!store->database->insert_client("Mill", "Rua 2", "3", "Centro", "Lapa", "PR",
                                                "Brasil", "", ""));
        picker.show();
        QCOMPARE(shown_entries(&picker, "listViewClients"),
                 QStringList({"Farm-Estrada 5-1", "Mill-Rua 2-3"}));
    }

    void client_picker_sends_the_whole_record()
    {
        ClientAddWindow picker(store->database.get());
        std::vector<std::vector<std::string>> vv_sent;
        connect(&picker, &ClientAddWindow::client_selected,
                [&](std::vector<std::string> v_client) { vv_sent.push_back(v_client); });
        QPushButton* add = child<QPushButton>(&picker, "pushButton");

        add->click();  // no current entry
        QVERIFY(vv_sent.empty());

        make_current(&picker, "listViewClients", 1);
        add->click();
        add->click();  // the same entry twice gives the record twice
        const std::vector<std::string> v_expected{
            "O'Brien \"Shop\"", "Oak Road", "7", "Batel",    "Curitiba", "PR",
            "Brasil",           "",         "",  "OAK ROAD7"};
        QCOMPARE(vv_sent.size(), size_t(2));
        QVERIFY(vv_sent[0] == v_expected);
        QVERIFY(vv_sent[1] == v_expected);

        // Typing refreshes the list, which leaves no entry current.
        child<QLineEdit>(&picker, "lineEdit")->setText("a");
        add->click();
        QCOMPARE(vv_sent.size(), size_t(2));
    }

    void client_deleted_after_the_refresh_is_not_sent()
    {
        ClientAddWindow picker(store->database.get());
        int n_sent = 0;
        connect(&picker, &ClientAddWindow::client_selected,
                [&](std::vector<std::string>) { ++n_sent; });
        make_current(&picker, "listViewClients", 2);
        QVERIFY(!store->database->delete_client("Farm"));
        child<QPushButton>(&picker, "pushButton")->click();
        QCOMPARE(n_sent, 0);
    }

    void vehicle_picker_sends_the_whole_record()
    {
        VehicleAddWindow picker(store->database.get());
        QCOMPARE(shown_entries(&picker, "listViewVehicles"),
                 QStringList({"Truck-1200-3", "Van-400-5"}));
        std::vector<std::string> v_sent;
        connect(&picker, &VehicleAddWindow::vehicle_selected,
                [&](std::vector<std::string> v_vehicle) { v_sent = v_vehicle; });
        child<QLineEdit>(&picker, "lineEdit")->setText("va");
        make_current(&picker, "listViewVehicles", 0);
        child<QPushButton>(&picker, "btnAddVehicle")->click();
        QCOMPARE(v_sent.size(), size_t(5));
        QCOMPARE(QString::fromStdString(v_sent[0]), QString("Van"));
        QCOMPARE(QString::fromStdString(v_sent[1]).toInt(), 400);
        QCOMPARE(QString::fromStdString(v_sent[3]).toDouble(), 10.5);
        QCOMPARE(QString::fromStdString(v_sent[4]).toDouble(), 1.25);
    }

private:
    std::unique_ptr<TestDatabase> store;
};

QTEST_MAIN(TestPickers)
#include "test_pickers.moc"
