#pragma once
// The right-click menu of a filter box: the usual edit commands, then the
// criterion tips; a tip puts its sign into the box at the caret.
class QLineEdit;
class QMenu;

namespace pc::records {

// The caller owns the menu.
QMenu* filterBoxMenu(QLineEdit* box);

}  // namespace pc::records
