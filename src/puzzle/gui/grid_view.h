#pragma once
// The grid surface Picture2: a kept drawing of the grid that reports the mouse moving over it,
// released keys and typed characters (positions in twips), and carries the cursor marker Shape1.
// To assistive tools it is a table of the puzzle's cells whose current cell is the one under the
// marker.
#include <optional>
#include <string>

#include "puzzle/cursor.h"
#include "puzzle/puzzle.h"
#include "toolkit/gui/accessible_table.h"
#include "toolkit/gui/picture_box.h"

namespace sl {

class GridView : public PictureBox, public AccessibleTableSource {
  Q_OBJECT

 public:
  explicit GridView(QWidget* parent = nullptr);

  // The 90 by 90 twip cursor marker; hidden until a cell is selected.
  QWidget& Marker() { return *marker_; }
  void MoveMarker(int xTwips, int yTwips);
  void ShowMarker(bool visible);

  // The puzzle and geometry the drawing shows, read when assistive tools ask about cells. Both
  // must outlive the view.
  void ShowsPuzzle(const Puzzle& puzzle, const GridGeometry& geometry);
  // The puzzle was replaced: assistive tools read the table again.
  void PuzzleReplaced();
  // The drawing shows the solution instead of the entries (Show solution held): cells read
  // the solution's letters meanwhile.
  void SolutionShown(bool shown);
  // The selected cell (1-based), the one under the visible marker.
  std::optional<Cell> SelectedCell() const { return selected_; }

  // AccessibleTableSource
  QAccessible::Role TableRole() const override { return QAccessible::Table; }
  QAccessible::Role CellRole() const override { return QAccessible::Cell; }
  int TableRows() const override;
  int TableColumns() const override { return TableRows(); }
  QString CellName(int row, int column) const override;
  QString CellDescription(int row, int column) const override;
  QRect CellRect(int row, int column) const override;
  bool CurrentCell(int& row, int& column) const override;
  bool SelectRow(int row) override;

 Q_SIGNALS:
  // button: the held buttons (1 left, 2 right, 4 middle, added); shift: 1 Shift, 2 Ctrl, 4 Alt.
  void MouseMoved(int button, int shift, int xTwips, int yTwips);
  // A released key (a Qt key code); every key is consumed.
  void KeyReleased(int key, int shift);
  // A typed character (the text the key produced); every character is consumed.
  void CharTyped(const QString& text);
  // The marker moved to another cell (1-based), or was hidden (row -1).
  void SelectedCellChanged(int row, int col);
  // An assistive tool asks for this cell (1-based) to be selected.
  void CellRequested(int row, int col);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Follows the marker: a new selected cell is announced.
  void FollowMarker();
  // Announces the selected cell's letter when a key changed it.
  void AnnounceChangedEntry();
  const std::string* SelectedEntry() const;

  QWidget* marker_;
  const Puzzle* puzzle_ = nullptr;
  const GridGeometry* geometry_ = nullptr;
  std::optional<Cell> selected_;
  bool solutionShown_ = false;
  std::string announcedEntry_;  // the selected cell's entry as last announced
};

}  // namespace sl
