#include "puzzle/gui/grid_view.h"

#include <QKeyEvent>
#include <algorithm>
#include <QMouseEvent>
#include <QPainter>

#include "output/render/qpainter_surface.h"
#include "puzzle/cell_speech.h"
#include "toolkit/gui/accessible_controls.h"
#include "toolkit/gui/twip_geometry.h"
#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

// A small bright orange square with a near-black rim: the rim stands out on light and
// mid-tone grid colours (orange and red ones included), the fill on dark ones.
class CursorMarker : public QWidget {
 public:
  explicit CursorMarker(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);  // the grid below keeps getting the moves
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(24, 16, 8));
    painter.fillRect(rect().adjusted(1, 1, -1, -1), QColor(232, 96, 44));
  }
};

}  // namespace

GridView::GridView(QWidget* parent) : PictureBox(parent), marker_(new CursorMarker(this)) {
  InstallAccessibleControls();
  setMouseTracking(true);  // a cell is selected by moving over it, no click needed
  setFocusPolicy(Qt::StrongFocus);
  marker_->setObjectName(QStringLiteral("Shape1"));
  PlaceInTwips(*marker_, 0, 0, kMarkerSize, kMarkerSize);
  marker_->hide();
  // Whoever moves, shows or hides the marker, the selected cell follows it.
  marker_->installEventFilter(this);
}

void GridView::MoveMarker(int xTwips, int yTwips) {
  PlaceInTwips(*marker_, xTwips, yTwips, kMarkerSize, kMarkerSize);
  FollowMarker();
}

void GridView::ShowMarker(bool visible) { marker_->setVisible(visible); }

void GridView::ShowsPuzzle(const Puzzle& puzzle, const GridGeometry& geometry) {
  puzzle_ = &puzzle;
  geometry_ = &geometry;
  PuzzleReplaced();
}

void GridView::PuzzleReplaced() {
  NotifyTableReset(*this);
  FollowMarker();
}

void GridView::SolutionShown(bool shown) {
  if (shown == solutionShown_) return;
  solutionShown_ = shown;
  PuzzleReplaced();  // every cell reads anew; the current cell is announced again
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == marker_ &&
      (event->type() == QEvent::Move || event->type() == QEvent::ShowToParent ||
       event->type() == QEvent::HideToParent)) {
    FollowMarker();
  }
  return PictureBox::eventFilter(watched, event);
}

void GridView::FollowMarker() {
  std::optional<Cell> cell;
  if (puzzle_ && !puzzle_->Empty() && marker_->isVisibleTo(this)) {
    // The marker's centre lies inside its cell wherever the keyboard or the mouse put it.
    const QPoint centre = marker_->geometry().center();
    cell = CellAtPoint(*puzzle_, *geometry_, PixelsToTwipsX(*this, centre.x()),
                       PixelsToTwipsY(*this, centre.y()));
  }
  if (cell == selected_) return;
  selected_ = cell;
  if (const std::string* entry = SelectedEntry()) announcedEntry_ = *entry;
  if (cell) NotifyCurrentCell(*this, cell->row - 1, cell->col - 1);
  Q_EMIT SelectedCellChanged(cell ? cell->row : -1, cell ? cell->col : -1);
}

const std::string* GridView::SelectedEntry() const {
  if (!selected_ || !puzzle_) return nullptr;
  return &puzzle_->Entry[selected_->row][selected_->col];
}

void GridView::AnnounceChangedEntry() {
  const std::string* entry = SelectedEntry();
  if (!entry || *entry == announcedEntry_) return;
  announcedEntry_ = *entry;
  NotifyCellChanged(*this, selected_->row - 1, selected_->col - 1);
}

int GridView::TableRows() const {
  if (!puzzle_ || puzzle_->Empty()) return 0;
  return std::clamp(puzzle_->PuzzleSize, 0, kMaxPuzzleSize);
}

QString GridView::CellName(int row, int column) const {
  return puzzle_ ? FromCp1252(CellSpokenName(*puzzle_, row + 1, column + 1, solutionShown_))
                 : QString();
}

QString GridView::CellDescription(int row, int column) const {
  return puzzle_ ? FromCp1252(CellSpokenPlace(*puzzle_, row + 1, column + 1)) : QString();
}

QRect GridView::CellRect(int row, int column) const {
  if (!geometry_ || row < 0 || column < 0 || row >= kMaxPuzzleSize || column >= kMaxPuzzleSize) {
    return {};
  }
  const int left = geometry_->CellLeft[row + 1][column + 1];
  const int top = geometry_->CellTop[row + 1][column + 1];
  const int size = geometry_->CellSize;
  const QPoint topLeft(TwipsToPixelsX(*this, left), TwipsToPixelsY(*this, top));
  const QPoint bottomRight(TwipsToPixelsX(*this, left + size), TwipsToPixelsY(*this, top + size));
  return QRect(topLeft, bottomRight - QPoint(1, 1));
}

bool GridView::CurrentCell(int& row, int& column) const {
  if (!selected_) return false;
  row = selected_->row - 1;
  column = selected_->col - 1;
  return true;
}

// An assistive tool picks a row: its first letter cell, or the selected cell's column there.
bool GridView::SelectRow(int row) {
  if (!puzzle_) return false;
  const int r = row + 1;
  if (selected_ && IsSelectable(*puzzle_, r, selected_->col)) {
    Q_EMIT CellRequested(r, selected_->col);
    return true;
  }
  for (int c = 1; c <= TableColumns(); ++c) {
    if (IsSelectable(*puzzle_, r, c)) {
      Q_EMIT CellRequested(r, c);
      return true;
    }
  }
  return false;
}

void GridView::mouseMoveEvent(QMouseEvent* event) {
  Q_EMIT MouseMoved(MouseButtonValue(event->buttons()), ShiftStateValue(event->modifiers()),
                    PixelsToTwipsX(*this, event->position().x()),
                    PixelsToTwipsY(*this, event->position().y()));
  event->accept();
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (!event->text().isEmpty()) Q_EMIT CharTyped(event->text());
  event->accept();
  AnnounceChangedEntry();
}

void GridView::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) Q_EMIT KeyReleased(event->key(), ShiftStateValue(event->modifiers()));
  event->accept();
  AnnounceChangedEntry();
}

// Reached with Tab or a click, the grid hands the focus on to its selected cell.
void GridView::focusInEvent(QFocusEvent* event) {
  PictureBox::focusInEvent(event);
  if (selected_) NotifyCurrentCell(*this, selected_->row - 1, selected_->col - 1);
}

}  // namespace sl
