// The database window in daily use: many records, accented folders, the import summary.

#include "bulk_insert_summary.h"
#include "databasewindow.h"
#include "window_test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

QStringList file_lines(const QString& s_path)
{
    QFile file(s_path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).split('\n')
                                          : QStringList();
}

}  // namespace

class TestDatabaseWindowDailyUse : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        store = std::make_unique<TestDatabase>();
        QVERIFY(!store->database->update_setting("language", "ENG"));
        s_desk = QDir(store->folder.path()).filePath("Área de Trabalho");
        QVERIFY(QDir().mkpath(s_desk));
    }
    void cleanup() { store.reset(); }

    void every_stored_record_reaches_its_grid_and_the_export()
    {
        Rows vv_clients{{"header"}};
        for (int i = 0; i < 150; ++i) {
            const std::string s_i = std::to_string(i);
            vv_clients.push_back({"C" + s_i, "Rua A", "1", "B", "City", "S", "P", "1", "2"});
            QVERIFY(i >= 130 || !store->database->insert_vehicle("V" + s_i, 10, 1, 1, 1));
            QVERIFY(i >= 125 || !store->database->insert_instance("I" + s_i, "2024-03-05",
                                                                  "20240305", 1, 1, "{}", 1));
        }
        QVERIFY(!store->database->insert_clients(vv_clients));
        BoxRecorder boxes;
        DatabaseWindow window(store->database.get());
        QStringList v_counts;
        for (const char* s_view :
             {"TableViewClientDatabase", "TableViewVehicleDatabase", "TableViewInstance"}) {
            v_counts << QString::number(child<QTableView>(&window, s_view)->model()->rowCount());
        }
        QCOMPARE(v_counts, QStringList({"150", "130", "125"}));
        window.save_file_dialog = [this](const QString&) { return s_desk + "/clientes"; };
        child<QPushButton>(&window, "btnEportClientCsv")->click();
        const QStringList v_lines = file_lines(s_desk + "/clientes.csv");
        QCOMPARE(v_lines.size(), 152);  // header, 150 clients, and the end of the last line
        QCOMPARE(v_lines[150], QString("C149;Rua A;1;B;City;S;P;1;2"));
        QVERIFY(boxes.v_boxes.empty());
        // A narrower search keeps the grid's rows and empties those below its finds.
        child<QLineEdit>(&window, "lnClientSearch")->setText("C14");  // C14, C140..C149
        const QAbstractItemModel* model =
            child<QTableView>(&window, "TableViewClientDatabase")->model();
        QCOMPARE(model->rowCount(), 120);
        QCOMPARE(model->index(10, 0).data().toString() + model->index(11, 0).data().toString() +
                     model->index(119, 0).data().toString(),
                 QString("C149"));
    }

    void a_summary_names_at_most_five_skipped_clients()
    {
        QCOMPARE(bulk_insert_summary({3, {}}), QString("Clients stored: 3."));
        QCOMPARE(bulk_insert_summary({2, {"A", "B", "C", "D", "E", "F", "G"}}),
                 QString("Clients stored: 2. Clients skipped because a client of that name already "
                         "exists: 7 (A, B, C, D, E, ...)."));
    }

    void files_go_into_the_folders_as_chosen()
    {
        BoxRecorder boxes;
        boxes.answer({true});
        QVERIFY(!store->database->insert_client("Ana", "Rua A", "1", "B", "C", "S", "P", "1", "1"));
        DatabaseWindow window(store->database.get());
        window.open_file_dialog = [this](const QString&, const QString&, const QString&) {
            return QString::fromStdString(store->path("missing.csv"));
        };
        const QString s_folder = s_desk + "/v1.csv";
        QVERIFY(QDir().mkpath(s_folder));
        window.save_file_dialog = [&](const QString&) { return s_folder + "/Modelo São.csv"; };
        child<QPushButton>(&window, "btnImportClientCsv")->click();  // no file: the template
        QVERIFY(QFile::exists(s_folder + "/Modelo São.csv"));

        window.save_file_dialog = [&](const QString&) { return s_folder + "/Exportação.csv"; };
        child<QPushButton>(&window, "btnEportClientCsv")->click();
        QCOMPARE(file_lines(s_folder + "/Exportacao.csv").size(), 3);
        QCOMPARE(boxes.v_boxes.size(), size_t(1));  // the template question only
    }

private:
    std::unique_ptr<TestDatabase> store;
    QString s_desk;
};

QTEST_MAIN(TestDatabaseWindowDailyUse)
#include "test_database_window_daily_use.moc"
