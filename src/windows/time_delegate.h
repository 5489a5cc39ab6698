#pragma once
// Edits a grid cell with a time-of-day editor and stores a QTime.

#include "cell_delegate.h"

class TimeDelegate : public CellDelegate {
    Q_OBJECT
public:
    explicit TimeDelegate(QObject* parent = nullptr);

protected:
    QAbstractSpinBox* new_editor(QWidget* parent) const override;
    void show_value(QAbstractSpinBox* editor, const QVariant& value) const override;
    QVariant edited_value(QAbstractSpinBox* editor) const override;
};
