// Start-up pieces and the window frame: theme, catalogues, the settings the window
// reads at construction and writes at destruction, closing while jobs run.
#include "app_test_support.h"

#include "start_up.h"

#include <QCloseEvent>
#include <QDialog>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void placeholders_become_the_theme_colours()
    {
        QCOMPARE(fill_colour_placeholders("a { color: $text; border: $border; b: $text }"),
                 QString("a { color: #222; border: #999999; b: #222 }"));
        QCOMPARE(fill_colour_placeholders("$background$selected$pressed$focused$grad1a$grad1b"),
                 QString("#FFFFFF#8BF#59F#5F72C8#EEEEEF#DADADF"));
        QCOMPARE(fill_colour_placeholders("no colours, $TEXT"), QString("no colours, $TEXT"));
    }

    void style_sheet_resource_has_no_placeholder_left()
    {
        const QString s_sheet = application_style_sheet();
        QVERIFY(s_sheet.contains("QToolTip"));
        QVERIFY(!s_sheet.contains('$'));
    }

    void language_setting_picks_the_catalogue_data()
    {
        QTest::addColumn<QString>("s_language");
        QTest::addColumn<QString>("s_catalogue");
        QTest::newRow("POR") << "POR" << ":/translations/portuguese.qm";
        QTest::newRow("GER") << "GER" << ":/translations/german.qm";
        QTest::newRow("ger") << "ger" << "";
        QTest::newRow("ENG") << "ENG" << "";
    }

    void language_setting_picks_the_catalogue()
    {
        QFETCH(QString, s_language);
        QFETCH(QString, s_catalogue);
        QCOMPARE(translation_catalogue(s_language.toStdString()), s_catalogue);
        if (!s_catalogue.isEmpty()) {
            QTranslator translator;
            QVERIFY(translator.load(s_catalogue));
        }
    }

    void portuguese_catalogue_translates_the_window()
    {
        WorkFolder work;
        QTranslator translator;
        QVERIFY(translator.load(":/translations/portuguese.qm"));
        QCoreApplication::installTranslator(&translator);
        {
            MainWindow window(work.database.get());
            MainWindowProbe probe(window);
            QCOMPARE(window.windowTitle(), QString("TOVALO -Roteirizador"));
            QCOMPARE(probe.widget<QAction>("actionOptimize").text(), QString("Otimizar"));
        }
        QCoreApplication::removeTranslator(&translator);
    }

    void route_kind_and_time_limit_are_read_and_stored_data()
    {
        QTest::addColumn<QString>("s_open_routes");
        QTest::addColumn<QString>("s_opt_time");
        QTest::addColumn<bool>("open");
        QTest::addColumn<int>("time");
        QTest::newRow("open, 10") << "1" << "10" << true << 10;
        QTest::newRow("closed, leading number") << "0" << "25s" << false << 25;
        QTest::newRow("other text, no number") << "yes" << "soon" << false << 1;
    }

    void route_kind_and_time_limit_are_read_and_stored()
    {
        QFETCH(QString, s_open_routes);
        QFETCH(QString, s_opt_time);
        QFETCH(bool, open);
        QFETCH(int, time);
        WorkFolder work;
        work.database->update_setting("open_routes", s_open_routes.toStdString());
        work.database->update_setting("opt_time", s_opt_time.toStdString());
        {
            MainWindow window(work.database.get());
            MainWindowProbe probe(window);
            QCOMPARE(probe.widget<QRadioButton>("rdbOpenRoutes").isChecked(), open);
            QCOMPARE(probe.widget<QRadioButton>("btnClosedRoutes").isChecked(), !open);
            QCOMPARE(probe.widget<QSpinBox>("spOptTime").value(), time);
            probe.widget<QRadioButton>(open ? "btnClosedRoutes" : "rdbOpenRoutes").setChecked(true);
            probe.widget<QSpinBox>("spOptTime").setValue(time + 1);
        }
        QCOMPARE(work.database->setting_value("open_routes"), std::string(open ? "0" : "1"));
        QCOMPARE(work.database->setting_value("opt_time"), std::to_string(time + 1));
    }

    void map_display_label_follows_the_stored_setting()
    {
        WorkFolder work;
        work.database->update_setting("map_display", "google_payed");
        MainWindow window(work.database.get());
        QCOMPARE(window.findChild<QLabel*>("lblWeblink")->text(), QString("Web link (google PAYED)"));
    }

    void close_asks_while_jobs_run()
    {
        WindowFixture f;
        MainWindow& window = f.window;
        MainWindowProbe& probe = f.probe;
        MessageRecorder& boxes = f.messages;
        QCloseEvent idle;
        QCoreApplication::sendEvent(&window, &idle);
        QVERIFY(idle.isAccepted());
        QVERIFY(boxes.v_boxes.empty());

        probe.lat_long_search_running() = true;
        probe.optimization_running() = true;
        boxes.answers = {false, true};
        QCloseEvent refused;
        QCoreApplication::sendEvent(&window, &refused);
        QVERIFY(!refused.isAccepted());
        QCOMPARE(boxes.v_boxes.size(), size_t(2));
        QCOMPARE(boxes.v_boxes[0].s_title, QString("Action required"));
        QCOMPARE(boxes.v_boxes[0].s_text,
                 QString("An operation is still running (lat/long), would you like to cancel it?"));
        QCOMPARE(boxes.v_boxes[1].s_text,
                 QString("An operation is still running (optimizing problem), would you like to cancel it?"));
        QVERIFY(probe.lat_long_search_running());

        boxes.answers = {true, true};
        QCloseEvent accepted;
        QCoreApplication::sendEvent(&window, &accepted);
        QVERIFY(accepted.isAccepted());
        QVERIFY(!probe.lat_long_search_running());
    }

    void help_pages_follow_the_language_data()
    {
        QTest::addColumn<QString>("s_language");
        QTest::addColumn<QString>("s_contact");
        QTest::addColumn<QString>("s_map_display");
        QTest::newRow("POR") << "POR" << "contato br" << "mapa br";
        QTest::newRow("ENG") << "ENG" << "contact en" << "map en";
    }

    void help_pages_follow_the_language()
    {
        QFETCH(QString, s_language);
        QFETCH(QString, s_contact);
        QFETCH(QString, s_map_display);
        WorkFolder work;
        QDir().mkdir("help");
        const std::vector<std::pair<QString, QString>> v_pages = {
            {"contato_br.html", "contato br"}, {"contato_en.html", "contact en"},
            {"map_display_br.html", "mapa br"}, {"map_display_en.html", "map en"}};
        for (const auto& [s_file, s_text] : v_pages) {
            QFile file("help/" + s_file);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(("<p>" + s_text + "</p>").toUtf8());
        }
        work.database->update_setting("language", s_language.toStdString());
        MainWindow window(work.database.get());
        MainWindowProbe probe(window);

        probe.widget<QAction>("actionOpen").trigger();
        auto* help = window.findChild<QDialog*>("HelpWindow");
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->findChild<QTextBrowser*>()->toPlainText(), s_contact);
        probe.widget<QPushButton>("btn_helpMapDisplayMainWindow").click();
        QCOMPARE(window.findChildren<QDialog*>("HelpWindow").size(), 1);
        QCOMPARE(help->findChild<QTextBrowser*>()->toPlainText(), s_map_display);

        QFile::remove("help/map_display_br.html");
        QFile::remove("help/map_display_en.html");
        probe.widget<QPushButton>("btn_helpMapDisplayMainWindow").click();
        QCOMPARE(help->findChild<QTextBrowser*>()->toPlainText(), QString());
    }

    void analysis_window_is_made_once()
    {
        WindowFixture f;
        f.probe.widget<QAction>("actionAnalysis").trigger();
        QWidget* analysis = f.window.findChild<QMainWindow*>("AnalysisWindow");
        QVERIFY(analysis && analysis->isVisible());
        analysis->hide();
        f.probe.widget<QAction>("actionAnalysis").trigger();
        QCOMPARE(f.window.findChildren<QMainWindow*>("AnalysisWindow").size(), 1);
        QVERIFY(analysis->isVisible());
    }
};

QTEST_MAIN(StartUpTest)
#include "test_start_up.moc"
