#pragma once
// Helpers the grid delegates share: where an editor goes and how a cell reads as a whole number.

#include <QVariant>

class QStyleOptionViewItem;
class QWidget;

// Lays the editor exactly over the edited cell (the view calls this again after scrolling or resizing).
void fit_editor_to_cell(QWidget* editor, const QStyleOptionViewItem& option);

// A cell value as a whole number: an integer as such, a decimal text with its fraction dropped
// (so "12.5" opens at 12 instead of losing the value), anything else 0.
int cell_whole_number(const QVariant& value);
