#pragma once
// Edits a grid cell with a time-of-day editor and stores a QTime.

#include <QStyledItemDelegate>

class TimeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TimeDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;
};
