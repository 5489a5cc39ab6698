// Client CSV import and export of the database window and the coordinate job behind the import.

#include "client_csv.h"
#include "csv_files.h"
#include "databasewindow.h"
#include "service_config.h"
#include "test_environment.h"
#include "window_test_support.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QThreadPool>

#include <algorithm>

namespace {

const std::string k_english_header =
    "Name;Address;Number;Neighborhood;City;State;Country;lat;long\n";

// Lets the started jobs end, then hands their queued reports to the window.
void deliver_job_reports()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

}  // namespace

class TestDatabaseWindowImport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store = std::make_unique<TestDatabase>();
        QVERIFY(!store->database->update_setting("language", "ENG"));
        window = std::make_unique<DatabaseWindow>(store->database.get());
        window->open_file_dialog = [this](auto&&...) {
            return QString::fromStdString(s_open_name);
        };
        window->save_file_dialog = [this](auto&&...) {
            return QString::fromStdString(s_save_name);
        };
        s_open_name = store->path("clients.csv");
    }
    void cleanup() { window.reset(); store.reset(); }

    // A wrong header offers the template, which is written whole; rows with missing values are
    // all listed; neither file stores anything.
    void a_file_that_cannot_be_imported_stores_nothing()
    {
        BoxRecorder boxes;
        boxes.answer({true});
        write_bytes(
            s_open_name,
            "Name;Address;Number;Neighborhood;City;State;Country;lat;lon\nA;Rua;1;B;C;S;P;1;1\n");
        s_save_name = store->path("tem.csvplate.csv");
        import_button()->click();
        QCOMPARE(boxes.titled().join('|').left(11), QString(".csv error "));
        const TextTable vv_template =
            read_csv_file(QString::fromStdString(store->path("template.csv")));
        QVERIFY(vv_template == client_csv_template("ENG") &&
                client_csv_header_ok(vv_template, "ENG"));
        QVERIFY(client_csv_problem_rows(vv_template).empty());  // the template imports as it is
        write_bytes(s_open_name,
                    k_english_header +
                        "A;Rua;1;B;C;S;P;;\nB;Rua;2;B;;S;P;;\nC;Rua;3;B;C;S;P;;\nD;Rua;4\n"
                        "E;Rua;5;B;;S;P;1;1\n");
        import_button()->click();
        QVERIFY(boxes.v_boxes.size() == 2 &&
                boxes.v_boxes[1].s_text.endsWith("columns : 2 - 4 - 5 - "));
        QVERIFY(store->database->search_clients("").empty());
        QVERIFY(import_button()->isEnabled());
    }

    // A refused store (a trigger) stores nothing and is not reported as stored; a good one saves
    // the completed table with the imported header, extra cells and decimal commas.
    void import_stores_every_client_or_none()
    {
        BoxRecorder boxes;
        store->run_sql("CREATE TRIGGER refuse BEFORE INSERT ON clients WHEN NEW.id = 'Shop' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END;");
        const std::string s_header =
            "Name;Address;Number;Neighborhood;City;State;Country;lat;long;Note\n";
        write_bytes(s_open_name, s_header +
                                     "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49.27;gate 2\n"
                                     "Shop;Oak Road;7;Batel;Curitiba;PR;BR;-25.44;-49,29;\n");
        import_button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.v_boxes.empty(), 10000);
        QCOMPARE(boxes.v_boxes[0].s_title, QString("Database info"));
        QVERIFY(store->database->search_clients("").empty());

        store->run_sql("DROP TRIGGER refuse");
        boxes.v_boxes.clear();
        boxes.answer({true});
        s_save_name = store->path("concluído.csv");  // saved without accents, as exports are
        import_button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.v_boxes.empty(), 10000);
        QCOMPARE(boxes.v_boxes[0].s_title, QString("Database updated"));
        QVERIFY(import_button()->isEnabled());
        QCOMPARE(store->database->select_client_by_id("Depot").at(0)[7], std::string("-25.43"));
        QCOMPARE(store->database->select_client_by_id("Shop").at(0)[8], std::string("-49.29"));
        QCOMPARE(read_bytes(store->path("concluido.csv.csv")),
                 s_header + "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49,27;gate 2\n"
                            "Shop;Oak Road;7;Batel;Curitiba;PR;BR;-25,44;-49,29;\n");
    }

    // Nothing to export and a file that cannot be written are reported; the export writes the
    // listed clients with decimal commas.
    void export_writes_the_listed_clients()
    {
        BoxRecorder boxes;
        child<QPushButton>(window.get(), "btnEportClientCsv")->click();
        QCOMPARE(boxes.texts(), QStringList({"There are no client data"}));
        Database& db = *store->database;
        QVERIFY(!db.insert_client("Depot", "Rua XV", "10", "Centro", "Curitiba", "PR", "BR",
                                  "-25.43", "-49.27"));
        QVERIFY(!db.insert_client("O'Brien's", "Praça", "7", "Batel", "Curitiba", "PR", "BR",
                                  "-25.44", "-49.29"));
        child<QLineEdit>(window.get(), "lnClientSearch")->setText("x");
        child<QLineEdit>(window.get(), "lnClientSearch")->clear();
        s_save_name = store->path("no such folder/clients");
        child<QPushButton>(window.get(), "btnEportClientCsv")->click();
        QCOMPARE(boxes.v_boxes.at(1).s_title, QString(".csv error"));

        s_save_name = store->path("expo.csvrt");
        child<QPushButton>(window.get(), "btnEportClientCsv")->click();
        QCOMPARE(read_bytes(store->path("export.csv")),
                 k_english_header +
                     "Depot;Rua XV;10;Centro;Curitiba;PR;BR;-25,43;-49,27\n"
                     "O'Brien's;Praça;7;Batel;Curitiba;PR;BR;-25,44;-49,29\n");
    }

    // An ending status ends the import in the window; closing while importing asks, and Yes
    // cancels; the job's reports still on their way change nothing.
    void an_ending_status_or_a_close_ends_the_import()
    {
        BoxRecorder boxes;
        start_one_client_job();
        QVERIFY(!import_button()->isEnabled());
        QStatusBar* status_bar = child<QStatusBar>(window.get(), "statusbar");
        window->get_add_client_from_database_status(Geoservices::LAT_LONG_ALREADY_EXISTS, 1);
        QCOMPARE(child<QLabel>(status_bar, "")->text(), QString("lat/long already exists"));
        window->get_add_client_from_database_status(Geoservices::LAT_LONG_NO_INTERNET, 1);
        QVERIFY(child<QLabel>(status_bar, "")->text().isEmpty());
        QCOMPARE(status_bar->findChild<QProgressBar*>()->value(), -1);
        QCOMPARE(boxes.titled(), QStringList({"API error | No internet connection"}));
        QVERIFY(import_button()->isEnabled());
        deliver_job_reports();

        window->show();
        start_one_client_job();
        boxes.answer({false, true});
        QVERIFY(!window->close() && window->isVisible());
        QVERIFY(window->close());
        QCOMPARE(boxes.v_boxes.at(2).s_title, QString("Action required"));
        QVERIFY(import_button()->isEnabled());
        deliver_job_reports();
        QCOMPARE(boxes.v_boxes.size(), size_t(3));
        QVERIFY(store->database->search_clients("").empty());
    }

    // A name that looks like markup shows literally in the real box, so its question stays
    // readable; the fixed steps of a service fault are the one rich text.
    void boxes_show_the_planners_data_literally()
    {
        const std::string s_name = "<b>Bar</b> <!-- x";
        QVERIFY(!store->database->insert_client(s_name, "Rua", "1", "B", "C", "S", "P", "1", "1"));
        write_bytes(s_open_name,
                    k_english_header + s_name + ";New;1;B;C;S;P;1;1\nShop;Rua;2;B;C;S;P;1;1\n");
        RealBoxAnswerer boxes;
        import_button()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.seen.empty(), 10000);
        const QString s_summary =
            "Clients stored: 1. Clients skipped because a client of that "
            "name already exists: 1 (" +
            QString::fromStdString(s_name) + ").";
        QCOMPARE(boxes.seen[0].s_text, s_summary + " Would you like to also save a new spreadsheet "
                                                   "with the gathered data?");
        QCOMPARE(boxes.seen[0].format, Qt::PlainText);
        QCOMPARE(boxes.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(store->database->search_clients("Shop").size(), size_t(1));
        QCOMPARE(store->database->select_client_by_id(s_name)[0][1], std::string("Rua"));

        start_one_client_job();
        window->get_add_client_from_database_status(Geoservices::LAT_LONG_INVALID_EMAIL, 1);
        const auto steps = std::find_if(boxes.seen.begin(), boxes.seen.end(), [](const auto& box) {
            return box.s_text.startsWith("<p>Missing or invalid email");
        });
        QVERIFY(steps != boxes.seen.end() && steps->format == Qt::RichText);
        deliver_job_reports();
    }

private:
    QPushButton* import_button() { return child<QPushButton>(window.get(), "btnImportClientCsv"); }

    // A job over one client that already holds coordinates: it needs no service.
    void start_one_client_job()
    {
        TextTable vv_table{{"h"}, {"A", "Rua", "1", "B", "C", "S", "P", "1", "1"}};
        window->start_lat_long_job(vv_table);
    }

    std::unique_ptr<TestDatabase> store;
    std::unique_ptr<DatabaseWindow> window;
    std::string s_open_name;
    std::string s_save_name;
};

QTEST_MAIN(TestDatabaseWindowImport)
#include "test_database_window_import.moc"
