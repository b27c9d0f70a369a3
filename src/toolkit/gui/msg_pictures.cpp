#include "toolkit/gui/msg_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <iterator>

namespace sl {

namespace {

// Every picture is drawn on a 32 by 32 grid and scaled to the pixels wanted.
constexpr qreal kGrid = 32.0;

QFont PictureFont(qreal pixelSize) {
  QFont font("Arial");
  font.setStyleHint(QFont::SansSerif);
  font.setBold(true);
  font.setPixelSize(qMax(1, qRound(pixelSize)));
  return font;
}

QPainterPath SpeechBubble() {
  QPainterPath body;
  body.addEllipse(QRectF(2, 1.5, 28, 22));
  QPainterPath tail;
  tail.moveTo(8.5, 19);
  tail.lineTo(5.5, 30);
  tail.lineTo(16, 22.5);
  tail.closeSubpath();
  return body.united(tail);
}

void DrawBubble(QPainter& p) {
  QLinearGradient fill(0, 2, 0, 30);
  fill.setColorAt(0, Qt::white);
  fill.setColorAt(1, QColor(214, 228, 250));
  p.setPen(QPen(QColor(30, 70, 160), 1.3));
  p.setBrush(fill);
  p.drawPath(SpeechBubble());
}

void DrawQuestion(QPainter& p) {
  DrawBubble(p);
  p.setPen(QColor(20, 80, 200));
  p.setFont(PictureFont(19));
  p.drawText(QRectF(2, 1.5, 28, 22), Qt::AlignCenter, QStringLiteral("?"));
}

void DrawInformation(QPainter& p) {
  DrawBubble(p);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 80, 200));
  p.drawEllipse(QPointF(16, 6.8), 2.3, 2.3);
  // The stem of the "i" with its serifs.
  p.drawPolygon(QPolygonF({QPointF(13, 10.5), QPointF(17.8, 10.5), QPointF(17.8, 18.5),
                           QPointF(19.5, 18.5), QPointF(19.5, 20.5), QPointF(12.5, 20.5),
                           QPointF(12.5, 18.5), QPointF(14.2, 18.5), QPointF(14.2, 12.5),
                           QPointF(13, 12.5)}));
}

void DrawExclamation(QPainter& p) {
  QPainterPath triangle;
  triangle.moveTo(16, 2);
  triangle.lineTo(30.5, 28.5);
  triangle.lineTo(1.5, 28.5);
  triangle.closeSubpath();
  QLinearGradient fill(0, 2, 0, 29);
  fill.setColorAt(0, QColor(255, 232, 90));
  fill.setColorAt(1, QColor(245, 190, 0));
  QPen edge(QColor(110, 80, 0), 1.4);
  edge.setJoinStyle(Qt::RoundJoin);
  p.setPen(edge);
  p.setBrush(fill);
  p.drawPath(triangle);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  QPolygonF stem({QPointF(14.3, 10), QPointF(17.7, 10), QPointF(16.9, 20.5), QPointF(15.1, 20.5)});
  p.drawPolygon(stem);
  p.drawEllipse(QPointF(16, 24.2), 1.9, 1.9);
}

QPolygonF Octagon(qreal radius) {
  QPolygonF points;
  for (int i = 0; i < 8; ++i) {
    qreal angle = qDegreesToRadians(22.5 + 45.0 * i);
    points << QPointF(16 + radius * qCos(angle), 16 + radius * qSin(angle));
  }
  return points;
}

void DrawStopSign(QPainter& p) {
  p.setPen(QPen(QColor(110, 0, 0), 1));
  p.setBrush(Qt::white);
  p.drawPolygon(Octagon(15.2));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(205, 20, 20));
  p.drawPolygon(Octagon(13.4));
  p.setPen(Qt::white);
  p.setFont(PictureFont(8.6));
  p.drawText(QRectF(0, 0, kGrid, kGrid), Qt::AlignCenter, QStringLiteral("STOP"));
}

// A round face lit from the upper left, filling the square.
void DrawShadedDisc(QPainter& p, const QColor& light, const QColor& dark, const QColor& rim) {
  QRadialGradient fill(QPointF(12, 10), 18);
  fill.setColorAt(0, light);
  fill.setColorAt(1, dark);
  p.setPen(QPen(rim, 1.2));
  p.setBrush(fill);
  p.drawEllipse(QPointF(16, 16), 14.4, 14.4);
}

void DrawCritical(QPainter& p) {
  DrawShadedDisc(p, QColor(255, 110, 100), QColor(185, 0, 0), QColor(115, 0, 0));
  QPen cross(Qt::white, 3.8, Qt::SolidLine, Qt::RoundCap);
  p.setPen(cross);
  p.drawLine(QPointF(10.5, 10.5), QPointF(21.5, 21.5));
  p.drawLine(QPointF(21.5, 10.5), QPointF(10.5, 21.5));
}

void DrawHappy(QPainter& p) {
  DrawShadedDisc(p, QColor(255, 245, 140), QColor(245, 185, 0), QColor(150, 105, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 40, 0));
  p.drawEllipse(QPointF(11.5, 12.5), 1.9, 2.7);
  p.drawEllipse(QPointF(20.5, 12.5), 1.9, 2.7);
  p.setPen(QPen(QColor(60, 40, 0), 2.1, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(8.5, 8.5, 15, 14), -25 * 16, -130 * 16);
}

void DrawBurningBarrel(QPainter& p) {
  QPainterPath flame;
  flame.moveTo(8.5, 16);
  flame.cubicTo(5, 10, 10.5, 8, 10, 2.5);
  flame.cubicTo(13.5, 6, 15, 8.5, 15.5, 5);
  flame.cubicTo(18.5, 8, 22, 5, 21, 0.5);
  flame.cubicTo(26.5, 5.5, 27, 11.5, 23.5, 16);
  flame.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 95, 10));
  p.drawPath(flame);
  QPainterPath inner;
  inner.moveTo(11.5, 16);
  inner.cubicTo(10.5, 12, 13.5, 11, 13.5, 7.5);
  inner.cubicTo(15.5, 10.5, 17.5, 10, 18.5, 7.5);
  inner.cubicTo(21, 10.5, 21.5, 13.5, 20.5, 16);
  inner.closeSubpath();
  p.setBrush(QColor(255, 215, 30));
  p.drawPath(inner);

  QLinearGradient metal(6.5, 0, 25.5, 0);
  metal.setColorAt(0, QColor(70, 78, 86));
  metal.setColorAt(0.45, QColor(175, 182, 190));
  metal.setColorAt(1, QColor(70, 78, 86));
  p.setPen(QPen(QColor(40, 44, 50), 1));
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(6.5, 15, 19, 15.5), 1.5, 1.5);
  p.setBrush(QColor(45, 45, 45));
  p.drawEllipse(QRectF(6.5, 13.5, 19, 4));
  p.setPen(QPen(QColor(50, 55, 60), 1.3));
  p.drawLine(QPointF(7, 21), QPointF(25, 21));
  p.drawLine(QPointF(7, 26), QPointF(25, 26));
}

void DrawPrinter(QPainter& p) {
  QPen outline(QColor(70, 70, 70), 1);
  p.setPen(outline);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(9, 2, 14, 11));  // the sheet going in
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.drawLine(QPointF(11.5, 5.5), QPointF(20.5, 5.5));
  p.drawLine(QPointF(11.5, 8.5), QPointF(20.5, 8.5));

  QLinearGradient body(0, 11, 0, 25);
  body.setColorAt(0, QColor(215, 218, 222));
  body.setColorAt(1, QColor(120, 124, 130));
  p.setPen(outline);
  p.setBrush(body);
  p.drawRoundedRect(QRectF(2.5, 11, 27, 13.5), 2, 2);
  p.setBrush(QColor(40, 40, 40));
  p.drawRect(QRectF(7, 19.5, 18, 2));  // the slot
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 200, 60));
  p.drawEllipse(QPointF(25.5, 14.8), 1.3, 1.3);

  p.setPen(outline);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(8, 21, 16, 9.5));  // the printed sheet
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.drawLine(QPointF(10.5, 24.5), QPointF(21.5, 24.5));
  p.drawLine(QPointF(10.5, 27.5), QPointF(18.5, 27.5));
}

void DrawLightBulb(QPainter& p) {
  QRadialGradient glow(QPointF(16, 12), 16);
  glow.setColorAt(0, QColor(255, 240, 120, 150));
  glow.setColorAt(1, QColor(255, 240, 120, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(QPointF(16, 12), 16, 16);

  p.setPen(QPen(QColor(230, 170, 0), 1.5, Qt::SolidLine, Qt::RoundCap));
  for (int degrees : {-165, -128, -90, -52, -15}) {
    qreal a = qDegreesToRadians(static_cast<qreal>(degrees));
    p.drawLine(QPointF(16 + 9.3 * qCos(a), 11.5 + 9.3 * qSin(a)),
               QPointF(16 + 11.8 * qCos(a), 11.5 + 11.8 * qSin(a)));
  }

  QPainterPath glass;
  glass.addEllipse(QPointF(16, 11.5), 8, 8);
  QPainterPath neck;
  neck.moveTo(10.5, 16);
  neck.lineTo(21.5, 16);
  neck.lineTo(19.8, 22.5);
  neck.lineTo(12.2, 22.5);
  neck.closeSubpath();
  QRadialGradient light(QPointF(14, 9), 10);
  light.setColorAt(0, QColor(255, 255, 225));
  light.setColorAt(1, QColor(255, 212, 0));
  p.setPen(QPen(QColor(160, 115, 0), 1.1));
  p.setBrush(light);
  p.drawPath(glass.united(neck));
  p.setPen(QPen(QColor(210, 90, 0), 1));
  p.setBrush(Qt::NoBrush);
  p.drawPolyline(QPolygonF({QPointF(13.5, 17.5), QPointF(13.5, 12), QPointF(15, 14),
                            QPointF(16, 11.5), QPointF(17, 14), QPointF(18.5, 12),
                            QPointF(18.5, 17.5)}));

  p.setPen(QPen(QColor(70, 70, 70), 1));
  p.setBrush(QColor(165, 168, 172));
  p.drawRect(QRectF(12, 22.5, 8, 6));
  p.drawLine(QPointF(12, 24.5), QPointF(20, 24.5));
  p.drawLine(QPointF(12, 26.5), QPointF(20, 26.5));
  p.setBrush(QColor(60, 60, 60));
  p.drawRoundedRect(QRectF(14, 28.5, 4, 2.5), 1, 1);
}

void DrawWindowIcon(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(0, 0, kGrid, kGrid));
  p.setBrush(Qt::black);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) p.drawRect(QRectF(1.5 + col * 10, 1.5 + row * 10, 9, 9));
  }
  QPolygonF burst;
  for (int i = 0; i < 16; ++i) {
    qreal radius = i % 2 == 0 ? 11.5 : 5.0;
    qreal angle = qDegreesToRadians(i * 22.5);
    burst << QPointF(16 + radius * qCos(angle), 16 + radius * qSin(angle));
  }
  p.setPen(QPen(QColor(120, 0, 0), 0.8));
  p.setBrush(QColor(230, 30, 20));
  p.drawPolygon(burst);
}

using Painting = void (*)(QPainter&);

QPixmap Paint(Painting paint, int sidePixels, qreal devicePixelRatio) {
  qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  int side = qMax(1, qRound(sidePixels * ratio));
  QPixmap pixmap(side, side);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.scale(side / kGrid, side / kGrid);
  paint(painter);
  painter.end();
  pixmap.setDevicePixelRatio(ratio);
  return pixmap;
}

}  // namespace

QPixmap MsgPicture(int place, int sidePixels, qreal devicePixelRatio) {
  static const Painting kPaintings[] = {DrawQuestion,      DrawExclamation, DrawInformation,
                                        DrawStopSign,      DrawCritical,    DrawHappy,
                                        DrawBurningBarrel, DrawPrinter,     DrawLightBulb};
  if (place < 0 || place >= static_cast<int>(std::size(kPaintings))) return QPixmap();
  return Paint(kPaintings[place], sidePixels, devicePixelRatio);
}

QIcon MsgWindowIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64}) icon.addPixmap(Paint(DrawWindowIcon, side, 1.0));
  return icon;
}

}  // namespace sl
