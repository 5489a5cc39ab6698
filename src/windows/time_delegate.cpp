#include "time_delegate.h"

#include <QTimeEdit>

TimeDelegate::TimeDelegate(QObject* parent) : CellDelegate(parent) {}

QAbstractSpinBox* TimeDelegate::new_editor(QWidget* parent) const
{
    auto* editor = new QTimeEdit(parent);
    editor->setTime(QTime::currentTime());
    return editor;
}

// An empty or non-time cell gives an invalid time, which the editor ignores.
void TimeDelegate::show_value(QAbstractSpinBox* editor, const QVariant& value) const
{
    static_cast<QTimeEdit*>(editor)->setTime(value.toTime());
}

QVariant TimeDelegate::edited_value(QAbstractSpinBox* editor) const
{
    return static_cast<QTimeEdit*>(editor)->time();
}
