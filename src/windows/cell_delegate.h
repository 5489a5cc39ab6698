#pragma once
// What the grid delegates share: the editor is laid over its cell, filled from the cell's value and,
// once any typed text is taken over, written back to the model under the edit role. The delegates
// differ only in the editor they make and in how a value goes into it and comes out of it.

#include <QStyledItemDelegate>

class QAbstractSpinBox;

class CellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit CellDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

protected:
    virtual QAbstractSpinBox* new_editor(QWidget* parent) const = 0;
    virtual void show_value(QAbstractSpinBox* editor, const QVariant& value) const = 0;
    virtual QVariant edited_value(QAbstractSpinBox* editor) const = 0;
};

// A cell value as a whole number, its fraction dropped: a decimal text such as "12.5" opens at
// 12 instead of losing the value; a text that is no number gives 0.
int cell_whole_number(const QVariant& value);
