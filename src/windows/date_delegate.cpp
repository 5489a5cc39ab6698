#include "date_delegate.h"

#include "cell_editor.h"

#include <QDateTimeEdit>

DateDelegate::DateDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* DateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const
{
    auto* editor = new QDateTimeEdit(parent);
    editor->setDateTime(QDateTime::currentDateTime());
    return editor;
}

void DateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // An empty or non-date cell gives an invalid date-time, which the editor ignores.
    if (auto* edit = qobject_cast<QDateTimeEdit*>(editor)) {
        edit->setDateTime(index.data(Qt::EditRole).toDateTime());
    }
}

void DateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QDateTimeEdit*>(editor)) {
        edit->interpretText();
        model->setData(index, edit->dateTime(), Qt::EditRole);
    }
}

void DateDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const
{
    fit_editor_to_cell(editor, option);
}
