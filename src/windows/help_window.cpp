#include "help_window.h"

#include "ui_helpwindow.h"

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent), ui(new Ui::HelpWindow)
{
    ui->setupUi(this);
}

HelpWindow::~HelpWindow()
{
    delete ui;
}

void HelpWindow::set_help_html(const std::string& s_html)
{
    // Clearing first drops the previous page's scroll position along with its content.
    ui->textBrowser->clear();
    ui->textBrowser->setHtml(QString::fromUtf8(s_html.c_str()));
}
