#pragma once
// A table view type for input grids; it adds nothing to QTableView.

#include <QTableView>

class InputGrid : public QTableView {
public:
    explicit InputGrid(QWidget* parent = nullptr);
};
