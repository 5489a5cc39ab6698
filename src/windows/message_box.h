#pragma once
// Every information box and Yes/No question of the windows goes through here, so
// that tests can answer them instead of a person (a modal box would block a test).
// A box shows its text literally: names, addresses, file names and service answers
// that look like markup must neither turn into markup nor hide the rest of the text.

#include <QMessageBox>
#include <QString>

#include <functional>

class QWidget;

namespace message_box {

// Shows an information box with the single button OK.
void information(QWidget* parent, const QString& s_title, const QString& s_text);
// The same with a text the planner can select and copy (a link to paste elsewhere).
void information_to_copy(QWidget* parent, const QString& s_title, const QString& s_text);
// The same for a fixed text of this program written as rich text (a list of steps);
// never for a text that carries the planner's data.
void rich_information(QWidget* parent, const QString& s_title, const QString& s_rich_text);
// Asks a Yes/No question; true when the answer is Yes.
bool question(QWidget* parent, const QString& s_title, const QString& s_text);

// A handler receives every box instead of the screen: the title, the text and whether
// it is a question; its result is the answer to a question (ignored for information).
using Handler = std::function<bool(const QString& s_title, const QString& s_text, bool is_question)>;
// Installs a handler (an empty one restores the real boxes).
void set_handler(Handler handler);

}  // namespace message_box
