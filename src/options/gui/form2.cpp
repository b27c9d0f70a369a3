#include "options/gui/form2.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <algorithm>

#include "common/numbers.h"
#include "options/gui/col_pik.h"
#include "toolkit/gui/screen_colours.h"
#include "options/scheme_file.h"
#include "output/render/qpainter_surface.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"

namespace sl {

namespace {

constexpr int kSmallestSample = 8;
constexpr int kLargestSample = 32;

QString SchemeCaption(const QString& name) { return QStringLiteral("Colour Scheme: ") + name; }

}  // namespace

Form2::Form2(OptionsSettings settings, QWidget* parent)
    : QDialog(parent), settings_(std::move(settings)) {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Stacklinks Options"));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  c_ = BuildForm2Controls(*this, roles_);

  for (const std::string& name : settings_.schemeNames) c_.schemeList->addItem(FromCp1252(name));
  for (const QString& family : QFontDatabase::families()) {
    if (!QFontDatabase::isPrivateFamily(family)) c_.fontList->addItem(family);
  }

  connect(c_.schemeList, &QComboBox::activated, this, [this] { SchemeChosen(); });
  connect(c_.shade, &BoxControl::MouseUp, this, [this](int button) { Shade(button); });
  connect(c_.picker, &ColPik::SelColor, this, [this](Colour colour) {
    if (!settingPicker_) selected_ = colour;
  });
  connect(c_.fontList, &QListWidget::currentRowChanged, this, [this] { FontChosen(); });
  connect(c_.sample, &ClickLabel::MouseUp, this, [this](int button) { SampleSize(button); });
  connect(c_.colourLabel, &ClickLabel::MouseUp, this, [this] { TakeFontColour(); });
  connect(c_.apply, &BoxControl::MouseUp, this, [this] { Apply(); });
  connect(c_.exit, &BoxControl::MouseUp, this, [this] { hide(); });
}

void Form2::showEvent(QShowEvent* event) {
  appliedColours_ = settings_.appearance.SchemeColours;
  appliedSchemeName_ = settings_.appearance.SchemeName;
  FillFromSettings();
  QDialog::showEvent(event);
}

void Form2::hideEvent(QHideEvent* event) {
  settings_.appearance.SchemeColours = appliedColours_;
  settings_.appearance.SchemeName = appliedSchemeName_;
  QDialog::hideEvent(event);
}

void Form2::FillFromSettings() {
  const Appearance& appearance = settings_.appearance;
  const GridLook& look = settings_.look;
  ShowInPicker(appearance.SchemeColours[kBackgroundSlot]);
  const QString listText = FromCp1252(SchemeListText(appearance.SchemeName));
  c_.schemeList->setCurrentIndex(
      c_.schemeList->findText(listText, Qt::MatchExactly | Qt::MatchCaseSensitive));
  c_.schemeFrame->setTitle(SchemeCaption(FromCp1252(appearance.SchemeName)));
  roles_.Paint(RoleColoursOf(appearance));
  c_.hideHints->setChecked(appearance.HideCornerHints != 0);

  QFont sample(FromCp1252(look.GridFontName));
  sample.setPointSizeF(std::max(1, look.GridFontSize));
  c_.sample->setFont(sample);
  SetSampleColour(appearance.FontColour);
  SetColourLabel(appearance.FontColour);

  const QString fontName = FromCp1252(look.GridFontName);
  for (int row = 0; row < c_.fontList->count(); ++row) {
    if (c_.fontList->item(row)->text().compare(fontName, Qt::CaseInsensitive) != 0) continue;
    c_.fontList->scrollToItem(c_.fontList->item(row), QAbstractItemView::PositionAtTop);
    if (c_.fontList->currentRow() == row) {
      FontChosen();
    } else {
      c_.fontList->setCurrentRow(row);
    }
    break;
  }
  if (look.GridStyle >= 0 && look.GridStyle < static_cast<int>(c_.styles.size())) {
    c_.styles[look.GridStyle]->setChecked(true);
  }
}

void Form2::SchemeChosen() {
  Appearance& appearance = settings_.appearance;
  const QString name = c_.schemeList->currentText() + QStringLiteral(".col");
  Colour preview = 0;
  if (!PreviewColourScheme(settings_.schemeListPath, ToCp1252(name), appearance.SchemeColours,
                           preview)) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Stacklinks"),
                    QStringLiteral("Color Scheme: ") + name + QStringLiteral(" not found"),
                    QMessageBox::Ok, this);
    box.exec();
    appearance.SchemeName = kSystemSchemeName;
  }
  ShowInPicker(preview);
  c_.picker->Refresh();
  QCoreApplication::processEvents();
  appearance.SchemeColours[kButtonShadeSlot] = appearance.SchemeColours[kButtonSlot];
  Repaint();
  QCoreApplication::processEvents();
  ShowInPicker(preview);
}

void Form2::ShowInPicker(Colour colour) {
  // The picker reports the colours its bars pass through; those are the window's doing, and
  // taking one as the font colour would paint the letters in the background colour.
  settingPicker_ = true;
  c_.picker->SetSchemeColor(colour);
  settingPicker_ = false;
}

void Form2::Shade(int button) {
  SchemeTable& colours = settings_.appearance.SchemeColours;
  // A system colour is shaded from the colour it shows as.
  colours[kButtonSlot] = AdjustButtonShade(ToRgbColour(colours[kButtonSlot]), button);
  colours[kButtonShadeSlot] = colours[kButtonSlot];
  Repaint();
}

void Form2::FontChosen() {
  const QListWidgetItem* item = c_.fontList->currentItem();
  if (!item) return;
  QFont sample = c_.sample->font();
  sample.setFamily(item->text());
  sample.setItalic(false);
  c_.sample->setFont(sample);
}

void Form2::SampleSize(int button) {
  int size = RoundHalfEven(c_.sample->font().pointSizeF());
  if (button == kMouseLeft) ++size;
  if (button == kMouseRight) --size;
  QFont sample = c_.sample->font();
  sample.setPointSize(std::clamp(size, kSmallestSample, kLargestSample));
  c_.sample->setFont(sample);
}

void Form2::TakeFontColour() {
  SetSampleColour(selected_);
  SetColourLabel(selected_);
}

void Form2::Apply() {
  Appearance& appearance = settings_.appearance;
  GridLook& look = settings_.look;
  const QString scheme = c_.schemeList->currentText();
  if (!scheme.isEmpty()) appearance.SchemeName = ToCp1252(scheme) + ".col";
  appearance.HideCornerHints = c_.hideHints->isChecked() ? 1 : 0;
  QFont sample = c_.sample->font();
  look.GridFontName = ToCp1252(sample.family());
  look.GridFontSize = RoundHalfEven(sample.pointSizeF());
  sample.setItalic(false);
  sample.setBold(false);
  c_.sample->setFont(sample);
  if (const int style = c_.styleGroup->checkedId(); style >= 0) look.GridStyle = style;
  appearance.FontColour = fontColour_;
  if (settings_.reapplyAppearance) settings_.reapplyAppearance();
  appliedColours_ = appearance.SchemeColours;
  appliedSchemeName_ = appearance.SchemeName;
}

void Form2::Repaint() {
  c_.schemeFrame->setTitle(SchemeCaption(c_.schemeList->currentText()));
  roles_.Paint(RoleColoursOf(settings_.appearance));
}

void Form2::SetSampleColour(Colour colour) {
  SetPaletteColour(*c_.sample, {QPalette::WindowText}, ScreenColour(colour));
}

void Form2::SetColourLabel(Colour colour) {
  fontColour_ = colour;
  SetPaletteColour(*c_.colourLabel, {QPalette::Window}, ScreenColour(colour));
}

}  // namespace sl
