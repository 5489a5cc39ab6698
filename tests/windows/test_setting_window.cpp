// The settings window against a real database file (what it shows, stores, refuses and
// announces) and the help pages it and the main window open.

#include "help_window.h"
#include "setting_window.h"
#include "test_environment.h"
#include "window_test_support.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include <map>

namespace {
QRadioButton* radio(QWidget& window, const QString& s_name) { return window.findChild<QRadioButton*>(s_name); }
QLineEdit* line_edit(QWidget& window, const QString& s_name) { return window.findChild<QLineEdit*>(s_name); }
QString page_text(QWidget& window) { return window.findChild<QTextBrowser*>("textBrowser")->toPlainText(); }

// Names of the checked radio buttons among these (all of them when none are given).
QStringList checked(QWidget& window, QStringList v_names = {})
{
    if (v_names.isEmpty()) {
        for (const QRadioButton* button : window.findChildren<QRadioButton*>()) v_names << button->objectName();
        v_names.sort();
    }
    QStringList v_checked;
    for (const auto& s_name : v_names) {
        if (radio(window, s_name)->isChecked()) v_checked << s_name;
    }
    return v_checked;
}

const std::initializer_list<const char*> k_pages = {"distance_matrix", "lat_long_search", "map_display", "contato"};
}  // namespace

class TestSettingWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        s_previous_folder = QDir::currentPath();
        folder = std::make_unique<SettingsFolder>();
        QVERIFY(QDir::setCurrent(folder->folder.path()));
    }
    void cleanup()
    {
        QDir::setCurrent(s_previous_folder);
        folder.reset();
    }

    void the_stored_values_are_shown()
    {
        const std::map<std::string, std::string> v_stored = {
            {"language", "ENG"}, {"email", "ana@example.org"}, {"distance_matrix_api", "osrm_google"},
            {"lat_long_api", "google"}, {"map_display", "google_payed"}, {"google_api_key", "k'ey"},
            {"lat_long_database_search", "1"}, {"automatic_client_save", "1"}, {"auto_city", "0"},
            {"auto_state", "1"}, {"auto_country", "0"}, {"auto_service_time", "0"}, {"auto_demand", "1"},
            {"auto_tw", "0"}, {"auto_city_value", "S\xc3\xa3o Jos\xc3\xa9"}, {"auto_tw_value", "480"}};
        for (const auto& [s_key, s_value] : v_stored) QVERIFY(!folder->database->update_setting(s_key, s_value));
        SettingWindow window(folder->database.get());
        QVERIFY(window.isHidden());
        QCOMPARE(checked(window), QStringList({"rdbAutomaticClientSaveYes", "rdbCityManual", "rdbCountryManual",
                                               "rdbDemandAuto", "rdbDistanceORSMGoogle", "rdbEnglish",
                                               "rdbLatLongDatabaseSearchYes", "rdbLatLongGoogle",
                                               "rdbMapDisplayGooglePayed", "rdbServiceTimeManual", "rdbStateAuto",
                                               "rdbTWManual"}));
        QCOMPARE(QStringList({line_edit(window, "lnEmail")->text(), line_edit(window, "lnGoogleAPIKey")->text(),
                              line_edit(window, "lnCityAuto")->text(), line_edit(window, "lnTWAuto")->text()}),
                 QStringList({"ana@example.org", "k'ey", QString::fromUtf8("São José"), "480"}));
        QCOMPARE(line_edit(window, "lnGoogleAPIKey")->echoMode(), QLineEdit::Password);
    }

    void unknown_stored_words_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("radios");
        QTest::addColumn<QStringList>("checked_radios");
        QTest::addColumn<QString>("stored_after_close");
        QTest::newRow("distance other") << "distance_matrix_api" << "here"
                                        << QStringList{"rdbDistanceORSM", "rdbDistanceORSMGoogle", "rdbDistanceGoogle"}
                                        << QStringList{"rdbDistanceGoogle"} << "google";
        QTest::newRow("lat/long other") << "lat_long_api" << "here"
                                        << QStringList{"rdbLatLongOSRMrelaxed", "rdbLatLongOSRM", "rdbLatLongOSRMGoogle",
                                                       "rdbLatLongGoogle"}
                                        << QStringList{} << "here";
        QTest::newRow("German kept") << "language" << "GER" << QStringList{"rdbEnglish", "rdbPortuguese", "rdbGerman"}
                                     << QStringList{} << "GER";
        QTest::newRow("map other") << "map_display" << "osm"
                                   << QStringList{"rdbMapDisplayGoogleFree", "rdbMapDisplayGooglePayed"}
                                   << QStringList{} << "google_payed";
        QTest::newRow("switch other") << "auto_tw" << "true" << QStringList{"rdbTWManual", "rdbTWAuto"}
                                      << QStringList{"rdbTWManual"} << "0";
    }
    void unknown_stored_words()
    {
        QFETCH(QString, key);
        QFETCH(QString, word);
        QFETCH(QStringList, radios);
        QFETCH(QStringList, checked_radios);
        QFETCH(QString, stored_after_close);
        QVERIFY(!folder->database->update_setting(key.toStdString(), word.toStdString()));
        SettingWindow window(folder->database.get());
        QCOMPARE(checked(window, radios), checked_radios);
        QVERIFY(window.close());
        QCOMPARE(QString::fromStdString(folder->stored(key.toStdString())), stored_after_close);
    }

    // Every edited setting is stored on close, and only those change.
    void closing_stores_every_edited_setting()
    {
        SettingWindow window(folder->database.get());
        window.show();
        for (const char* s_name : {"rdbEnglish", "rdbDistanceORSMGoogle", "rdbLatLongOSRM", "rdbMapDisplayGooglePayed",
                                   "rdbAutomaticClientSaveYes", "rdbLatLongDatabaseSearchYes", "rdbCityManual",
                                   "rdbStateManual", "rdbCountryManual", "rdbServiceTimeManual", "rdbDemandManual",
                                   "rdbTWManual"}) {
            radio(window, s_name)->setChecked(true);
        }
        const std::map<QString, QString> v_texts = {
            {"lnEmail", "o'brien@example.org"}, {"lnGoogleAPIKey", "AIza-key"}, {"lnCityAuto", "S\xc3\xa3o Paulo"},
            {"lnStateAuto", "SP"}, {"lnCountryAuto", "Brazil"}, {"lnServiceTimeAuto", "15"}, {"lnDemandAuto", "0"},
            {"lnTWAuto", "720"}};
        for (const auto& [s_edit, s_text] : v_texts) line_edit(window, s_edit)->setText(s_text);
        QVERIFY(window.close() && window.isHidden());
        QVERIFY(folder->boxes.titled().isEmpty());
        std::map<std::string, std::string> v_all;
        for (const auto& row : folder->database->select_all_settings()) v_all[row.at(0)] = row.at(1);
        std::string s_all;
        for (const auto& [s_key, s_value] : v_all) s_all += s_key + '=' + s_value + ';';
        QCOMPARE(QString::fromStdString(s_all),
                 QString("auto_city=0;auto_city_value=São Paulo;auto_country=0;auto_country_value=Brazil;auto_demand=0;"
                         "auto_demand_value=0;auto_service_time=0;auto_service_time_value=15;auto_state=0;"
                         "auto_state_value=SP;auto_tw=0;auto_tw_value=720;automatic_client_save=1;"
                         "distance_matrix_api=osrm_google;email=o'brien@example.org;google_api_key=AIza-key;"
                         "language=ENG;lat_long_api=osrm_exact;lat_long_database_search=1;map_display=google_payed;"
                         "open_routes=1;opt_time=10;solution_method=normal;"));
    }

    // A default that is no whole number, or a negative one, refuses the close and keeps every
    // default value as stored; the choices are stored all the same.
    void a_bad_default_number_refuses_the_close_data()
    {
        QTest::addColumn<QString>("service_time");
        QTest::addColumn<QString>("demand");
        QTest::addColumn<QString>("time_window");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty service") << "" << "1" << "600" << "Service time must be an integer number";
        QTest::newRow("negative service") << "-1" << "+7" << "600" << "Negative service time";
        QTest::newRow("fraction demand") << "0" << "3.5" << "600" << "Demand must be an integer number";
        QTest::newRow("negative demand") << "0" << "-3" << "2147483647" << "Negative demand value";
        QTest::newRow("window beyond int") << "0" << "1" << "2147483648" << "Time window must be an integer number";
        QTest::newRow("negative window") << "0" << "1" << "-600" << "Negative time window value";
        QTest::newRow("window with a unit") << "0" << "1" << "10 min" << "Time window must be an integer number";
    }
    void a_bad_default_number_refuses_the_close()
    {
        QFETCH(QString, service_time);
        QFETCH(QString, demand);
        QFETCH(QString, time_window);
        QFETCH(QString, message);
        const std::string s_before = folder->stored("auto_city_value") + folder->stored("auto_service_time_value") +
                                     folder->stored("auto_demand_value") + folder->stored("auto_tw_value");
        SettingWindow window(folder->database.get());
        window.show();
        line_edit(window, "lnCityAuto")->setText("Londrina");
        line_edit(window, "lnServiceTimeAuto")->setText(service_time);
        line_edit(window, "lnDemandAuto")->setText(demand);
        line_edit(window, "lnTWAuto")->setText(time_window);
        line_edit(window, "lnGoogleAPIKey")->setText("new key");
        radio(window, "rdbTWManual")->setChecked(true);
        QVERIFY(!window.close() && window.isVisible());
        QCOMPARE(folder->boxes.titled(), QStringList{"Invalid data | " + message});
        QCOMPARE(line_edit(window, "lnServiceTimeAuto")->text(), service_time);
        QCOMPARE(folder->stored("auto_city_value") + folder->stored("auto_service_time_value") +
                     folder->stored("auto_demand_value") + folder->stored("auto_tw_value"),
                 s_before);
        QCOMPARE(folder->stored("google_api_key") + folder->stored("auto_tw"), std::string("new key0"));
    }

    // The map display is stored and announced at each click; a language click only tells that it
    // applies after a restart, and is stored on close.
    void map_display_and_language_clicks()
    {
        SettingWindow window(folder->database.get());
        QStringList v_heard;
        connect(&window, &SettingWindow::display_map_changed, [&](std::string s_value) {
            v_heard << QString::fromStdString(s_value + " stored " + folder->stored("map_display"));
        });
        radio(window, "rdbMapDisplayGooglePayed")->click();
        radio(window, "rdbMapDisplayGooglePayed")->click();
        radio(window, "rdbMapDisplayGoogleFree")->click();
        QCOMPARE(v_heard, QStringList({"google_payed stored google_payed", "google_payed stored google_payed",
                                       "google_free stored google_free"}));
        QVERIFY(folder->boxes.titled().isEmpty());
        radio(window, "rdbEnglish")->click();
        radio(window, "rdbGerman")->click();
        radio(window, "rdbEnglish")->click();
        const QString s_message = "Language | The language will be updated when the application is restarted";
        QCOMPARE(folder->boxes.titled(), QStringList({s_message, s_message, s_message}));
        QCOMPARE(checked(window, {"rdbEnglish", "rdbPortuguese", "rdbGerman"}), QStringList{"rdbEnglish"});
        QCOMPARE(folder->stored("language"), std::string("POR"));
        QVERIFY(window.close());
        QCOMPARE(folder->stored("language"), std::string("ENG"));
    }

    void a_missing_row_is_written_on_close()
    {
        folder->run_sql("DELETE FROM settings WHERE setting = 'email'");
        SettingWindow window(folder->database.get());
        QCOMPARE(line_edit(window, "lnEmail")->text().toStdString(), folder->database->setting_value("email"));
        line_edit(window, "lnEmail")->setText("planner@example.org");
        QVERIFY(window.close());
        QCOMPARE(folder->stored("email"), std::string("planner@example.org"));
    }

    void a_failed_write_is_reported()
    {
        folder->run_sql(
            "CREATE TRIGGER refuse BEFORE UPDATE ON settings BEGIN SELECT RAISE(ABORT, 'no'); END");
        SettingWindow window(folder->database.get());
        window.show();
        int heard = 0;
        connect(&window, &SettingWindow::display_map_changed, [&](std::string) { ++heard; });
        radio(window, "rdbMapDisplayGooglePayed")->click();
        QCOMPARE(heard, 0);
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        const QString s_message = "Database info | The settings could not be stored in the database";
        QCOMPARE(folder->boxes.titled(), QStringList({s_message, s_message}));
        QCOMPARE(folder->stored("map_display"), std::string("google_free"));
    }

    // One page at a time, read-only, links opened outside; a page is read up to a NUL byte.
    void the_help_dialog_shows_one_page_at_a_time()
    {
        HelpWindow window;
        QVERIFY(window.findChild<QTextBrowser*>("textBrowser")->openExternalLinks());
        QVERIFY(window.findChild<QTextBrowser*>("textBrowser")->isReadOnly());
        window.set_help_html("<p>Ajuda em portugu\xc3\xaas: configura\xc3\xa7\xc3\xb5\x65s</p>");
        QCOMPARE(page_text(window), QString::fromUtf8("Ajuda em português: configurações"));
        QVERIFY(window.isHidden());
        const char with_nul[] = "<p>kept</p>\0<p>dropped</p>";
        window.set_help_html(std::string(with_nul, sizeof with_nul - 1));
        QCOMPARE(page_text(window), QString("kept"));
    }

    // Each help button opens one dialog with its topic's page in the stored language (a language
    // picked but not stored yet does not count); without the help folder the page is empty.
    void the_help_buttons_open_the_page_of_the_stored_language_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("Portuguese") << "POR" << "br";
        QTest::newRow("German") << "GER" << "en";
        QTest::newRow("no help folder") << "ENG" << "";
    }
    void the_help_buttons_open_the_page_of_the_stored_language()
    {
        QFETCH(QString, language);
        QFETCH(QString, suffix);
        for (const char* s_page : suffix.isEmpty() ? std::initializer_list<const char*>{} : k_pages) {
            for (const char* s_suffix : {"br", "en"}) {
                QFile file(QString("help/%1_%2.html").arg(s_page, s_suffix));
                QVERIFY(QDir().mkpath("help") && file.open(QIODevice::WriteOnly));
                file.write(QString("<p>%1_%2</p>").arg(s_page, s_suffix).toUtf8());
            }
        }
        QVERIFY(!folder->database->update_setting("language", language.toStdString()));
        SettingWindow window(folder->database.get());
        window.findChild<QRadioButton*>(language == "POR" ? "rdbEnglish" : "rdbPortuguese")->click();
        for (const auto& [s_button, s_page] : {std::pair{"btn_helpLatLongFetching", "lat_long_search"},
                                               {"btn_helpDistanceMatrixFetching", "distance_matrix"},
                                               {"btn_helpMapDisplay", "map_display"}}) {
            window.findChild<QPushButton*>(s_button)->click();
            QCOMPARE(window.findChildren<HelpWindow*>().size(), 1);
            QVERIFY(window.findChild<HelpWindow*>()->isVisible());
            QCOMPARE(page_text(*window.findChild<HelpWindow*>()), suffix.isEmpty() ? "" : s_page + ('_' + suffix));
        }
    }

    void the_shipped_pages_cover_every_topic_in_both_languages()
    {
        const QDir help_folder(QString::fromStdString(test_data_dir()) + "/../../help");
        for (const char* s_page : k_pages) {
            for (const char* s_suffix : {"_br.html", "_en.html"}) {
                QFile file(help_folder.filePath(QString(s_page) + s_suffix));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                const QByteArray content = file.readAll();
                QVERIFY(content.contains("<h2>") && QString::fromUtf8(content).toUtf8() == content);
            }
        }
    }

private:
    QString s_previous_folder;
    std::unique_ptr<SettingsFolder> folder;
};

QTEST_MAIN(TestSettingWindow)
#include "test_setting_window.moc"
