#pragma once
// What the start-up takes from the resource bundle and the language setting.

#include <QString>

#include <string>

// Writes the eight colours of the theme over their "$name" placeholders.
QString fill_colour_placeholders(QString s_style_sheet);
// The application style sheet with its colours; empty when the resource is missing.
QString application_style_sheet();
// The catalogue for the language setting ("GER", "POR"); empty for every other value.
QString translation_catalogue(const std::string& s_language);
