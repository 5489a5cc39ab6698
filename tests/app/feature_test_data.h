#pragma once
// Test documents and golden texts of the main window's feature tests.

#include "json_document.h"

#include <QFile>
#include <QString>
#include <QtTest>

#include <string>

inline QString test_data_path(const QString& s_name)
{
    return qEnvironmentVariable("TOVALO_TEST_DATA") + "/app/" + s_name;
}

inline std::string read_bytes(const QString& s_path)
{
    QFile file(s_path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The small solved instance: routes depot-Ana-Bruno-depot and depot-Carla-depot, Davi unrouted.
inline std::string solved_instance_text()
{
    return read_bytes(test_data_path("solved_instance.json"));
}

// Compares with the golden file; TOVALO_UPDATE_GOLDEN=1 rewrites it instead.
inline void compare_golden(const std::string& s_actual, const QString& s_name)
{
    const QString s_path = test_data_path(s_name);
    if (qEnvironmentVariable("TOVALO_UPDATE_GOLDEN") == "1") {
        QFile file(s_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(s_actual.data(), static_cast<qint64>(s_actual.size()));
        return;
    }
    QCOMPARE(QString::fromStdString(s_actual), QString::fromStdString(read_bytes(s_path)));
}
