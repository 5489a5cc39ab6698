// The main window's frame: start-up, close, dialogs, the document from the grids, the results.
#include "app_test_support.h"

#include "start_up.h"

#include <QCloseEvent>
#include <QDialog>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QtCharts/QBarSet>
#include <QtCharts/QChart>
#include <QtCharts/QHorizontalStackedBarSeries>

namespace {

// Routes V1: depot-A-B-depot and V2: depot-C-depot, D and E unrouted.
std::string solved_document(const std::string& s_prob_type)
{
    std::string s_document = read_bytes(test_data_path("results_document.json"));
    return s_document.replace(s_document.find("\"VRPTW\""), 7, '"' + s_prob_type + '"');
}

// The first columns of rows first..last, each row's cells joined by spaces.
QStringList rows_of(QStandardItemModel& model, int first, int last, int columns = 3)
{
    QStringList v_rows;
    for (int row = first; row <= last; ++row) {
        QStringList v_cells;
        for (int column = 0; column < columns; ++column)
            v_cells << model.index(row, column).data().toString();
        v_rows << v_cells.join(' ');
    }
    return v_rows;
}

// Total time, distance, load, unrouted clients and used vehicles.
QString summary(MainWindowProbe& p)
{
    return QStringList({p.widget<QLabel>("lblTotalTime").text(),
                        p.widget<QLabel>("lblTotalDistance").text(),
                        p.widget<QLabel>("lblTotalLoad").text(),
                        p.widget<QLabel>("lblUnroutedClients").text(),
                        p.widget<QLabel>("lblUsedVehicles").text()})
        .join(", ");
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // As the program does: the style sheet, the catalogue of the stored language, then the window,
    // which reads the route kind and time limit (its leading number) and stores them when it ends.
    void start_up_translates_the_window_data()
    {
        QTest::addColumn<QString>("s_language");
        QTest::addColumn<QString>("s_optimize");
        QTest::newRow("POR") << "POR" << "Otimizar";
        QTest::newRow("GER, catalogue still empty") << "GER" << "Optimize";
        QTest::newRow("ger is no language") << "ger" << "Optimize";
    }
    void start_up_translates_the_window()
    {
        QFETCH(QString, s_language);
        QFETCH(QString, s_optimize);
        const QString s_sheet = application_style_sheet();
        QVERIFY(s_sheet.contains("QToolTip") && !s_sheet.contains('$'));
        WorkFolder work;
        work.database->update_setting("open_routes", "0");
        work.database->update_setting("opt_time", "25s");
        QTranslator translator;
        const QString s_catalogue = translation_catalogue(s_language.toStdString());
        QCOMPARE(!s_catalogue.isEmpty() && translator.load(s_catalogue), s_language != "ger");
        QCoreApplication::installTranslator(&translator);
        {
            MainWindow window(work.database.get());
            MainWindowProbe probe(window);
            QCOMPARE(probe.widget<QAction>("actionOptimize").text(), s_optimize);
            QVERIFY(probe.widget<QRadioButton>("btnClosedRoutes").isChecked());
            QCOMPARE(probe.widget<QSpinBox>("spOptTime").value(), 25);
            probe.widget<QRadioButton>("rdbOpenRoutes").setChecked(true);
            probe.widget<QSpinBox>("spOptTime").setValue(26);
        }
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(
            work.database->setting_value("open_routes") + work.database->setting_value("opt_time"),
            std::string("126"));
    }

    // At the default size each button shows its whole text beside its icon, in either language.
    void default_size_shows_whole_buttons_data()
    {
        QTest::addColumn<QString>("s_language");
        QTest::newRow("POR") << "POR";
        QTest::newRow("ENG") << "ENG";
    }
    void default_size_shows_whole_buttons()
    {
        QFETCH(QString, s_language);
        WorkFolder work;
        QTranslator translator;
        const QString s_catalogue = translation_catalogue(s_language.toStdString());
        QVERIFY(s_catalogue.isEmpty() || translator.load(s_catalogue));
        QCoreApplication::installTranslator(&translator);
        qApp->setStyleSheet(application_style_sheet());
        const auto restore = qScopeGuard([&translator] {
            qApp->setStyleSheet(QString());
            QCoreApplication::removeTranslator(&translator);
        });
        MainWindow window(work.database.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.size(), QSize(1244, 673));
        QStringList v_cut;
        auto& tabs = MainWindowProbe(window).widget<QTabWidget>("tabWidget");
        for (int page = 0; page < tabs.count(); ++page) {
            tabs.setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (const QPushButton* button : window.findChildren<QPushButton*>()) {
                const int wanted = std::min(button->sizeHint().width(), button->maximumWidth());
                // Narrower than it asks, or partly outside what its parents show.
                const bool clipped = button->visibleRegion() != QRegion(button->rect());
                if (button->isVisible() && (button->width() < wanted || clipped)) {
                    v_cut << QString("%1 (%2 of %3 pixels)")
                                 .arg(button->text()).arg(button->width()).arg(wanted);
                }
            }
        }
        QVERIFY2(v_cut.isEmpty(), qPrintable("cut: " + v_cut.join(", ")));
    }

    // A database file that cannot be used is named with its reason in one box at start-up and left
    // as it is; a good file shows no box.
    void start_up_names_an_unusable_database()
    {
        WorkFolder work;
        BoxRecorder messages;
        report_unusable_database(*work.database, nullptr);
        QVERIFY(messages.v_boxes.empty());
        QFile file("garbage.db");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(2048, 'x')) == 2048);
        file.close();
        Database database("garbage.db");
        QVERIFY(database.open_database());
        report_unusable_database(database, nullptr);
        QCOMPARE(read_bytes("garbage.db"), std::string(2048, 'x'));
        QCOMPARE(messages.v_boxes.size(), size_t(1));
        const QString s_file = QDir::current().absoluteFilePath("garbage.db");
        QCOMPARE(messages.v_boxes[0].s_title + " | " + messages.v_boxes[0].s_text,
                 "Database info | The database file " + s_file + " cannot be used: file is not a "
                 "database\nThe file is left as it is; changes made now will not be stored.");
    }

    // Closing asks while jobs run; one help dialog, showing the page of the stored language; one
    // analysis window.
    void close_asks_while_jobs_run_and_dialogs_are_made_once()
    {
        WindowFixture f;
        QCloseEvent idle;
        QCoreApplication::sendEvent(&f.window, &idle);
        QVERIFY(idle.isAccepted() && f.messages.v_boxes.empty());
        f.probe.lat_long_search_running() = f.probe.optimization_running() = true;
        f.messages.answers = {false, true};
        QCloseEvent refused;
        QCoreApplication::sendEvent(&f.window, &refused);
        QVERIFY(!refused.isAccepted() && f.probe.lat_long_search_running());
        QCOMPARE(f.messages.v_boxes[0].s_title, QString("Action required"));
        QCOMPARE(
            f.texts(),
            QStringList({"An operation is still running (lat/long), would you like to cancel it?",
                         "An operation is still running (optimizing problem), would you like to "
                         "cancel it?"}));
        f.messages.answers = {true, true};
        QCloseEvent accepted;
        QCoreApplication::sendEvent(&f.window, &accepted);
        QVERIFY(accepted.isAccepted() && !f.probe.lat_long_search_running());

        QDir().mkdir("help");
        QFile page("help/contato_en.html");
        QVERIFY(page.open(QIODevice::WriteOnly) && page.write("<p>contact</p>") && page.flush());
        f.folder.database->update_setting("language", "ENG");
        f.probe.widget<QAction>("actionOpen").trigger();
        f.probe.widget<QPushButton>("btn_helpMapDisplayMainWindow").click();
        f.probe.widget<QAction>("actionOpen").trigger();
        QCOMPARE(f.window.findChildren<QDialog*>("HelpWindow").size(), 1);
        QCOMPARE(
            f.window.findChild<QDialog*>("HelpWindow")->findChild<QTextBrowser*>()->toPlainText(),
            QString("contact"));
        f.probe.widget<QAction>("actionAnalysis").trigger();
        QWidget* analysis = f.window.findChild<QMainWindow*>("AnalysisWindow");
        QVERIFY(analysis && analysis->isVisible());
        analysis->hide();
        f.probe.widget<QAction>("actionAnalysis").trigger();
        QVERIFY(analysis->isVisible() &&
                f.window.findChildren<QMainWindow*>("AnalysisWindow").size() == 1);
    }

    // Closed routes; then open routes, time limit and stored email as they are at the build.
    void document_from_the_grids_is_the_golden_text()
    {
        WindowFixture f;
        MainWindowProbe& probe = f.probe;
        probe.widget<QSpinBox>("spOptTime").setValue(10);
        probe.widget<QRadioButton>("btnClosedRoutes").setChecked(true);
        set_row(probe.clients(), 0,
                {"Depósito", "Rua A", "10", "Centro", "Curitiba", "PR", "Brasil", "-25,43",
                 "-49.27", at(5, 8), at(5, 18), 0, 0, ""});
        set_row(probe.clients(), 1,
                {"Café \"Bom\" 100%", "Rua São José", "7", "Água Verde", "Curitiba", "PR",
                 "Brasil", "-25.44", "-49.28", at(5, 9, 30), at(5, 12), 15, 3, "tocar duas vezes"});
        // Opens before the operation start: negative seconds.
        set_row(probe.clients(), 2,
                {"Early", "Rua B", "1", "Batel", "Curitiba", "PR", "Brasil", "-25.45", "-49.29",
                 at(5, 7), at(6, 8), "5", "0", "ção"});
        // Opens at the end; its demand's leading whole number counts; the row below the gap is not.
        set_row(probe.clients(), 3,
                client_row("End", "-25.46", "-49.3", at(5, 18), at(5, 18), 0, "7.9"));
        set_row(probe.clients(), 5,
                client_row("Below a gap", "", "", QDateTime(), QDateTime(), "", ""));
        set_row(probe.vehicles(), 0, {"V1", 100, 3, "12.5", 2});
        set_row(probe.vehicles(), 1, {"V2", "40", "1", "0", "1"});
        TextTable vv_client, vv_vehicle;
        int max_demand = 0, min_capacity = 0;
        QVERIFY(probe.check_client_grid(vv_client, max_demand) &&
                probe.check_vehicle_grid(vv_vehicle, min_capacity));
        QVERIFY(f.messages.v_boxes.empty());
        QCOMPARE(QPair(max_demand, min_capacity), QPair(7, 40));
        compare_golden(json_to_string(probe.build_instance_json(vv_client, vv_vehicle)),
                       "instance_from_grids.json");
        f.folder.database->update_setting("email", "me@x.org");
        probe.widget<QSpinBox>("spOptTime").setValue(37);
        probe.widget<QRadioButton>("rdbOpenRoutes").setChecked(true);
        compare_golden(json_to_string(probe.build_instance_json({}, {})),
                       "instance_open_routes.json");
    }

    // The box and the status text of an error record; documents without one show nothing.
    void error_record_shows_its_texts_data()
    {
        QTest::addColumn<QString>("s_json");
        QTest::addColumn<bool>("solved");
        QTest::addColumn<QString>("s_box");
        QTest::addColumn<QString>("s_status");
        const QString s_problem = "Problem generating input file...";
        const QString s_general = "Problem generating the input data file (json)";
        const auto error = [](const char* s_code) {
            return R"({"output":{"meta_info":{"error":)" + QString(s_code) + "}}}";
        };
        QTest::newRow("known code") << error(R"("missing_matrix")") << false
                                    << "Distance matrix problem (json)" << s_problem;
        QTest::newRow("google limit")
            << error(R"("over_query_limit_google")") << false
            << "Exceding google request allowed for time period, please check your google "
               "API configurations"
            << "Exceding google request allowed...";
        QTest::newRow("no connection") << error(R"("no_internet_connection")") << false
                                       << "No internet connection" << s_problem;
        QTest::newRow("error that is no text") << error("42") << false << s_general << s_problem;
        QTest::newRow("empty text") << "" << false << "" << "";
        QTest::newRow("output that is no object") << R"({"output":[1]})" << false << "" << "";
        QTest::newRow("meta_info without error")
            << R"({"output":{"meta_info":{"message":"x"}}})" << true << ""
            << "";
    }
    void error_record_shows_its_texts()
    {
        QFETCH(QString, s_json);
        QFETCH(bool, solved);
        QFETCH(QString, s_box);
        QFETCH(QString, s_status);
        WindowFixture f;
        f.probe.status_label().setText("busy");
        QCOMPARE(f.probe.check_json_error(string_to_json(s_json.toStdString())), solved);
        QCOMPARE(f.texts(), s_box.isEmpty() ? QStringList() : QStringList({s_box}));
        if (!s_box.isEmpty()) {
            QCOMPARE(f.messages.v_boxes[0].s_title + '|' + f.messages.v_boxes[0].s_status,
                     "Input data error|" + s_status);
            QCOMPARE(f.probe.status_label().text(), QString());
        }
    }

    // A result fills grid, links, summary and chart; a second one (open routes, without the
    // return to the depot) replaces it whole; a refused one changes nothing.
    void results_fill_the_window_and_are_replaced_whole()
    {
        WindowFixture f;
        f.folder.database->update_setting("map_display", "google_payed");
        f.probe.optimization_running() = true;
        f.probe.show_solution(solved_document("VRPTW"));
        QCOMPARE(f.messages.v_boxes.size(), size_t(1));
        const BoxRecorder::Box& box = f.messages.v_boxes[0];
        QCOMPARE(box.s_title + '|' + box.s_text + '|' + box.s_status,
                 QString("Optimization|Optimization ended!|Optimization ended!"));
        QVERIFY(f.probe.status_label().text().isEmpty() && !f.probe.optimization_running());
        QStandardItemModel& routes = f.probe.routes();
        QCOMPARE(rows_of(routes, 0, 9),
                 QStringList({"0 V1 Depot", "0 V1 A", "0 V1 B", "0 V1 Depot", "1 V2 Depot",
                              "1 V2 C", "1 V2 Depot", "- unrouted D", "- unrouted E", "  "}));
        QCOMPARE(rows_of(routes, 1, 1, 13)[0],
                 QString("0 V1 A Rua B 2 N C 05/03/2024 09:00 05/03/2024 10:00 "
                         "05/03/2024 08:59 06/03/2024 08:00 100 gate"));
        QCOMPARE(rows_of(routes, 7, 7, 13)[0],
                 QString("- unrouted D Rua E 5 N C 05/03/2024 08:00 05/03/2024 18:00 - - 7 late"));
        QCOMPARE(f.probe.widget<QComboBox>("cbWebLinks").itemText(1), QString("1"));
        QCOMPARE(summary(f.probe), QString("90.50 min, 12.50 km, 180, 2, 2"));
        auto* series = qobject_cast<QtCharts::QHorizontalStackedBarSeries*>(
            f.probe.load_chart().series().value(0));
        QVERIFY(series);
        QCOMPARE(QPair(series->barSets()[0]->at(0), series->barSets()[0]->at(1)),
                 QPair(75.0, 30.0));

        f.probe.show_solution(solved_document("OVRPTW"));
        QCOMPARE(f.probe.load_chart().series().size(), 1);
        QCOMPARE(rows_of(routes, 0, 7),
                 QStringList({"0 V1 Depot", "0 V1 A", "0 V1 B", "1 V2 Depot", "1 V2 C",
                              "- unrouted D", "- unrouted E", "  "}));
        f.probe.show_solution("not json");
        QVERIFY(f.probe.instance_document().IsNull());
        QCOMPARE(rows_of(routes, 6, 6)[0] + ' ' + f.probe.widget<QLabel>("lblUsedVehicles").text(),
                 QString("- unrouted E 2"));
        f.window.update_map_display_label("google_free");
        QCOMPARE(f.probe.widget<QLabel>("lblWeblink").text(), QString("Web link (google free)"));
        QCOMPARE(f.messages.v_boxes.size(), size_t(3));  // only the three end-of-optimisation boxes
        f.probe.show_solution(R"({"input":{"data":{"operation_start_date":"x"}},)"
                              R"("output":{"data":{"routes":[],"unrouted_clients":[]}}})");
        QCOMPARE(summary(f.probe), QString("0.00 min, 0.00 km, 0, 0, 0"));
        QCOMPARE(f.probe.widget<QComboBox>("cbWebLinks").count() +
                     rows_of(routes, 0, 0)[0].trimmed().size(),
                 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
