#pragma once
// What the start-up takes from the resource bundle and the language setting.

#include <QString>

#include <string>

class Database;
class QWidget;

// Writes the eight colours of the theme over their "$name" placeholders.
QString fill_colour_placeholders(QString s_style_sheet);
// The application style sheet with its colours; empty when the resource is missing.
QString application_style_sheet();
// The catalogue for the language setting ("GER", "POR"); empty for every other value.
QString translation_catalogue(const std::string& s_language);
// A database file that open_database() found unusable (damaged, truncated, not a database,
// or not writable) is named with the reason in a box; the file is left as it is, and each
// later write that fails still shows its own box.
void report_unusable_database(const Database& database, QWidget* parent);
