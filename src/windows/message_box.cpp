#include "message_box.h"

namespace message_box {
namespace {
Handler& installed_handler()
{
    static Handler handler;
    return handler;
}
}  // namespace

void information(QWidget* parent, const QString& s_title, const QString& s_text)
{
    if (installed_handler()) {
        installed_handler()(s_title, s_text, false);
        return;
    }
    QMessageBox::information(parent, s_title, s_text, QMessageBox::Ok);
}

void information_to_copy(QWidget* parent, const QString& s_title, const QString& s_text)
{
    if (installed_handler()) {
        installed_handler()(s_title, s_text, false);
        return;
    }
    QMessageBox box(QMessageBox::Information, s_title, s_text, QMessageBox::Ok, parent);
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool question(QWidget* parent, const QString& s_title, const QString& s_text)
{
    if (installed_handler()) {
        return installed_handler()(s_title, s_text, true);
    }
    return QMessageBox::question(parent, s_title, s_text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void set_handler(Handler handler)
{
    installed_handler() = std::move(handler);
}

}  // namespace message_box
