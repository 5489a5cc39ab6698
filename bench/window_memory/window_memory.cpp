// Resident memory of the main window while it takes one solved instance after another:
// a 250-client document with both matrices, shown as an optimisation result and loaded as
// a stored instance, each many times. The window keeps one current document, so memory
// after the last of them should stay within a few MB of memory after the first.
//
//   window_memory [--clients N] [--repeats R]
#include "database.h"
#include "json_document.h"
#include "mainwindow.h"
#include "message_box.h"
#include "random_document.h"
#include "solver_entry.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace {

double resident_mb()
{
    std::ifstream statm("/proc/self/statm");
    long pages_total = 0;
    long pages_resident = 0;
    statm >> pages_total >> pages_resident;
    return static_cast<double>(pages_resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) /
           (1024.0 * 1024.0);
}

int option(int argc, char** argv, const char* name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0) {
            return std::atoi(argv[i + 1]);
        }
    }
    return fallback;
}

// What the event loop does between two results in the program: deferred deletions and
// the chart's animations.
void settle(QApplication& application)
{
    application.processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int clients = option(argc, argv, "--clients", 250);
    const int repeats = option(argc, argv, "--repeats", 60);

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    Database database("tovalo.db");
    database.open_database();
    message_box::set_handler([](const QString&, const QString&, bool) { return false; });

    RandomDocumentShape shape;
    shape.clients = clients;
    // The savings construction: a whole solution at once, which is all the window needs.
    const std::string s_solved =
        json_to_string(run_vrp_method(make_random_document(shape), 0, nullptr));

    MainWindow window(&database);
    const double before = resident_mb();
    window.get_end_optimize(s_solved);
    settle(application);
    const double one_result = resident_mb();
    for (int i = 1; i < repeats; ++i) {
        window.get_end_optimize(s_solved);
        settle(application);
    }
    const double many_results = resident_mb();
    for (int i = 0; i < repeats; ++i) {
        window.update_json_from_database(s_solved);
        settle(application);
    }
    const double many_loads = resident_mb();

    std::printf("clients %d, instance text %.1f MB, repeats %d\n", clients,
                static_cast<double>(s_solved.size()) / (1024.0 * 1024.0), repeats);
    std::printf("stage;resident_mb\n");
    std::printf("window_built;%.1f\n", before);
    std::printf("one_result;%.1f\n", one_result);
    std::printf("%d_results;%.1f\n", repeats, many_results);
    std::printf("then_%d_loads;%.1f\n", repeats, many_loads);
    message_box::set_handler(nullptr);
    return 0;
}
