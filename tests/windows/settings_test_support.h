#pragma once
// A real settings database in a fresh folder, a second connection to change the file behind the
// window's back, and a recorder that answers every message box.

#include "database.h"
#include "message_box.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

#include <memory>
#include <string>

class SettingsFolder {
public:
    SettingsFolder()
    {
        database = std::make_unique<Database>(file_path().toStdString());
        QVERIFY(!database->open_database());
        message_box::set_handler([this](const QString& s_title, const QString& s_text, bool) {
            v_messages << s_title + " | " + s_text;
            return true;
        });
    }
    ~SettingsFolder() { message_box::set_handler({}); }
    SettingsFolder(const SettingsFolder&) = delete;
    SettingsFolder& operator=(const SettingsFolder&) = delete;

    QString path() const { return folder.path(); }
    QString file_path() const { return folder.filePath("tovalo.db"); }

    // The stored value of a key, or "<no row>".
    std::string stored(const std::string& s_key) const
    {
        const auto vv_rows = database->select_setting(s_key);
        return vv_rows.empty() ? "<no row>" : vv_rows.front().at(1);
    }

    // Runs SQL on a connection of its own, as other software could.
    void run_sql(const char* s_sql) const
    {
        sqlite3* other = nullptr;
        QCOMPARE(sqlite3_open(file_path().toUtf8().constData(), &other), SQLITE_OK);
        QCOMPARE(sqlite3_exec(other, s_sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
    }

    QTemporaryDir folder;
    std::unique_ptr<Database> database;
    QStringList v_messages;
};
