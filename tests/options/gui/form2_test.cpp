#include "options/gui/form2.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <memory>

#include "gui_support/choose_scheme.h"
#include "gui_support/modal_watch.h"
#include "options/gui/col_pik.h"
#include "toolkit/gui/screen_colours.h"
#include "options/scheme_file.h"
#include "support/scheme_blocks.h"
#include "support/temp_folder.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"

namespace sl {
namespace {

class Form2Test : public ::testing::Test {
 protected:
  Form2Test() {
    folder_.Write("all.col", test::SchemeBlock("xp.col", "236;233;216", "196;212;242") +
                                 test::SchemeBlock("blue.col", "200;220;240", "250;5;100") +
                                 "broken.col\r\n1;2\r\ndefault.col\r\n");
    names_ = ReadSchemeList(folder_.File("all.col"));
    LoadColourScheme(folder_.File("all.col"), "xp.col", appearance_.SchemeColours);
    appearance_.FontColour = RGB(128, 0, 0);
    form_ = std::make_unique<Form2>(OptionsSettings{appearance_, look_, names_,
                                                    folder_.File("all.col"),
                                                    [this] { ++reapplied_; }});
    form_->show();
  }
  const Form2Controls& C() { return form_->Controls(); }
  void Choose(const char* scheme) { test::ChooseScheme(C(), scheme); }
  void Release(QWidget* widget, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(widget, button);
  }
  QColor Background(QWidget* widget) { return widget->palette().color(QPalette::Window); }
  Colour Slot(int slot) { return appearance_.SchemeColours[slot]; }

  test::TempFolder folder_;
  Appearance appearance_;
  GridLook look_;
  std::vector<std::string> names_;
  int reapplied_ = 0;
  std::unique_ptr<Form2> form_;
};

TEST_F(Form2Test, ShowsTheSettingsAndPreviewsAChosenSchemeAtOnce) {
  EXPECT_EQ(C().schemeList->currentText(), QStringLiteral("xp"));
  EXPECT_EQ(C().schemeFrame->title(), QStringLiteral("Colour Scheme: xp.col"));
  EXPECT_EQ(C().apply->BackColor(), RGB(196, 212, 242));

  Choose("blue");
  EXPECT_EQ(C().schemeFrame->title(), QStringLiteral("Colour Scheme: blue"));
  EXPECT_EQ(Background(C().fontList), QColor(200, 220, 240));
  EXPECT_EQ(C().picker->SchemeColor(), RGB(200, 220, 240));
  EXPECT_EQ(Slot(kButtonShadeSlot), RGB(250, 5, 100));
  EXPECT_EQ(appearance_.SchemeName, "xp.col");  // only Apply changes the name
  Release(C().shade, Qt::RightButton);
  EXPECT_EQ(C().exit->BackColor(), RGB(255, 15, 110));

  Choose("default");  // the system look, without reading the file; "+-" shades what it shows
  const QColor shown = ScreenColour(kSystemWindow);
  Release(C().shade);
  auto darker = [](int c) { return std::max(10, c - 10); };
  EXPECT_EQ(Slot(kButtonSlot),
            RGB(darker(shown.red()), darker(shown.green()), darker(shown.blue())));
}

// A preview left with Exit (or the close box) is not applied later nor saved: the colour table,
// ButtonShade included, and the scheme name are as they were.
TEST_F(Form2Test, ClosingWithoutApplyEndsThePreview) {
  const SchemeTable before = appearance_.SchemeColours;
  Choose("blue");
  Release(C().shade);
  Release(C().exit);
  EXPECT_EQ(appearance_.SchemeColours, before);
  EXPECT_EQ(appearance_.SchemeName, "xp.col");

  form_->show();
  test::ModalWatch watch([](QWidget& box) { static_cast<QMessageBox&>(box).accept(); });
  Choose("broken");  // falls back to the system scheme while previewed
  form_->close();
  EXPECT_EQ(appearance_.SchemeColours, before);
  EXPECT_EQ(appearance_.SchemeName, "xp.col");
}

TEST_F(Form2Test, AnUnreadableSchemeSaysSoPlainlyAndFallsBackToTheSystemScheme) {
  QString text;
  test::ModalWatch watch([&](QWidget& box) {
    text = static_cast<QMessageBox&>(box).text();
    static_cast<QMessageBox&>(box).accept();
  });
  Choose("broken");
  EXPECT_TRUE(watch.Handled());
  EXPECT_EQ(text, QStringLiteral("Color Scheme: broken.col not found"));
  EXPECT_EQ(appearance_.SchemeName, "default.col");
  EXPECT_EQ(C().picker->SchemeColor(), kBlack);
}

TEST_F(Form2Test, FontSizeColourAndStyleReachTheSettingsOnlyThroughApply) {
  Release(C().colourLabel);  // nothing picked yet: black, not the colour the window showed
  EXPECT_EQ(Background(C().colourLabel), QColor(0, 0, 0));
  for (int i = 0; i < 20; ++i) Release(C().sample);
  EXPECT_EQ(C().sample->font().pointSize(), 32);
  for (int i = 0; i < 30; ++i) Release(C().sample, Qt::RightButton);
  EXPECT_EQ(C().sample->font().pointSize(), 8);
  Release(C().sample);
  QTest::mouseClick(C().picker, Qt::LeftButton, {}, QPoint(50, 8));  // palette green
  Release(C().colourLabel);
  C().styles[0]->setChecked(true);
  C().hideHints->setChecked(true);
  Choose("blue");
  EXPECT_EQ(look_.GridFontSize, 16);  // nothing applied yet

  Release(C().apply, Qt::RightButton);  // any button
  EXPECT_EQ(reapplied_, 1);
  EXPECT_EQ(appearance_.SchemeName, "blue.col");
  EXPECT_EQ(look_.GridFontSize, 9);
  EXPECT_EQ(look_.GridStyle, 0);
  EXPECT_EQ(appearance_.FontColour, RGB(0, 128, 0));
  EXPECT_EQ(appearance_.HideCornerHints, 1);

  // Changes that were not applied are gone when the window is shown again.
  Release(C().sample);
  C().styles[1]->setChecked(true);
  Release(C().exit);
  form_->show();
  EXPECT_EQ(C().sample->font().pointSize(), 9);
  EXPECT_TRUE(C().styles[0]->isChecked());
}

}  // namespace
}  // namespace sl
