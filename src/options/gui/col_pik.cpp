#include "options/gui/col_pik.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "options/colour_picker.h"
#include "options/colour_table.h"
#include "toolkit/gui/screen_colours.h"
#include "toolkit/gui/picture_box.h"
#include "toolkit/gui/twip_geometry.h"

namespace sl {

namespace {

// The palette and strips span 267 units across and 1375 down in the area left of the bars:
// about 4.8 twips a unit across, one twip a unit down.
constexpr double kUnitTwipsX = 4.8;
constexpr int kDrawingWidth = 1305;
constexpr int kDrawingHeight = 1650;
constexpr Colour kDefaultBackColor = RGB(255, 192, 192);
constexpr Colour kOutline = RGB(96, 96, 96);
constexpr double kValueFontPoints = 7;

// Bars, component boxes and value labels for red, green and blue.
constexpr TwipRect kBars[] = {
    {1320, 25, 250, 1126}, {1657, 25, 250, 1126}, {1995, 25, 250, 1126}};
constexpr TwipRect kComponents[] = {
    {1335, 1170, 225, 195}, {1657, 1170, 225, 195}, {1995, 1170, 225, 195}};
// The value labels are wider than the bars so that " 255" fits; each is centred under its bar.
constexpr TwipRect kValues[] = {
    {1290, 1380, 330, 210}, {1617, 1380, 330, 210}, {1955, 1380, 330, 210}};
constexpr TwipRect kCaption = {60, 1680, 1245, 225};
constexpr TwipRect kSwatch = {1335, 1680, 915, 195};
const char* const kBarNames[] = {"hsrRed", "hsrGreen", "hsrBlue"};
const char* const kValueNames[] = {"lblRedDegree", "lblGreenDegree", "lblBlueDegree"};

int UnitX(int units) { return static_cast<int>(std::lround(units * kUnitTwipsX)); }

void Fill(QWidget& widget, Colour colour) {
  SetPaletteColour(widget, {QPalette::Window}, ScreenColour(colour));
  widget.setAutoFillBackground(true);
}

QFrame* ColourBox(QWidget* parent) {
  auto* box = new QFrame(parent);
  box->setFrameShape(QFrame::Box);
  box->setFrameShadow(QFrame::Plain);
  return box;
}

Colour PureComponent(int bar, int value) {
  return bar == 0 ? RGB(value, 0, 0) : bar == 1 ? RGB(0, value, 0) : RGB(0, 0, value);
}

}  // namespace

ColPik::ColPik(QWidget* parent)
    : QWidget(parent),
      backColor_(kDefaultBackColor),
      swatchColour_(kWhite),
      stripColour_(kWhite) {
  drawing_ = new PictureBox(this);
  drawing_->setObjectName(QStringLiteral("picpalette"));
  drawing_->setAttribute(Qt::WA_TransparentForMouseEvents);
  for (int bar = 0; bar < 3; ++bar) {
    bars_[bar] = new QSlider(Qt::Vertical, this);
    bars_[bar]->setObjectName(QString::fromLatin1(kBarNames[bar]));
    bars_[bar]->setRange(0, kMaxComponent);
    bars_[bar]->setValue(kMaxComponent);
    bars_[bar]->setPageStep(16);
    components_[bar] = ColourBox(this);
    components_[bar]->setObjectName(QStringLiteral("PicRGB%1").arg(bar));
    Fill(*components_[bar], PureComponent(bar, kMaxComponent));
    values_[bar] = new QLabel(QString::fromStdString(Str(kMaxComponent)), this);
    values_[bar]->setObjectName(QString::fromLatin1(kValueNames[bar]));
    values_[bar]->setAlignment(Qt::AlignCenter);
    QFont small = values_[bar]->font();
    small.setPointSizeF(kValueFontPoints);
    values_[bar]->setFont(small);
    connect(bars_[bar], &QSlider::valueChanged, this, [this, bar] { BarChanged(bar); });
  }
  caption_ = new QLabel(QStringLiteral("Selected Colour"), this);
  caption_->setObjectName(QStringLiteral("lblSelected"));
  caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  swatch_ = ColourBox(this);
  swatch_->setObjectName(QStringLiteral("picswatch"));
  PlaceInTwips(*this, 0, 0, kWidthTwips, kHeightTwips);
  PlaceParts();
  SetBackColor(kDefaultBackColor);
  BarChanged(0);  // the red bar given its own value: values, swatch and strips for white
}

void ColPik::PlaceParts() {
  PlaceInTwips(*drawing_, 0, 0, kDrawingWidth, kDrawingHeight);
  for (int bar = 0; bar < 3; ++bar) {
    PlaceInTwips(*bars_[bar], kBars[bar]);
    PlaceInTwips(*components_[bar], kComponents[bar]);
    PlaceInTwips(*values_[bar], kValues[bar]);
  }
  PlaceInTwips(*caption_, kCaption);
  PlaceInTwips(*swatch_, kSwatch);
}

void ColPik::SetBackColor(Colour colour) {
  backColor_ = colour;
  Fill(*this, colour);
  Fill(*caption_, colour);
  drawing_->SetBackColor(colour);
  DrawPalette();
}

void ColPik::SetSchemeColor(Colour colour) {
  redraw_ = true;
  MakeCurrent(colour);
}

void ColPik::MakeCurrent(Colour colour) {
  const Colour rgb = ToRgbColour(colour);
  SetSwatch(rgb);
  // Each bar that moves reports its change (and may make its own colour current meanwhile).
  bars_[0]->setValue(RedOf(rgb));
  bars_[1]->setValue(GreenOf(rgb));
  bars_[2]->setValue(BlueOf(rgb));
  if (redraw_) DrawStrips(rgb);
}

void ColPik::BarChanged(int bar) {
  for (int i = 0; i < 3; ++i) values_[i]->setText(QString::fromStdString(Str(bars_[i]->value())));
  Fill(*components_[bar], PureComponent(bar, bars_[bar]->value()));
  const Colour rgb = BarsColour();
  SetSwatch(rgb);
  if (redraw_) MakeCurrent(rgb);
  Q_EMIT SelColor(rgb);
}

Colour ColPik::BarsColour() const {
  return RGB(bars_[0]->value(), bars_[1]->value(), bars_[2]->value());
}

void ColPik::SetSwatch(Colour rgb) {
  swatchColour_ = rgb;
  Fill(*swatch_, rgb);
}

void ColPik::DrawPalette() {
  drawing_->Clear();
  Surface& surface = drawing_->Drawing();
  for (int n = 0; n < kPaletteColours; ++n) {
    const UnitBox box = PaletteBox(n);
    const int left = UnitX(box.left);
    const int right = UnitX(box.right);
    surface.FillRect(left, box.top, right, box.bottom, PaletteColour(n));
    surface.FrameRect(left, box.top, right, box.bottom, kOutline, 1);
  }
  DrawStrips(stripColour_);
}

void ColPik::DrawStrips(Colour rgb) {
  stripColour_ = rgb;
  Surface& surface = drawing_->Drawing();
  for (int level = 0; level < kShadeLevels; ++level) {
    // Level L fills its own unit column, so the strips have no gaps at any scale.
    const int left = UnitX(kStripLeft + level);
    const int right = std::max(left, UnitX(kStripLeft + level + 1) - 1);
    surface.FillRect(left, kBlackStripTop, right, kBlackStripBottom, clrBlackness(rgb, level));
    surface.FillRect(left, kWhiteStripTop, right, kWhiteStripBottom, clrWhiteness(rgb, level));
  }
}

void ColPik::mouseReleaseEvent(QMouseEvent* event) {
  // Only the control's own surface picks: the bars, boxes and labels have their own roles.
  const QPoint at = event->position().toPoint();
  if (QWidget* under = childAt(at); under != nullptr && under != drawing_) return;
  const double x = PixelsToTwipsX(*this, event->position().x()) / kUnitTwipsX;
  const double y = PixelsToTwipsY(*this, event->position().y());
  const Colour picked = PickerColourAt(x, y, stripColour_, ToRgbColour(backColor_));
  if (y >= kPaletteBottom) redraw_ = false;  // picking a shade keeps the strips
  MakeCurrent(picked);
  redraw_ = true;
  Q_EMIT SelColor(picked);
}

void ColPik::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  DrawPalette();
  redraw_ = true;
  Fill(*caption_, backColor_);
}

}  // namespace sl
