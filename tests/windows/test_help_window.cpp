// Help pages: the dialog that shows them and the file each topic and language opens.

#include "test_environment.h"
#include "help_pages.h"
#include "help_window.h"
#include "setting_window.h"
#include "window_test_support.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include <memory>

namespace {
QTextBrowser* browser(QWidget& help_window)
{
    return help_window.findChild<QTextBrowser*>("textBrowser");
}

void write_file(const QString& s_path, const QByteArray& content)
{
    QFile file(s_path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

const char* const pages[] = {"distance_matrix", "lat_long_search", "map_display", "contato"};
}  // namespace

class TestHelpWindow : public QObject {
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

    void the_dialog_shows_one_page_at_a_time()
    {
        HelpWindow window;
        QVERIFY(browser(window)->openExternalLinks());
        QVERIFY(browser(window)->isReadOnly());

        window.set_help_html("<p>Ajuda em portugu\xc3\xaas: configura\xc3\xa7\xc3\xb5\x65s</p>");
        QCOMPARE(browser(window)->toPlainText(), QString::fromUtf8("Ajuda em português: configurações"));
        QVERIFY(window.isHidden());

        const char with_nul[] = "<p>kept</p>\0<p>dropped</p>";
        window.set_help_html(std::string(with_nul, sizeof with_nul - 1));
        QCOMPARE(browser(window)->toPlainText(), QString("kept"));
        window.set_help_html("");
        QCOMPARE(browser(window)->toPlainText(), QString());
    }

    void each_topic_has_its_file_data()
    {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("file");
        QTest::newRow("distance POR") << "distance_matrix" << "POR" << "distance_matrix_br.html";
        QTest::newRow("lat/long GER") << "lat_long" << "GER" << "lat_long_search_en.html";
        QTest::newRow("map other") << "map_display" << "por" << "map_display_en.html";
        QTest::newRow("map empty") << "map_display" << "" << "map_display_en.html";
        QTest::newRow("contact POR") << "contact" << "POR" << "contato_br.html";
        QTest::newRow("unknown topic") << "lat_long_search" << "POR" << "";
    }

    void each_topic_has_its_file()
    {
        QFETCH(QString, topic);
        QFETCH(QString, language);
        QFETCH(QString, file);
        const QString s_expected = file.isEmpty() ? QString() : QDir::current().absoluteFilePath("help/" + file);
        QCOMPARE(help_page_path(topic.toStdString(), language.toStdString()), s_expected);
    }

    void the_help_buttons_open_the_page_of_the_stored_language_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("Portuguese") << "POR" << "br";
        QTest::newRow("English") << "ENG" << "en";
        QTest::newRow("German") << "GER" << "en";
    }

    void the_help_buttons_open_the_page_of_the_stored_language()
    {
        QFETCH(QString, language);
        QFETCH(QString, suffix);
        QVERIFY(QDir().mkdir("help"));
        for (const char* s_page : pages) {
            for (const char* s_suffix : {"br", "en"}) {
                const QString s_name = QString("%1_%2").arg(s_page, s_suffix);
                write_file("help/" + s_name + ".html", "<p>" + s_name.toUtf8() + "</p>");
            }
        }
        QVERIFY(!folder->database->update_setting("language", language.toStdString()));
        SettingWindow window(folder->database.get());
        // A language picked but not stored yet does not count.
        window.findChild<QRadioButton*>(language == "POR" ? "rdbEnglish" : "rdbPortuguese")->click();

        const struct {
            const char* s_button;
            const char* s_page;
        } v_buttons[] = {{"btn_helpLatLongFetching", "lat_long_search"},
                         {"btn_helpDistanceMatrixFetching", "distance_matrix"},
                         {"btn_helpMapDisplay", "map_display"}};
        for (const auto& button : v_buttons) {
            window.findChild<QPushButton*>(button.s_button)->click();
            const auto v_help = window.findChildren<HelpWindow*>();
            QCOMPARE(v_help.size(), 1);
            QVERIFY(v_help.front()->isVisible());
            QCOMPARE(browser(*v_help.front())->toPlainText(),
                     QString("%1_%2").arg(button.s_page, suffix));
        }
    }

    void a_missing_help_folder_gives_an_empty_page()
    {
        SettingWindow window(folder->database.get());
        window.findChild<QPushButton*>("btn_helpMapDisplay")->click();
        auto* help_window = window.findChild<HelpWindow*>();
        QVERIFY(help_window != nullptr);
        QVERIFY(help_window->isVisible());
        QCOMPARE(browser(*help_window)->toPlainText(), QString());
        QVERIFY(folder->boxes.titled().isEmpty());
    }

    void the_shipped_pages_cover_every_topic_in_both_languages()
    {
        const QDir help_folder(QString::fromStdString(test_data_dir()) + "/../../help");
        for (const char* s_page : pages) {
            for (const char* s_suffix : {"_br.html", "_en.html"}) {
                QFile file(help_folder.filePath(QString(s_page) + s_suffix));
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
                const QByteArray content = file.readAll();
                QVERIFY(content.contains("<h2>"));
                QCOMPARE(QString::fromUtf8(content).toUtf8(), content);
            }
        }
    }

private:
    QString s_previous_folder;
    std::unique_ptr<SettingsFolder> folder;
};

QTEST_MAIN(TestHelpWindow)
#include "test_help_window.moc"
