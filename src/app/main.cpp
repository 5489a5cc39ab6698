// The program: one theme, one database, the chosen language, the main window.
#include "database.h"
#include "mainwindow.h"
#include "start_up.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString s_style_sheet = application_style_sheet();
    application.setStyleSheet(s_style_sheet);
    QTranslator translator;

    // Lives until the process ends: every window and job holds its pointer.
    auto* database = new Database();
    database->open_database();

    const QString s_catalogue = translation_catalogue(database->setting_value("language"));
    if (!s_catalogue.isEmpty()) {
        translator.load(s_catalogue);
        application.installTranslator(&translator);
    }

    MainWindow window(database);
    window.show();
    // Named once, in the planner's language, before anything is typed that would not be kept.
    report_unusable_database(*database, &window);
    return application.exec();
}
