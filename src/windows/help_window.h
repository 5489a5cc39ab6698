#pragma once
// A small modeless dialog that shows one HTML help page; links open in the web browser.

#include <QDialog>

#include <string>

namespace Ui {
class HelpWindow;
}

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;
    HelpWindow(const HelpWindow&) = delete;
    HelpWindow& operator=(const HelpWindow&) = delete;

    // Replaces the page by this UTF-8 HTML text (up to its first NUL); the caller shows the dialog.
    void set_help_html(const std::string& s_html);

private:
    Ui::HelpWindow* ui;
};
