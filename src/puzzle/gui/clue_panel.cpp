#include "puzzle/gui/clue_panel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

#include "toolkit/gui/screen_colours.h"
#include "toolkit/gui/picture_box.h"
#include "toolkit/gui/twip_geometry.h"
#include "output/render/qpainter_surface.h"
#include "puzzle/cell_speech.h"
#include "puzzle/clue_list.h"
#include "toolkit/gui/accessible_controls.h"
#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

constexpr int kDrawingHeight = 80000;  // tall enough for any list before it is measured
constexpr int kWheelLines = 3;         // lines a wheel notch scrolls, as in other lists
constexpr int kWheelNotch = 120;       // Qt's angle delta of one notch

// The dotted frame over the current clue (or the panel) while the panel has the keyboard focus.
class FocusFrame : public QWidget {
 public:
  explicit FocusFrame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    DrawFocusFrame(painter, rect());
  }
};

}  // namespace

int DraggedTop(int currentTop, int newTop, int innerHeight, int outerHeight) {
  const bool endVisible = currentTop + innerHeight < outerHeight;
  if (endVisible && newTop < currentTop) return currentTop;
  return newTop <= 0 ? newTop : currentTop;
}

int ScrolledTop(int currentTop, int lines, int lineHeight, int innerHeight, int outerHeight) {
  const int lowest = std::min(0, outerHeight - innerHeight);
  return std::clamp(currentTop + lines * lineHeight, lowest, 0);
}

CluePanel::CluePanel(QWidget* parent)
    : QWidget(parent), inner_(new PictureBox(this)), focusFrame_(new FocusFrame(this)) {
  InstallAccessibleControls();
  setFocusPolicy(Qt::TabFocus);  // a click drags the list; Tab reaches it for the arrow keys
  inner_->setObjectName(QStringLiteral("picinner"));
  inner_->installEventFilter(this);
  inner_->setCursor(Qt::OpenHandCursor);
  setAutoFillBackground(true);
}

void CluePanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  inner_->resize(width(), inner_->height());
  ShowCurrent();
}

void CluePanel::SetInnerHeightTwips(int twips) {
  inner_->resize(width(), TwipsToPixelsY(*inner_, twips));
}

void CluePanel::DrawClues(const Puzzle& puzzle, const std::string& fontName, double fontPoints,
                          Colour text, Colour background) {
  inner_->move(0, 0);
  FontStyle font = inner_->Drawing().Font();
  font.name = fontName;
  font.points = fontPoints;
  inner_->Drawing().SetFont(font);
  SetInnerHeightTwips(kDrawingHeight);
  SetPaletteColour(*this, {QPalette::Window}, ToQColor(background, palette()));
  inner_->SetBackColor(background);  // clears the drawing too
  inner_->SetForeColor(text);
  const int height =
      DrawClueList(inner_->Drawing(), puzzle, inner_->WidthTwips(), fontPoints, text, &spans_);
  SetInnerHeightTwips(height);
  QStringList clues;
  for (int k = 1; k <= static_cast<int>(puzzle.Wlist.size()) && k < kGridSpan; ++k) {
    clues << FromCp1252(ClueSpoken(puzzle, k));
  }
  SetClues(clues);
}

void CluePanel::Clear() {
  inner_->move(0, 0);
  inner_->Clear();
  spans_.clear();
  SetClues({});
}

void CluePanel::SetClues(const QStringList& clues) {
  clues_ = clues;
  current_ = 0;
  ShowCurrent();
  NotifyTableReset(*this);
}

void CluePanel::SetCurrentClue(int k) {
  if (k < 1 || k > clues_.size()) k = 0;
  if (k == current_) return;
  current_ = k;
  ShowCurrent();
  if (k > 0) NotifyCurrentCell(*this, k - 1, 0);
}

void CluePanel::ShowCurrent() {
  const QRect clue = CellRect(current_ - 1, 0);
  int shift = 0;
  if (clue.bottom() > height()) shift = height() - 1 - clue.bottom();
  if (clue.top() + shift < 0) shift = -clue.top();
  if (shift != 0) inner_->move(inner_->x(), std::min(0, inner_->y() + shift));
  PlaceFocusFrame();
  focusFrame_->setVisible(hasFocus());
  focusFrame_->raise();
}

QString CluePanel::CellName(int row, int) const { return clues_.value(row); }

// A clue's place in the panel (pixels); the whole panel for none.
QRect CluePanel::CellRect(int row, int) const {
  if (row < 0 || row >= static_cast<int>(spans_.size())) return rect();
  const ClueSpan& span = spans_[row];
  const int top = TwipsToPixelsY(*inner_, span.top);
  return QRect(0, inner_->y() + top, width(), TwipsToPixelsY(*inner_, span.bottom) - top);
}

bool CluePanel::CurrentCell(int& row, int& column) const {
  if (current_ < 1) return false;
  row = current_ - 1;
  column = 0;
  return true;
}

bool CluePanel::SelectRow(int row) {
  if (row < 0 || row >= clues_.size()) return false;
  SetCurrentClue(row + 1);
  return true;
}

// Up and Down step through the clues, Home and End go to the first and the last, Enter asks
// for the current clue's word in the grid.
void CluePanel::keyPressEvent(QKeyEvent* event) {
  const int count = static_cast<int>(clues_.size());
  switch (event->key()) {
    case Qt::Key_Up: SetCurrentClue(std::max(1, current_ - 1)); break;
    case Qt::Key_Down: SetCurrentClue(std::min(count, current_ + 1)); break;
    case Qt::Key_Home: SetCurrentClue(1); break;
    case Qt::Key_End: SetCurrentClue(count); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      if (current_ > 0) Q_EMIT ClueChosen(current_);
      break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void CluePanel::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  ShowCurrent();
  if (current_ == 0) {
    SetCurrentClue(1);
  } else {
    NotifyCurrentCell(*this, current_ - 1, 0);
  }
}

void CluePanel::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  focusFrame_->hide();
}

void CluePanel::StartDrag(const QPointF& atOuter) {
  grabX_ = PixelsToTwipsX(*this, atOuter.x()) - PixelsToTwipsX(*this, inner_->x());
  grabY_ = PixelsToTwipsY(*this, atOuter.y()) - PixelsToTwipsY(*this, inner_->y());
}

void CluePanel::Drag(const QPointF& atOuter) {
  const int currentTop = PixelsToTwipsY(*this, inner_->y());
  const int newTop = PixelsToTwipsY(*this, atOuter.y()) - grabY_;
  const int top = DraggedTop(currentTop, newTop, inner_->HeightTwips(),
                             PixelsToTwipsY(*this, height()));
  if (top != currentTop) inner_->move(inner_->x(), TwipsToPixelsY(*this, top));
  PlaceFocusFrame();
}

void CluePanel::PlaceFocusFrame() {
  // The frame is drawn a little inside its rectangle; it leaves the clue's lines clear.
  constexpr int kAround = 5;
  const QRect around = current_ > 0 ? CellRect(current_ - 1, 0).adjusted(0, -kAround, 0, kAround)
                                    : rect();
  focusFrame_->setGeometry(around.intersected(rect()));
}

void CluePanel::Scroll(int lines) {
  const int currentTop = PixelsToTwipsY(*this, inner_->y());
  const int lineHeight = std::max(1, inner_->Drawing().TextHeight("X"));
  const int top = ScrolledTop(currentTop, lines, lineHeight, inner_->HeightTwips(),
                              PixelsToTwipsY(*this, height()));
  if (top != currentTop) inner_->move(inner_->x(), TwipsToPixelsY(*this, top));
  PlaceFocusFrame();
}

bool CluePanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched != inner_) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::Wheel) {
    Scroll(static_cast<QWheelEvent*>(event)->angleDelta().y() * kWheelLines / kWheelNotch);
    return true;
  }
  if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseMove) {
    return QWidget::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  // Positions are taken in the panel's frame, which stays put while the list moves.
  const QPointF atOuter = inner_->mapToParent(mouse->position());
  if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
    StartDrag(atOuter);
    return true;
  }
  if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
    Drag(atOuter);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace sl
