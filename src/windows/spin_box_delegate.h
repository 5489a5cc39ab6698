#pragma once
// Edits a grid cell with a frameless whole-number spin box (0 to 50000) and stores an int.

#include "cell_delegate.h"

class SpinBoxDelegate : public CellDelegate {
    Q_OBJECT
public:
    explicit SpinBoxDelegate(QObject* parent = nullptr);

protected:
    QAbstractSpinBox* new_editor(QWidget* parent) const override;
    void show_value(QAbstractSpinBox* editor, const QVariant& value) const override;
    QVariant edited_value(QAbstractSpinBox* editor) const override;
};
