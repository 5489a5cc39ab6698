#include "input_grid.h"

InputGrid::InputGrid(QWidget* parent) : QTableView(parent) {}
