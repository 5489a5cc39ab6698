// Grid clients saved in the database a second time: the stored records stay and the
// planner is told which names were skipped.
#include "app_test_support.h"

#include <QPushButton>
#include <QtTest>

class TestGridClientsStoredTwice : public QObject {
    Q_OBJECT

private slots:
    void stored_names_are_skipped_and_named()
    {
        WindowFixture f;
        f.window.update_json_from_database(solved_instance_text());
        QPushButton& save = f.probe.widget<QPushButton>("btnSaveClientsFromGridOnDatabase");
        save.click();
        const std::string s_address = f.folder.database->select_client_by_id("Bruno")[0][1];
        f.probe.clients().setData(f.probe.clients().index(2, 1), QString("New street"));
        save.click();

        QCOMPARE(f.texts().last(),
                 QString("Clients stored: 0. Clients skipped because a client of that name already "
                         "exists: 5 (Depot, Ana \"A\", Bruno, Carla, Davi)."));
        QCOMPARE(f.folder.database->select_client_by_id("Bruno")[0][1], s_address);
    }
};

QTEST_MAIN(TestGridClientsStoredTwice)
#include "test_grid_clients_stored_twice.moc"
