#pragma once
// Edits a grid cell with a date-time editor and stores a QDateTime.

#include "cell_delegate.h"

class DateDelegate : public CellDelegate {
    Q_OBJECT
public:
    explicit DateDelegate(QObject* parent = nullptr);

protected:
    QAbstractSpinBox* new_editor(QWidget* parent) const override;
    void show_value(QAbstractSpinBox* editor, const QVariant& value) const override;
    QVariant edited_value(QAbstractSpinBox* editor) const override;
};
