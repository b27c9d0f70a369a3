#pragma once
// The clue panel: picouter clips the taller kept drawing picinner, which holds the numbered
// clue list and is dragged up and down with the left mouse button or scrolled with the wheel. To
// assistive tools it is a list of the clues; one of them is current (the clue of the selected cell's word, or the one
// picked in the list with the arrow keys or by an assistive tool).
#include <QStringList>
#include <QWidget>
#include <string>

#include "common/surface.h"
#include "puzzle/clue_list.h"
#include "puzzle/puzzle.h"
#include "toolkit/gui/accessible_table.h"

namespace sl {

class PictureBox;

// The top edge (twips) the inner surface gets when a drag asks for newTop. Pulling it below the
// panel's top does nothing, and once its end is visible it cannot be pushed further up.
int DraggedTop(int currentTop, int newTop, int innerHeight, int outerHeight);

// The top edge after the wheel turned by `lines` lines of `lineHeight` twips (positive: towards
// the start of the list). The list stops with its top at the panel's top and its end at the
// panel's bottom; a list shorter than the panel does not move.
int ScrolledTop(int currentTop, int lines, int lineHeight, int innerHeight, int outerHeight);

class CluePanel : public QWidget, public AccessibleTableSource {
  Q_OBJECT

 public:
  explicit CluePanel(QWidget* parent = nullptr);

  PictureBox& Inner() { return *inner_; }

  // Draws "--", the numbered wrapped clues and "--" into the inner surface from its top, then
  // makes it as tall as the list plus a margin.
  void DrawClues(const Puzzle& puzzle, const std::string& fontName, double fontPoints,
                 Colour text, Colour background);
  // Empties the drawing (the list of no puzzle).
  void Clear();

  // The clues as assistive tools read them ("3. money").
  QStringList Clues() const { return clues_; }
  // Clue k (1-based) becomes the current one; 0 or a number beyond the list: none.
  void SetCurrentClue(int k);
  int CurrentClue() const { return current_; }

  // AccessibleTableSource
  QAccessible::Role TableRole() const override { return QAccessible::List; }
  QAccessible::Role CellRole() const override { return QAccessible::ListItem; }
  int TableRows() const override { return static_cast<int>(clues_.size()); }
  int TableColumns() const override { return clues_.isEmpty() ? 0 : 1; }
  QString CellName(int row, int column) const override;
  QString CellDescription(int, int) const override { return {}; }
  QRect CellRect(int row, int column) const override;
  bool CurrentCell(int& row, int& column) const override;
  bool SelectRow(int row) override;

 Q_SIGNALS:
  // Enter in the list: the player wants to fill word k (1-based).
  void ClueChosen(int k);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void SetInnerHeightTwips(int twips);
  void StartDrag(const QPointF& atOuter);
  void Drag(const QPointF& atOuter);
  void Scroll(int lines);

  void SetClues(const QStringList& clues);
  // Moves the list so the current clue is in view, and frames it while the panel has the keys.
  void ShowCurrent();
  void PlaceFocusFrame();

  PictureBox* inner_;
  QWidget* focusFrame_;
  QStringList clues_;
  std::vector<ClueSpan> spans_;  // where each clue is drawn on the inner surface
  int current_ = 0;  // 1-based; 0 none
  int grabX_ = 0;  // where the inner surface was taken, relative to its top-left corner (twips)
  int grabY_ = 0;
};

}  // namespace sl
