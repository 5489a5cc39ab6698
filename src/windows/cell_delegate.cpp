#include "cell_delegate.h"

#include <QAbstractSpinBox>

#include <algorithm>
#include <cmath>
#include <limits>

CellDelegate::CellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const
{
    return new_editor(parent);
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QAbstractSpinBox*>(editor)) {
        show_value(box, index.data(Qt::EditRole));
    }
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QAbstractSpinBox*>(editor)) {
        box->interpretText();
        model->setData(index, edited_value(box), Qt::EditRole);
    }
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const
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
