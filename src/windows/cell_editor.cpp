#include "cell_editor.h"

#include <QStyleOptionViewItem>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>

void fit_editor_to_cell(QWidget* editor, const QStyleOptionViewItem& option)
{
    editor->setGeometry(option.rect);
}

int cell_whole_number(const QVariant& value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || std::isnan(number)) {
        return 0;
    }
    // Beyond the int range the editor's own limits take over.
    const double clamped = std::max(std::min(number, double{std::numeric_limits<int>::max()}),
                                    double{std::numeric_limits<int>::min()});
    return static_cast<int>(clamped);
}
