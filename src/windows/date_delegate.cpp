#include "date_delegate.h"

#include <QDateTimeEdit>

DateDelegate::DateDelegate(QObject* parent) : CellDelegate(parent) {}

QAbstractSpinBox* DateDelegate::new_editor(QWidget* parent) const
{
    auto* editor = new QDateTimeEdit(parent);
    editor->setDateTime(QDateTime::currentDateTime());
    return editor;
}

// An empty or non-date cell gives an invalid date-time, which the editor ignores.
void DateDelegate::show_value(QAbstractSpinBox* editor, const QVariant& value) const
{
    static_cast<QDateTimeEdit*>(editor)->setDateTime(value.toDateTime());
}

QVariant DateDelegate::edited_value(QAbstractSpinBox* editor) const
{
    return static_cast<QDateTimeEdit*>(editor)->dateTime();
}
