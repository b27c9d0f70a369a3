#include "options/gui/form2_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>

#include "options/gui/col_pik.h"
#include "options/gui/colour_roles.h"
#include "toolkit/gui/twip_geometry.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/plain_frame.h"

namespace sl {

namespace {

// Two columns: the scheme and the picker on the left, the fonts and the grid style on the
// right, the two window buttons under the right column.
constexpr int kClientWidth = 6000;
constexpr int kClientHeight = 4080;
constexpr TwipRect kSchemeFrame = {120, 90, 2610, 765};
constexpr TwipRect kSchemeList = {120, 315, 1935, 330};
constexpr TwipRect kShade = {2130, 315, 360, 330};
constexpr TwipRect kPickerFrame = {120, 945, 2610, 2490};
constexpr TwipRect kPicker = {120, 390, ColPik::kWidthTwips, ColPik::kHeightTwips};
constexpr TwipRect kFontFrame = {2850, 90, 3030, 2580};
constexpr TwipRect kFontList = {120, 315, 2790, 1170};
constexpr TwipRect kSample = {120, 1575, 2100, 690};
constexpr TwipRect kColourLabel = {2310, 1575, 600, 690};
constexpr TwipRect kHideHints = {120, 2310, 2790, 255};
constexpr TwipRect kGridFrame = {2850, 2760, 3030, 675};
constexpr TwipRect kStyles[] = {
    {240, 330, 855, 255}, {1140, 330, 855, 255}, {2040, 330, 855, 255}};
constexpr TwipRect kApply = {3930, 3570, 930, 375};
constexpr TwipRect kExit = {4950, 3570, 930, 375};
const char* const kStyleCaptions[] = {"Flat", "Raised", "Sunk"};

QGroupBox* Frame(QWidget* parent, const char* name, const char* caption,
                 const TwipRect& place) {
  return Placed(new PlainFrame(QString::fromLatin1(caption), parent), name, place);
}

BoxControl* Button(QWidget* parent, const char* name, const char* caption, const char* tip,
                   const TwipRect& place) {
  BoxControl* button = Placed(new BoxControl(parent), name, place);
  button->SetCaption(QString::fromLatin1(caption));
  button->setToolTip(QString::fromLatin1(tip));
  return button;
}

}  // namespace

Form2Controls BuildForm2Controls(QDialog& window, ColourRoles& roles) {
  // The window's design font: the control sizes above are made for it.
  QFont designFont(QStringLiteral("Arial"));
  designFont.setPointSizeF(8);
  window.setFont(designFont);
  Form2Controls c;
  QGroupBox* schemeFrame = Frame(&window, "Frame1", "Colour Scheme", kSchemeFrame);
  c.schemeFrame = schemeFrame;
  c.schemeList = Placed(new QComboBox(schemeFrame), "Combo1", kSchemeList);
  c.shade = Button(schemeFrame, "cmdshade", "+-",
                   "Left click darkens, right click lightens the buttons", kShade);

  QGroupBox* pickerFrame = Frame(&window, "Frame2", "Select Colour", kPickerFrame);
  c.picker = Placed(new ColPik(pickerFrame), "ColPik1", kPicker);

  QGroupBox* fontFrame = Frame(&window, "Frame3", "Fonts", kFontFrame);
  c.fontList = Placed(new QListWidget(fontFrame), "List1", kFontList);
  QFont listFont(QStringLiteral("Courier New"));
  listFont.setPointSizeF(9);
  c.fontList->setFont(listFont);
  c.fontList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  c.fontList->setTextElideMode(Qt::ElideRight);
  c.sample = Placed(new ClickLabel(QStringLiteral("ABC"), fontFrame), "Label1", kSample);
  c.sample->setAlignment(Qt::AlignCenter);
  c.sample->setToolTip(QStringLiteral("Left-Rightclick to set font size"));
  c.sample->setFrameShape(QFrame::StyledPanel);
  c.colourLabel = Placed(new ClickLabel(fontFrame), "Label2", kColourLabel);
  c.colourLabel->setToolTip(QStringLiteral("Click to set font colour; select colour first"));
  c.colourLabel->setFrameShape(QFrame::Box);
  c.colourLabel->setAutoFillBackground(true);
  c.hideHints = Placed(new QCheckBox(QStringLiteral("Hide Corner Hint Letters"), fontFrame),
                       "Check1", kHideHints);

  QGroupBox* gridFrame = Frame(&window, "Frame4", "Grid", kGridFrame);
  c.styleGroup = new QButtonGroup(&window);
  for (int style = 0; style < 3; ++style) {
    c.styles[style] = new QRadioButton(QString::fromLatin1(kStyleCaptions[style]), gridFrame);
    c.styles[style]->setObjectName(QStringLiteral("Option1_%1").arg(style));
    PlaceInTwips(*c.styles[style], kStyles[style]);
    c.styleGroup->addButton(c.styles[style], style);
  }

  c.apply = Button(&window, "cmdapply", "Apply", "Apply changes", kApply);
  c.exit = Button(&window, "cmdexit", "Exit", "Close this window", kExit);

  for (QWidget* widget : std::initializer_list<QWidget*>{
           &window, schemeFrame, pickerFrame, fontFrame, gridFrame, c.schemeList, c.picker,
           c.fontList, c.sample, c.hideHints, c.styles[0], c.styles[1], c.styles[2]}) {
    roles.Register(*widget, ColourRole::Background);
  }
  for (BoxControl* button : {c.shade, c.apply, c.exit}) roles.Register(*button, ColourRole::Button);

  window.setFixedSize(TwipsToPixelsX(window, kClientWidth), TwipsToPixelsY(window, kClientHeight));
  return c;
}

}  // namespace sl
