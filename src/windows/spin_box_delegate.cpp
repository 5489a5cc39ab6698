#include "spin_box_delegate.h"

#include "cell_editor.h"

#include <QSpinBox>

namespace {
constexpr int largest_cell_number = 50000;
}

SpinBoxDelegate::SpinBoxDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* SpinBoxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex&) const
{
    auto* editor = new QSpinBox(parent);
    editor->setFrame(false);
    editor->setMinimum(0);
    editor->setMaximum(largest_cell_number);
    editor->setValue(0);
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* spin_box = qobject_cast<QSpinBox*>(editor)) {
        spin_box->setValue(cell_whole_number(index.data(Qt::EditRole)));
    }
}

void SpinBoxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const
{
    if (auto* spin_box = qobject_cast<QSpinBox*>(editor)) {
        spin_box->interpretText();
        model->setData(index, spin_box->value(), Qt::EditRole);
    }
}

void SpinBoxDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const
{
    fit_editor_to_cell(editor, option);
}
