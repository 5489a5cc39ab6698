#pragma once
// The boxes that tell the planner a file of the main window was not read or written.

#include <QString>

class QWidget;

void report_unwritten_file(QWidget* parent, const QString& s_path);
void report_unreadable_file(QWidget* parent, const QString& s_path);
