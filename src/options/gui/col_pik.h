#pragma once
// ColPik: the game's colour picker. A palette of the 16 standard colours and two shade strips
// (black up to the current colour, white up to it) drawn on a kept surface, three bars for red,
// green and blue with their values and pure components, a swatch and the caption "Selected
// Colour". Every colour the player picks is reported through SelColor.
#include <QWidget>
#include <array>

#include "common/colour.h"

class QFrame;
class QLabel;
class QSlider;

namespace sl {

class PictureBox;

class ColPik : public QWidget {
  Q_OBJECT

 public:
  explicit ColPik(QWidget* parent = nullptr);

  // The background of the control and of its caption; setting it redraws the palette (and the
  // strips of the current colour).
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour colour);
  // The current colour: the swatch's. Setting it makes the colour current and redraws the
  // strips for it.
  Colour SchemeColor() const { return swatchColour_; }
  void SetSchemeColor(Colour colour);
  void Refresh() { update(); }

  // Design size in twips; the parts sit at fixed places inside it.
  static constexpr int kWidthTwips = 2370;
  static constexpr int kHeightTwips = 1950;

 Q_SIGNALS:
  // A picked colour (RGB): after a click, and after every change of a bar.
  void SelColor(Colour colour);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceParts();
  void MakeCurrent(Colour colour);
  void BarChanged(int bar);
  void SetSwatch(Colour rgb);
  void DrawPalette();
  void DrawStrips(Colour rgb);
  Colour BarsColour() const;

  PictureBox* drawing_ = nullptr;
  std::array<QSlider*, 3> bars_{};
  std::array<QFrame*, 3> components_{};
  std::array<QLabel*, 3> values_{};
  QLabel* caption_ = nullptr;
  QFrame* swatch_ = nullptr;

  Colour backColor_;
  Colour swatchColour_;
  Colour stripColour_;
  bool redraw_ = true;  // off while a click on a shade strip is handled
};

}  // namespace sl
