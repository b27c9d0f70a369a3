#include "puzzle/gui/grid_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "toolkit/gui/twip_geometry.h"
#include "puzzle/cursor.h"
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
  setMouseTracking(true);  // a cell is selected by moving over it, no click needed
  setFocusPolicy(Qt::StrongFocus);
  marker_->setObjectName(QStringLiteral("Shape1"));
  PlaceInTwips(*marker_, 0, 0, kMarkerSize, kMarkerSize);
  marker_->hide();
}

void GridView::MoveMarker(int xTwips, int yTwips) {
  PlaceInTwips(*marker_, xTwips, yTwips, kMarkerSize, kMarkerSize);
}

void GridView::ShowMarker(bool visible) { marker_->setVisible(visible); }

void GridView::mouseMoveEvent(QMouseEvent* event) {
  Q_EMIT MouseMoved(MouseButtonValue(event->buttons()), ShiftStateValue(event->modifiers()),
                    PixelsToTwipsX(*this, event->position().x()),
                    PixelsToTwipsY(*this, event->position().y()));
  event->accept();
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (!event->text().isEmpty()) Q_EMIT CharTyped(event->text());
  event->accept();
}

void GridView::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) Q_EMIT KeyReleased(event->key(), ShiftStateValue(event->modifiers()));
  event->accept();
}

// Tab and Backtab are keys like any other here; they do not move the focus away from the grid.
bool GridView::focusNextPrevChild(bool) { return false; }

}  // namespace sl
