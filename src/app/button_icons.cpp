#include "app/button_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QtMath>

namespace sl {
namespace {

using DrawFunction = void (*)(QPainter&);

const QColor kInk(40, 48, 64);

QPen Outline(const QColor& colour, double width = 1.0) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void DrawBook(QPainter& p) {
  p.setPen(Outline(QColor(24, 52, 104)));
  p.setBrush(QColor(255, 252, 240));
  p.drawRoundedRect(QRectF(4.5, 2.5, 9, 12), 1, 1);  // the pages, showing at the bottom
  p.setBrush(QColor(52, 102, 178));
  p.drawRoundedRect(QRectF(2.5, 1.5, 10.5, 11.5), 1.2, 1.2);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 66, 128));
  p.drawRect(QRectF(3, 2, 2, 10.5));  // the spine
  p.setBrush(QColor(255, 255, 255, 230));
  p.drawRect(QRectF(6.5, 4, 4.5, 2));  // the title label
}

void DrawTick(QPainter& p) {
  QPainterPath tick;
  tick.moveTo(2.5, 8.5);
  tick.lineTo(6.2, 12.2);
  tick.lineTo(13.5, 3.5);
  p.setBrush(Qt::NoBrush);
  p.setPen(Outline(QColor(18, 92, 36), 3.4));
  p.drawPath(tick);
  p.setPen(Outline(QColor(60, 170, 72), 2.0));
  p.drawPath(tick);
}

void DrawEye(QPainter& p) {
  QPainterPath eye;
  eye.moveTo(0.8, 8);
  eye.quadTo(8, 0.5, 15.2, 8);
  eye.quadTo(8, 15.5, 0.8, 8);
  p.setPen(Outline(kInk, 1.1));
  p.setBrush(Qt::white);
  p.drawPath(eye);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(46, 120, 210));
  p.drawEllipse(QPointF(8, 8), 3.1, 3.1);
  p.setBrush(QColor(16, 20, 30));
  p.drawEllipse(QPointF(8, 8), 1.4, 1.4);
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF(6.9, 6.9), 0.7, 0.7);
}

// An arc around the centre, turning counter-clockwise from start, with an arrow head at its end.
void ArcArrow(QPainter& p, double startDegrees, double spanDegrees, const QColor& colour) {
  const QPointF centre(8, 8);
  const double radius = 5.2;
  p.setPen(Outline(colour, 1.9));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
            qRound(startDegrees * 16), qRound(spanDegrees * 16));
  const double end = qDegreesToRadians(startDegrees + spanDegrees);
  const QPointF tip = centre + QPointF(radius * qCos(end), -radius * qSin(end));
  const QPointF ahead(-qSin(end), -qCos(end));  // direction of travel, y pointing down
  const QPointF side(qCos(end), -qSin(end));    // away from the centre
  QPolygonF head;
  head << tip + ahead * 2.6 << tip + side * 2.4 << tip - side * 2.4;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(head);
}

void DrawRefresh(QPainter& p) {
  const QColor teal(22, 120, 140);
  ArcArrow(p, 30, 125, teal);
  ArcArrow(p, 210, 125, teal);
}

QPainterPath Sparkle(const QPointF& c, double reach, double waist) {
  QPainterPath star;
  star.moveTo(c.x(), c.y() - reach);
  star.quadTo(c.x() + waist, c.y() - waist, c.x() + reach, c.y());
  star.quadTo(c.x() + waist, c.y() + waist, c.x(), c.y() + reach);
  star.quadTo(c.x() - waist, c.y() + waist, c.x() - reach, c.y());
  star.quadTo(c.x() - waist, c.y() - waist, c.x(), c.y() - reach);
  return star;
}

void DrawSparkle(QPainter& p) {
  p.setPen(Outline(QColor(176, 112, 8), 0.9));
  p.setBrush(QColor(248, 184, 32));
  p.drawPath(Sparkle(QPointF(6.8, 9.2), 6.4, 1.2));
  p.setBrush(QColor(252, 212, 90));
  p.drawPath(Sparkle(QPointF(12.6, 3.6), 3.0, 0.6));
}

void DrawFolder(QPainter& p) {
  QPainterPath back;
  back.moveTo(1.5, 13.5);
  back.lineTo(1.5, 3.5);
  back.lineTo(6, 3.5);
  back.lineTo(7.5, 5);
  back.lineTo(13.5, 5);
  back.lineTo(13.5, 13.5);
  back.closeSubpath();
  p.setPen(Outline(QColor(150, 100, 10)));
  p.setBrush(QColor(222, 164, 34));
  p.drawPath(back);
  QPolygonF front;
  front << QPointF(3.5, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
  p.setBrush(QColor(250, 204, 80));
  p.drawPolygon(front);
}

void DrawArrow(QPainter& p, bool right) {
  QPolygonF arrow;
  arrow << QPointF(2, 6.2) << QPointF(8, 6.2) << QPointF(8, 2.5) << QPointF(14.5, 8)
        << QPointF(8, 13.5) << QPointF(8, 9.8) << QPointF(2, 9.8);
  if (!right) {
    for (QPointF& point : arrow) point.setX(16 - point.x());
  }
  p.setPen(Outline(QColor(24, 70, 140)));
  p.setBrush(QColor(62, 128, 214));
  p.drawPolygon(arrow);
}

void DrawArrowLeft(QPainter& p) { DrawArrow(p, false); }
void DrawArrowRight(QPainter& p) { DrawArrow(p, true); }

void DrawDice(QPainter& p) {
  p.setPen(Outline(kInk));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2.8, 2.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 36, 36));
  for (const QPointF& pip : {QPointF(4.8, 4.8), QPointF(11.2, 4.8), QPointF(8, 8),
                             QPointF(4.8, 11.2), QPointF(11.2, 11.2)}) {
    p.drawEllipse(pip, 1.25, 1.25);
  }
}

void DrawEraser(QPainter& p) {
  p.translate(8, 8);
  p.rotate(-40);
  p.setPen(Outline(kInk));
  p.setBrush(QColor(240, 130, 150));
  p.drawRoundedRect(QRectF(-6.5, -3, 8, 6), 1, 1);
  p.setBrush(QColor(232, 236, 244));
  p.drawRoundedRect(QRectF(1.5, -3, 5, 6), 1, 1);
}

void DrawStop(QPainter& p) {
  QPolygonF octagon;
  for (int i = 0; i < 8; ++i) {
    const double angle = qDegreesToRadians(22.5 + 45.0 * i);
    octagon << QPointF(8 + 7 * qCos(angle), 8 + 7 * qSin(angle));
  }
  p.setPen(Outline(QColor(120, 16, 16)));
  p.setBrush(QColor(206, 40, 40));
  p.drawPolygon(octagon);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4, 7, 8, 2));
}

// Draws the picture scaled into whatever rectangle and resolution is asked for.
class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(DrawFunction draw) : draw_(draw) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.45);
    draw_(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return scaledPixmap(size, mode, state, 1.0);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    QPixmap pixmap(size * scale);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
    }
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(draw_); }

 private:
  DrawFunction draw_;
};

DrawFunction DrawingOf(ButtonPicture picture) {
  switch (picture) {
    case ButtonPicture::Book: return DrawBook;
    case ButtonPicture::Tick: return DrawTick;
    case ButtonPicture::Eye: return DrawEye;
    case ButtonPicture::Refresh: return DrawRefresh;
    case ButtonPicture::Sparkle: return DrawSparkle;
    case ButtonPicture::Folder: return DrawFolder;
    case ButtonPicture::ArrowLeft: return DrawArrowLeft;
    case ButtonPicture::Dice: return DrawDice;
    case ButtonPicture::ArrowRight: return DrawArrowRight;
    case ButtonPicture::Eraser: return DrawEraser;
    case ButtonPicture::Stop: return DrawStop;
    case ButtonPicture::None: break;
  }
  return nullptr;
}

}  // namespace

QIcon ButtonIcon(ButtonPicture picture) {
  DrawFunction draw = DrawingOf(picture);
  return draw ? QIcon(new DrawnIconEngine(draw)) : QIcon();
}

}  // namespace sl
