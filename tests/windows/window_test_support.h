#pragma once
// What the window tests share: a real database file in a fresh folder and box answerers.

#include "box_recorder.h"
#include "database.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

using Rows = std::vector<std::vector<std::string>>;

struct TestDatabase {
    TestDatabase() : database(std::make_unique<Database>(path("tovalo.db")))
    {
        QVERIFY(folder.isValid());
        QVERIFY(!database->open_database());
    }

    // Another connection changes the file behind the database's back.
    void run_sql(const std::string& s_sql) const
    {
        sqlite3* connection = nullptr;
        QCOMPARE(sqlite3_open(path("tovalo.db").c_str(), &connection), SQLITE_OK);
        QCOMPARE(sqlite3_exec(connection, s_sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(connection);
    }

    // The stored value of a setting, or "<no row>".
    std::string stored(const std::string& s_key) const
    {
        const auto vv_rows = database->select_setting(s_key);
        return vv_rows.empty() ? "<no row>" : vv_rows.front().at(1);
    }

    std::string path(const QString& s_name) const
    {
        return QDir(folder.path()).filePath(s_name).toStdString();
    }

    QTemporaryDir folder;
    std::unique_ptr<Database> database;
};

// Answers the real boxes when no handler is installed: every 10 ms it looks for a shown box,
// records how it shows its text and presses No (or OK).
class RealBoxAnswerer {
public:
    struct Seen {
        QString s_text;
        Qt::TextFormat format;
        QMessageBox::StandardButtons buttons;
    };

    RealBoxAnswerer()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] { answer_shown_boxes(); });
        timer.start(10);
    }

    std::vector<Seen> seen;

private:
    void answer_shown_boxes()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible()) continue;
            seen.push_back({box->text(), box->textFormat(), box->standardButtons()});
            QAbstractButton* no = box->button(QMessageBox::No);
            (no ? no : box->button(QMessageBox::Ok))->click();
        }
    }

    QTimer timer;
};

// A database with every box recorded, for the settings and help tests.
struct SettingsFolder : TestDatabase {
    BoxRecorder boxes;
};

template <typename T>
T* child(QObject* parent, const char* s_name)
{
    T* widget = parent->findChild<T*>(s_name);
    if (!widget) qFatal("no child %s", s_name);
    return widget;
}
