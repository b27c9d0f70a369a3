#include "puzzle/gui/clue_panel.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>

#include "toolkit/gui/screen_colours.h"
#include "toolkit/gui/picture_box.h"
#include "toolkit/gui/twip_geometry.h"
#include "output/render/qpainter_surface.h"
#include "puzzle/clue_list.h"

namespace sl {
namespace {

constexpr int kDrawingHeight = 80000;  // tall enough for any list before it is measured
constexpr int kWheelLines = 3;         // lines a wheel notch scrolls, as in other lists
constexpr int kWheelNotch = 120;       // Qt's angle delta of one notch

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

CluePanel::CluePanel(QWidget* parent) : QWidget(parent), inner_(new PictureBox(this)) {
  inner_->setObjectName(QStringLiteral("picinner"));
  inner_->installEventFilter(this);
  inner_->setCursor(Qt::OpenHandCursor);
  setAutoFillBackground(true);
}

void CluePanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  inner_->resize(width(), inner_->height());
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
      DrawClueList(inner_->Drawing(), puzzle, inner_->WidthTwips(), fontPoints, text);
  SetInnerHeightTwips(height);
}

void CluePanel::Clear() {
  inner_->move(0, 0);
  inner_->Clear();
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
}

void CluePanel::Scroll(int lines) {
  const int currentTop = PixelsToTwipsY(*this, inner_->y());
  const int lineHeight = std::max(1, inner_->Drawing().TextHeight("X"));
  const int top = ScrolledTop(currentTop, lines, lineHeight, inner_->HeightTwips(),
                              PixelsToTwipsY(*this, height()));
  if (top != currentTop) inner_->move(inner_->x(), TwipsToPixelsY(*this, top));
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
