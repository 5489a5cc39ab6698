// The settings window against a real database file: what it shows, stores, refuses and announces.

#include "setting_window.h"
#include "window_test_support.h"
#include "whole_number_check.h"

#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <map>
#include <memory>

Q_DECLARE_METATYPE(WholeNumberCheck)

namespace {
QRadioButton* radio(QWidget& window, const QString& s_name)
{
    return window.findChild<QRadioButton*>(s_name);
}

QLineEdit* line_edit(QWidget& window, const QString& s_name)
{
    return window.findChild<QLineEdit*>(s_name);
}

// Names of the checked radio buttons among these.
QStringList checked(QWidget& window, const QStringList& v_names)
{
    QStringList v_checked;
    for (const auto& s_name : v_names) {
        if (radio(window, s_name)->isChecked()) {
            v_checked << s_name;
        }
    }
    return v_checked;
}

const QStringList v_all_radios = {
    "rdbEnglish", "rdbPortuguese", "rdbGerman", "rdbDistanceORSM", "rdbDistanceORSMGoogle",
    "rdbDistanceGoogle", "rdbLatLongOSRMrelaxed", "rdbLatLongOSRM", "rdbLatLongOSRMGoogle",
    "rdbLatLongGoogle", "rdbMapDisplayGoogleFree", "rdbMapDisplayGooglePayed",
    "rdbAutomaticClientSaveNo", "rdbAutomaticClientSaveYes", "rdbLatLongDatabaseSearchNo",
    "rdbLatLongDatabaseSearchYes", "rdbCityManual", "rdbCityAuto", "rdbStateManual",
    "rdbStateAuto", "rdbCountryManual", "rdbCountryAuto", "rdbServiceTimeManual",
    "rdbServiceTimeAuto", "rdbDemandManual", "rdbDemandAuto", "rdbTWManual", "rdbTWAuto"};

const char* const six_value_keys[] = {"auto_city_value",         "auto_state_value",
                                      "auto_country_value",      "auto_service_time_value",
                                      "auto_demand_value",       "auto_tw_value"};
}  // namespace

class TestSettingWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // The number check needs no database file.
        if (QByteArray(QTest::currentTestFunction()) != "whole_numbers") {
            folder = std::make_unique<SettingsFolder>();
        }
    }
    void cleanup() { folder.reset(); }

    void the_stored_values_are_shown_data()
    {
        QTest::addColumn<QVariantMap>("stored");
        QTest::addColumn<QStringList>("checked_radios");
        QTest::addColumn<QVariantMap>("texts");
        QTest::newRow("changed")
            << QVariantMap{{"language", "ENG"}, {"email", "ana@example.org"},
                           {"distance_matrix_api", "osrm_google"}, {"lat_long_api", "google"},
                           {"map_display", "google_payed"}, {"google_api_key", "k'ey"},
                           {"lat_long_database_search", "1"}, {"automatic_client_save", "1"},
                           {"auto_city", "0"}, {"auto_state", "1"}, {"auto_country", "0"},
                           {"auto_service_time", "0"}, {"auto_demand", "1"}, {"auto_tw", "0"},
                           {"auto_city_value", QString::fromUtf8("São José")},
                           {"auto_tw_value", "480"}}
            << QStringList{"rdbEnglish", "rdbDistanceORSMGoogle", "rdbLatLongGoogle",
                           "rdbMapDisplayGooglePayed", "rdbAutomaticClientSaveYes",
                           "rdbLatLongDatabaseSearchYes", "rdbCityManual", "rdbStateAuto",
                           "rdbCountryManual", "rdbServiceTimeManual", "rdbDemandAuto",
                           "rdbTWManual"}
            << QVariantMap{{"lnEmail", "ana@example.org"}, {"lnGoogleAPIKey", "k'ey"},
                           {"lnCityAuto", QString::fromUtf8("São José")}, {"lnTWAuto", "480"}};
    }

    void the_stored_values_are_shown()
    {
        QFETCH(QVariantMap, stored);
        QFETCH(QStringList, checked_radios);
        QFETCH(QVariantMap, texts);
        for (auto setting = stored.cbegin(); setting != stored.cend(); ++setting) {
            QVERIFY(!folder->database->update_setting(setting.key().toStdString(),
                                                      setting.value().toString().toStdString()));
        }
        SettingWindow window(folder->database.get());
        QVERIFY(window.isHidden());
        QCOMPARE(checked(window, v_all_radios), checked_radios);
        for (auto text = texts.cbegin(); text != texts.cend(); ++text) {
            QCOMPARE(line_edit(window, text.key())->text(), text.value().toString());
        }
        QCOMPARE(line_edit(window, "lnGoogleAPIKey")->echoMode(), QLineEdit::Password);
    }

    void unknown_stored_words_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QStringList>("radios");
        QTest::addColumn<QStringList>("checked_radios");
        QTest::addColumn<QString>("stored_after_close");
        const QStringList v_distance = {"rdbDistanceORSM", "rdbDistanceORSMGoogle", "rdbDistanceGoogle"};
        const QStringList v_lat_long = {"rdbLatLongOSRMrelaxed", "rdbLatLongOSRM",
                                        "rdbLatLongOSRMGoogle", "rdbLatLongGoogle"};
        const QStringList v_language = {"rdbEnglish", "rdbPortuguese", "rdbGerman"};
        const QStringList v_map = {"rdbMapDisplayGoogleFree", "rdbMapDisplayGooglePayed"};
        QTest::newRow("distance other") << "distance_matrix_api" << "here" << v_distance
                                        << QStringList{"rdbDistanceGoogle"} << "google";
        QTest::newRow("lat/long other") << "lat_long_api" << "here" << v_lat_long << QStringList{}
                                        << "here";
        QTest::newRow("German kept") << "language" << "GER" << v_language << QStringList{} << "GER";
        QTest::newRow("map other") << "map_display" << "osm" << v_map << QStringList{}
                                   << "google_payed";
        QTest::newRow("flag other") << "lat_long_database_search" << "yes"
                                    << QStringList{"rdbLatLongDatabaseSearchNo",
                                                   "rdbLatLongDatabaseSearchYes"}
                                    << QStringList{"rdbLatLongDatabaseSearchNo"} << "0";
        QTest::newRow("switch other") << "auto_tw" << "true"
                                      << QStringList{"rdbTWManual", "rdbTWAuto"}
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

    void closing_stores_every_edited_setting()
    {
        SettingWindow window(folder->database.get());
        window.show();
        for (const char* s_name :
             {"rdbEnglish", "rdbDistanceORSMGoogle", "rdbLatLongOSRM", "rdbMapDisplayGooglePayed",
              "rdbAutomaticClientSaveYes", "rdbLatLongDatabaseSearchYes", "rdbCityManual",
              "rdbStateManual", "rdbCountryManual", "rdbServiceTimeManual", "rdbDemandManual",
              "rdbTWManual"}) {
            radio(window, s_name)->setChecked(true);
        }
        const std::map<QString, QString> v_texts = {
            {"lnEmail", "o'brien@example.org"}, {"lnGoogleAPIKey", "AIza-key"},
            {"lnCityAuto", QString::fromUtf8("São Paulo")}, {"lnStateAuto", "SP"},
            {"lnCountryAuto", "Brazil"}, {"lnServiceTimeAuto", "15"}, {"lnDemandAuto", "0"},
            {"lnTWAuto", "720"}};
        for (const auto& text : v_texts) {
            line_edit(window, text.first)->setText(text.second);
        }
        QVERIFY(window.close());
        QVERIFY(window.isHidden());
        QVERIFY(folder->boxes.titled().isEmpty());
        const std::map<std::string, std::string> v_expected = {
            {"language", "ENG"}, {"email", "o'brien@example.org"},
            {"distance_matrix_api", "osrm_google"}, {"lat_long_api", "osrm_exact"},
            {"map_display", "google_payed"}, {"google_api_key", "AIza-key"},
            {"lat_long_database_search", "1"}, {"automatic_client_save", "1"}, {"auto_city", "0"},
            {"auto_state", "0"}, {"auto_country", "0"}, {"auto_service_time", "0"},
            {"auto_demand", "0"}, {"auto_tw", "0"}, {"auto_city_value", "S\xc3\xa3o Paulo"},
            {"auto_state_value", "SP"}, {"auto_country_value", "Brazil"},
            {"auto_service_time_value", "15"}, {"auto_demand_value", "0"},
            {"auto_tw_value", "720"}, {"open_routes", "1"}, {"opt_time", "10"},
            {"solution_method", "normal"}};
        for (const auto& setting : v_expected) {
            QCOMPARE(folder->stored(setting.first), setting.second);
        }
    }

    void a_bad_default_number_refuses_the_close_data()
    {
        QTest::addColumn<QString>("service_time");
        QTest::addColumn<QString>("demand");
        QTest::addColumn<QString>("time_window");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty service") << "" << "1" << "600" << "Service time must be an integer number";
        QTest::newRow("negative service") << "-1" << "1" << "600" << "Negative service time";
        QTest::newRow("letters demand") << "0" << "x" << "600" << "Demand must be an integer number";
        QTest::newRow("negative demand") << "0" << "-3" << "600" << "Negative demand value";
        QTest::newRow("negative window") << "0" << "1" << "-600" << "Negative time window value";
        QTest::newRow("empty window") << "0" << "1" << "" << "Time window must be an integer number";
    }

    void a_bad_default_number_refuses_the_close()
    {
        QFETCH(QString, service_time);
        QFETCH(QString, demand);
        QFETCH(QString, time_window);
        QFETCH(QString, message);
        std::map<std::string, std::string> v_before;
        for (const char* s_key : six_value_keys) {
            v_before[s_key] = folder->stored(s_key);
        }
        SettingWindow window(folder->database.get());
        window.show();
        line_edit(window, "lnCityAuto")->setText("Londrina");
        line_edit(window, "lnServiceTimeAuto")->setText(service_time);
        line_edit(window, "lnDemandAuto")->setText(demand);
        line_edit(window, "lnTWAuto")->setText(time_window);
        line_edit(window, "lnGoogleAPIKey")->setText("new key");
        radio(window, "rdbTWManual")->setChecked(true);

        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QCOMPARE(folder->boxes.titled(), QStringList{"Invalid data | " + message});
        QCOMPARE(line_edit(window, "lnServiceTimeAuto")->text(), service_time);
        for (const char* s_key : six_value_keys) {
            QCOMPARE(folder->stored(s_key), v_before[s_key]);
        }
        // The choices are stored all the same.
        QCOMPARE(folder->stored("google_api_key"), std::string("new key"));
        QCOMPARE(folder->stored("auto_tw"), std::string("0"));
    }

    void the_map_display_is_stored_and_announced_at_once()
    {
        SettingWindow window(folder->database.get());
        QStringList v_heard;
        connect(&window, &SettingWindow::display_map_changed, [&](std::string s_value) {
            v_heard << QString::fromStdString(s_value + " stored " + folder->stored("map_display"));
        });
        radio(window, "rdbMapDisplayGooglePayed")->click();
        radio(window, "rdbMapDisplayGooglePayed")->click();
        radio(window, "rdbMapDisplayGoogleFree")->click();
        QCOMPARE(v_heard, QStringList({"google_payed stored google_payed",
                                       "google_payed stored google_payed",
                                       "google_free stored google_free"}));
        QVERIFY(folder->boxes.titled().isEmpty());
    }

    void a_language_click_only_tells_when_it_applies()
    {
        SettingWindow window(folder->database.get());
        radio(window, "rdbEnglish")->click();
        radio(window, "rdbGerman")->click();
        radio(window, "rdbEnglish")->click();
        const QString s_message =
            "Language | The language will be updated when the application is restarted";
        QCOMPARE(folder->boxes.titled(), QStringList({s_message, s_message, s_message}));
        QCOMPARE(checked(window, {"rdbEnglish", "rdbPortuguese", "rdbGerman"}),
                 QStringList{"rdbEnglish"});
        QCOMPARE(folder->stored("language"), std::string("POR"));
        QVERIFY(window.close());
        QCOMPARE(folder->stored("language"), std::string("ENG"));
    }

    void a_missing_row_is_written_on_close()
    {
        folder->run_sql("DELETE FROM settings WHERE setting = 'email'");
        SettingWindow window(folder->database.get());
        QCOMPARE(line_edit(window, "lnEmail")->text().toStdString(),
                 folder->database->setting_value("email"));
        line_edit(window, "lnEmail")->setText("planner@example.org");
        QVERIFY(window.close());
        QCOMPARE(folder->stored("email"), std::string("planner@example.org"));
    }

    void a_failed_write_is_reported_and_the_window_closes()
    {
        // A file that refuses these writes, as a read-only one does.
        folder->run_sql("CREATE TRIGGER refuse BEFORE UPDATE ON settings WHEN OLD.setting IN "
                        "('map_display', 'email', 'auto_tw_value') "
                        "BEGIN SELECT RAISE(ABORT, 'no'); END");
        SettingWindow window(folder->database.get());
        window.show();
        int heard = 0;
        connect(&window, &SettingWindow::display_map_changed, [&](std::string) { ++heard; });
        radio(window, "rdbMapDisplayGooglePayed")->click();
        QCOMPARE(heard, 0);
        line_edit(window, "lnEmail")->setText("planner@example.org");
        line_edit(window, "lnCityAuto")->setText("Londrina");
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        const QString s_message =
            "Database info | These settings could not be stored in the database: ";
        QCOMPARE(folder->boxes.titled(),
                 QStringList({s_message + "map_display",
                              s_message + "email, map_display, auto_tw_value"}));
        QCOMPARE(folder->stored("map_display"), std::string("google_free"));
        QCOMPARE(folder->stored("auto_city_value"), std::string("Londrina"));
    }

    void whole_numbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<WholeNumberCheck>("check");
        const struct {
            const char* s_text;
            WholeNumberCheck check;
        } v_cases[] = {{"0", WholeNumberCheck::valid},
                       {"+7", WholeNumberCheck::valid},
                       {"2147483647", WholeNumberCheck::valid},
                       {"-1", WholeNumberCheck::negative},
                       {"", WholeNumberCheck::not_integer},
                       {"+-1", WholeNumberCheck::not_integer},
                       {"2147483648", WholeNumberCheck::not_integer},
                       {"3.5", WholeNumberCheck::not_integer},
                       {"10 min", WholeNumberCheck::not_integer}};
        for (const auto& test_case : v_cases) {
            QTest::newRow(test_case.s_text) << QString(test_case.s_text) << test_case.check;
        }
    }

    void whole_numbers()
    {
        QFETCH(QString, text);
        QFETCH(WholeNumberCheck, check);
        QCOMPARE(check_whole_number(text.toStdString()), check);
    }

private:
    std::unique_ptr<SettingsFolder> folder;
};

QTEST_MAIN(TestSettingWindow)
#include "test_setting_window.moc"
