#pragma once
// The clue panel: picouter clips the taller kept drawing picinner, which holds the numbered
// clue list and is dragged up and down with the left mouse button or scrolled with the wheel.
#include <QWidget>
#include <string>

#include "common/surface.h"
#include "puzzle/puzzle.h"

namespace sl {

class PictureBox;

// The top edge (twips) the inner surface gets when a drag asks for newTop. Pulling it below the
// panel's top does nothing, and once its end is visible it cannot be pushed further up.
int DraggedTop(int currentTop, int newTop, int innerHeight, int outerHeight);

// The top edge after the wheel turned by `lines` lines of `lineHeight` twips (positive: towards
// the start of the list). The list stops with its top at the panel's top and its end at the
// panel's bottom; a list shorter than the panel does not move.
int ScrolledTop(int currentTop, int lines, int lineHeight, int innerHeight, int outerHeight);

class CluePanel : public QWidget {
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

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void SetInnerHeightTwips(int twips);
  void StartDrag(const QPointF& atOuter);
  void Drag(const QPointF& atOuter);
  void Scroll(int lines);

  PictureBox* inner_;
  int grabX_ = 0;  // where the inner surface was taken, relative to its top-left corner (twips)
  int grabY_ = 0;
};

}  // namespace sl
