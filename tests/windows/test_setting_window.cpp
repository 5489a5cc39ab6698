// The settings window against a real database file: what it shows, stores, refuses and announces.

#include "setting_window.h"
#include "window_test_support.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include <map>

namespace {
QRadioButton* radio(QWidget& window, const QString& s_name)
{
    return window.findChild<QRadioButton*>(s_name);
}
QLineEdit* line_edit(QWidget& window, const QString& s_name)
{
    return window.findChild<QLineEdit*>(s_name);
}

// Names of the checked radio buttons, in name order.
QStringList checked(QWidget& window)
{
    QStringList v_checked;
    for (const QRadioButton* button : window.findChildren<QRadioButton*>()) {
        if (button->isChecked()) v_checked << button->objectName();
    }
    v_checked.sort();
    return v_checked;
}

}  // namespace

class TestSettingWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { folder = std::make_unique<SettingsFolder>(); }
    void cleanup() { folder.reset(); }

    // Missing or unknown stored values show as their defaults and are written at the close, so a
    // damaged settings table mends itself; nothing else changes.
    void shows_the_stored_values_and_stores_the_edited_ones()
    {
        for (const auto& [s_key, s_value] :
             std::map<std::string, std::string>{
                 {"language", "ENG"}, {"distance_matrix_api", "here"}, {"lat_long_api", "google"},
                 {"map_display", "osm"}, {"google_api_key", "k'ey"},
                 {"lat_long_database_search", "1"}, {"auto_city", "0"}, {"auto_demand", "1"},
                 {"auto_tw_value", "480"}}) {
            QVERIFY(!folder->database->update_setting(s_key, s_value));
        }
        folder->run_sql("DELETE FROM settings WHERE setting = 'email'");
        SettingWindow window(folder->database.get());
        QCOMPARE(checked(window),
                 QStringList({"rdbAutomaticClientSaveNo", "rdbCityManual", "rdbCountryAuto",
                              "rdbDemandAuto", "rdbDistanceGoogle", "rdbEnglish",
                              "rdbLatLongDatabaseSearchYes", "rdbLatLongGoogle",
                              "rdbServiceTimeAuto", "rdbStateAuto", "rdbTWAuto"}));
        QCOMPARE(QStringList({line_edit(window, "lnEmail")->text(),
                              line_edit(window, "lnGoogleAPIKey")->text(),
                              line_edit(window, "lnTWAuto")->text()}),
                 QStringList({"your.email@example.com", "k'ey", "480"}));
        QCOMPARE(line_edit(window, "lnGoogleAPIKey")->echoMode(), QLineEdit::Password);

        window.show();
        for (const char* s_name : {"rdbPortuguese", "rdbLatLongOSRM", "rdbAutomaticClientSaveYes",
                                   "rdbStateManual", "rdbTWManual"}) {
            radio(window, s_name)->setChecked(true);
        }
        for (const auto& [s_edit, s_text] : std::map<QString, QString>{
                 {"lnEmail", "o'brien@example.org"}, {"lnCityAuto", "S\xc3\xa3o Paulo"},
                 {"lnServiceTimeAuto", "15"}}) {
            line_edit(window, s_edit)->setText(s_text);
        }
        QVERIFY(window.close() && window.isHidden());
        QVERIFY(folder->boxes.titled().isEmpty());
        std::map<std::string, std::string> v_all;
        for (const auto& row : folder->database->select_all_settings())
            v_all[row.at(0)] = row.at(1);
        std::string s_all;
        for (const auto& [s_key, s_value] : v_all) s_all += s_key + '=' + s_value + ';';
        QCOMPARE(QString::fromStdString(s_all),
                 QString("auto_city=0;auto_city_value=São Paulo;auto_country=1;"
                         "auto_country_value=Brasil;auto_demand=1;auto_demand_value=1;"
                         "auto_service_time=1;auto_service_time_value=15;auto_state=0;"
                         "auto_state_value=Parana;auto_tw=0;auto_tw_value=480;"
                         "automatic_client_save=1;distance_matrix_api=google;"
                         "email=o'brien@example.org;google_api_key=k'ey;language=POR;"
                         "lat_long_api=osrm_exact;lat_long_database_search=1;"
                         "map_display=google_payed;open_routes=1;opt_time=10;"
                         "solution_method=normal;"));
    }

    // A default that is no whole number, or a negative one, refuses the close and keeps every
    // default value as stored; the choices are stored all the same.
    void a_bad_default_number_refuses_the_close_data()
    {
        QTest::addColumn<QStringList>("v_case");  // service time, demand, time window, message
        QTest::newRow("empty service")
            << QStringList{"", "1", "600", "Service time must be an integer number"};
        QTest::newRow("negative service, signed demand")
            << QStringList{"-1", "+7", "600", "Negative service time"};
        QTest::newRow("negative demand, top window")
            << QStringList{"0", "-3", "2147483647", "Negative demand value"};
        QTest::newRow("window too big")
            << QStringList{"0", "1", "2147483648", "Time window must be an integer number"};
        QTest::newRow("negative window")
            << QStringList{"0", "1", "-600", "Negative time window value"};
    }
    void a_bad_default_number_refuses_the_close()
    {
        QFETCH(QStringList, v_case);
        const auto values = [this] {
            return folder->stored("auto_city_value") + folder->stored("auto_service_time_value") +
                   folder->stored("auto_demand_value") + folder->stored("auto_tw_value");
        };
        const std::string s_before = values();
        SettingWindow window(folder->database.get());
        window.show();
        line_edit(window, "lnCityAuto")->setText("Londrina");
        line_edit(window, "lnServiceTimeAuto")->setText(v_case[0]);
        line_edit(window, "lnDemandAuto")->setText(v_case[1]);
        line_edit(window, "lnTWAuto")->setText(v_case[2]);
        line_edit(window, "lnGoogleAPIKey")->setText("new key");
        radio(window, "rdbTWManual")->setChecked(true);
        QVERIFY(!window.close() && window.isVisible());
        QCOMPARE(folder->boxes.titled(), QStringList{"Invalid data | " + v_case[3]});
        QCOMPARE(line_edit(window, "lnServiceTimeAuto")->text(), v_case[0]);
        QCOMPARE(values(), s_before);
        QCOMPARE(folder->stored("google_api_key") + folder->stored("auto_tw"),
                 std::string("new key0"));
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

    // While another program holds the file's write lock, the close waits for it once (not once
    // a setting), names every setting not stored and closes; the next close stores them.
    void a_held_write_lock_is_waited_for_once()
    {
        folder->database->set_busy_timeout(50);
        SettingWindow window(folder->database.get());
        window.show();
        line_edit(window, "lnEmail")->setText("planner@example.org");
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(folder->path("tovalo.db").c_str(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        const int n_waits = folder->database->lock_waits();
        QVERIFY(window.close() && window.isHidden());
        QCOMPARE(folder->database->lock_waits() - n_waits, 1);
        QCOMPARE(folder->boxes.titled(),
                 QStringList("Database info | These settings could not be stored in the database: "
                             "language, email, lat_long_api, map_display, distance_matrix_api, "
                             "google_api_key, lat_long_database_search, automatic_client_save, "
                             "auto_city, auto_state, auto_country, auto_service_time, auto_demand, "
                             "auto_tw, auto_city_value, auto_country_value, auto_state_value, "
                             "auto_service_time_value, auto_demand_value, auto_tw_value"));
        QCOMPARE(sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
        QCOMPARE(folder->stored("email"), std::string("your.email@example.com"));
        window.show();
        QVERIFY(window.close());
        QCOMPARE(folder->stored("email"), std::string("planner@example.org"));
        QCOMPARE(folder->boxes.v_boxes.size(), size_t(1));
    }

    // A help button shows the page of the stored language: the Portuguese page for "POR", the
    // English one for any other language.
    void help_pages_follow_the_stored_language()
    {
        struct Restore {
            QString s_path;
            ~Restore() { QDir::setCurrent(s_path); }
        } restore{QDir::currentPath()};
        const QString s_folder = folder->folder.path();
        QVERIFY(QDir(s_folder).mkdir("help") && QDir::setCurrent(s_folder));
        for (const QString s_page : {"distance_matrix_br", "distance_matrix_en"}) {
            QFile page("help/" + s_page + ".html");
            QVERIFY(page.open(QIODevice::WriteOnly) && page.write(s_page.toUtf8()) > 0);
        }
        SettingWindow window(folder->database.get());
        QStringList v_shown;
        for (const char* s_language : {"POR", "ENG", "GER"}) {
            QVERIFY(!folder->database->update_setting("language", s_language));
            child<QPushButton>(&window, "btn_helpDistanceMatrixFetching")->click();
            v_shown << child<QTextBrowser>(&window, "textBrowser")->toPlainText();
        }
        QCOMPARE(v_shown,
                 QStringList({"distance_matrix_br", "distance_matrix_en", "distance_matrix_en"}));
    }

private:
    std::unique_ptr<SettingsFolder> folder;
};

QTEST_MAIN(TestSettingWindow)
#include "test_setting_window.moc"
