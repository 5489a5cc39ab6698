#include "time_delegate.h"

#include "cell_editor.h"

#include <QTimeEdit>

TimeDelegate::TimeDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* TimeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex&) const
{
    auto* editor = new QTimeEdit(parent);
    editor->setTime(QTime::currentTime());
    return editor;
}

void TimeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    // An empty or non-time cell gives an invalid time, which the editor ignores.
    if (auto* edit = qobject_cast<QTimeEdit*>(editor)) {
        edit->setTime(index.data(Qt::EditRole).toTime());
    }
}

void TimeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    if (auto* edit = qobject_cast<QTimeEdit*>(editor)) {
        edit->interpretText();
        model->setData(index, edit->time(), Qt::EditRole);
    }
}

void TimeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const
{
    fit_editor_to_cell(editor, option);
}
