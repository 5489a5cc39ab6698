#include "message_box.h"

namespace message_box {
namespace {
Handler& installed_handler()
{
    static Handler handler;
    return handler;
}

// Shows the box modally and gives the button pressed; the handler answers instead when
// one is installed.
QMessageBox::StandardButton show_box(QWidget* parent, QMessageBox::Icon icon,
                                     const QString& s_title, const QString& s_text,
                                     Qt::TextFormat format,
                                     Qt::TextInteractionFlags interaction = Qt::NoTextInteraction)
{
    const bool is_question = icon == QMessageBox::Question;
    if (installed_handler()) {
        const bool yes = installed_handler()(s_title, s_text, is_question);
        return is_question && yes ? QMessageBox::Yes : QMessageBox::No;
    }
    QMessageBox box(icon, s_title, QString(),
                    is_question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    box.setTextFormat(format);  // before the text, which is then never taken for markup
    box.setText(s_text);
    if (interaction != Qt::NoTextInteraction) {
        box.setTextInteractionFlags(interaction);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void information(QWidget* parent, const QString& s_title, const QString& s_text)
{
    show_box(parent, QMessageBox::Information, s_title, s_text, Qt::PlainText);
}

void information_to_copy(QWidget* parent, const QString& s_title, const QString& s_text)
{
    show_box(parent, QMessageBox::Information, s_title, s_text, Qt::PlainText,
             Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void rich_information(QWidget* parent, const QString& s_title, const QString& s_rich_text)
{
    show_box(parent, QMessageBox::Information, s_title, s_rich_text, Qt::RichText);
}

bool question(QWidget* parent, const QString& s_title, const QString& s_text)
{
    return show_box(parent, QMessageBox::Question, s_title, s_text, Qt::PlainText) ==
           QMessageBox::Yes;
}

void set_handler(Handler handler)
{
    installed_handler() = std::move(handler);
}

}  // namespace message_box
