#pragma once
// A drawn widget that shows rows and columns of cells (the grid, the clue list) tells assistive
// tools about its cells through this interface: the widget implements it, and the accessible
// table made for it asks it for every cell's text, place and selection.
#include <QAccessible>
#include <QRect>
#include <QString>

class QWidget;

namespace sl {

class AccessibleTableSource {
 public:
  virtual ~AccessibleTableSource() = default;

  virtual QAccessible::Role TableRole() const = 0;  // Table or List
  virtual QAccessible::Role CellRole() const = 0;   // Cell or ListItem
  virtual int TableRows() const = 0;
  virtual int TableColumns() const = 0;
  // Rows and columns count from 0 here.
  virtual QString CellName(int row, int column) const = 0;
  virtual QString CellDescription(int row, int column) const = 0;
  // The cell's place in the widget, in pixels.
  virtual QRect CellRect(int row, int column) const = 0;
  // The current cell: the one that has the accessible focus while the widget has the keyboard.
  // False when there is none.
  virtual bool CurrentCell(int& row, int& column) const = 0;
  // An assistive tool asks for this row to be selected; false when it cannot be.
  virtual bool SelectRow(int row) = 0;
};

// The largest table a source may report; cells beyond it are not shown to assistive tools.
inline constexpr int kMaxAccessibleRows = 64;
inline constexpr int kMaxAccessibleColumns = 16;

// What a source widget calls to tell assistive tools about a change. Nothing is done while no
// assistive tool listens.
// The current cell moved: it gets the focus when the widget has the keyboard, and is selected.
void NotifyCurrentCell(QWidget& table, int row, int column);
// The cell's text changed.
void NotifyCellChanged(QWidget& table, int row, int column);
// The whole table changed (another puzzle, other clues).
void NotifyTableReset(QWidget& table);

// The accessible interface of a widget that implements AccessibleTableSource, or null for any
// other object. Used by the game's accessibility factory.
QAccessibleInterface* MakeAccessibleTable(QObject* object);

}  // namespace sl
