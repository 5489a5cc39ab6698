#include "spin_box_delegate.h"

#include <QSpinBox>

SpinBoxDelegate::SpinBoxDelegate(QObject* parent) : CellDelegate(parent) {}

QAbstractSpinBox* SpinBoxDelegate::new_editor(QWidget* parent) const
{
    auto* editor = new QSpinBox(parent);
    editor->setFrame(false);
    editor->setRange(0, 50000);
    editor->setValue(0);
    return editor;
}

void SpinBoxDelegate::show_value(QAbstractSpinBox* editor, const QVariant& value) const
{
    static_cast<QSpinBox*>(editor)->setValue(cell_whole_number(value));
}

QVariant SpinBoxDelegate::edited_value(QAbstractSpinBox* editor) const
{
    return static_cast<QSpinBox*>(editor)->value();
}
