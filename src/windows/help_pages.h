#pragma once
// Help pages are HTML files in the folder "help" of the working directory, one per topic and
// language: "<page>_br.html" when the language setting is "POR", "<page>_en.html" otherwise.

#include <QString>

#include <string>

class HelpWindow;
class QWidget;

// The file of a topic ("distance_matrix", "lat_long", "map_display", "contact") in a language;
// empty for an unknown topic.
QString help_page_path(const std::string& s_topic, const std::string& s_language);

// The whole file as bytes; empty when it is missing or cannot be read.
std::string read_help_page(const QString& s_path);

// Shows the topic's page in help_window, made first with the given parent when it is null;
// returns the window so that the caller keeps and reuses it.
HelpWindow* show_help_page(HelpWindow* help_window, QWidget* parent, const std::string& s_topic,
                           const std::string& s_language);
