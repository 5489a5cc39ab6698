#pragma once
// The files that the main window writes at the planner's choice, and the boxes that
// tell the planner a file was not read or written.

#include <QString>

#include <functional>
#include <string>

class QWidget;

void report_unwritten_file(QWidget* parent, const QString& s_path);
void report_unreadable_file(QWidget* parent, const QString& s_path);

// Writes through `write` to the chosen path, its file name normalised to the extension,
// and reports a failed write; an empty choice (a cancelled dialog) writes nothing.
void write_chosen_file(QWidget* parent, const QString& s_chosen, const std::string& s_extension,
                       const std::function<bool(const std::string& s_path)>& write);
