#include "cell_editor.h"

#include <QStyleOptionViewItem>
#include <QWidget>

#include <cmath>
#include <limits>

void fit_editor_to_cell(QWidget* editor, const QStyleOptionViewItem& option)
{
    editor->setGeometry(option.rect);
}

int cell_whole_number(const QVariant& value)
{
    bool ok = false;
    const int whole = value.toInt(&ok);
    if (ok) {
        return whole;
    }
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number) || std::fabs(number) >= std::numeric_limits<int>::max()) {
        return 0;
    }
    return static_cast<int>(number);
}
