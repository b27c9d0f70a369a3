#include "app/appearance_commands.h"

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QRadioButton>
#include <functional>

#include "app/gui/form1_fixture.h"
#include "gui_support/choose_scheme.h"
#include "options/gui/form2.h"

namespace sl {
namespace {

constexpr Colour kXpBackground = RGB(236, 233, 216);
constexpr Colour kXpButtons = RGB(196, 212, 242);
constexpr Colour kBlueBackground = RGB(200, 220, 240);
constexpr Colour kBlueButtons = RGB(150, 180, 220);

class AppearanceTest : public test::Form1Fixture {
 protected:
  // Opens "Edit Options", runs `inside` on the open window, then presses its "Exit".
  void InOptions(const std::function<void(const Form2Controls&)>& inside) {
    test::ModalWatch options([&](QWidget& modal) {
      const Form2Controls& controls = dynamic_cast<Form2&>(modal).Controls();
      inside(controls);
      QTest::mouseClick(controls.exit, Qt::LeftButton);
    });
    Entry("mnucolsch").trigger();
    EXPECT_TRUE(options.Handled());
  }
  Colour GridBackground() const { return form->Picture2().BackColor(); }
  QColor GridPixel() const { return form->Picture2().Image().pixelColor(2, 2); }
  // True when the clue list shows dark letters.
  bool CluesDrawn() const {
    const QImage clues = form->picouter().Inner().Image();
    for (int y = 0; y < clues.height(); ++y) {
      for (int x = 0; x < clues.width(); ++x) {
        if (clues.pixelColor(x, y).lightness() < 100) return true;
      }
    }
    return false;
  }
  std::string Config() const { return folder.Read("stacklinks.cfg"); }
};

// A scheme previewed in the options window and left without Apply is gone: neither the look,
// the saved settings nor the next start's buttons show it.
TEST_F(AppearanceTest, ExitWithoutApplyKeepsNothingApplyChangesTheLookSaveKeepsIt) {
  const auto config = [](const char* scheme, Colour buttons) {
    return std::string(scheme) + "\r\nenglish1.txt\r\npuzzles.txt\r\nArial\r\n8 1 16 0 " +
           std::to_string(buttons) + "\r\n";
  };
  Start(test::kFivePuzzles);
  EXPECT_EQ(GridPixel(), QColor(236, 233, 216));
  InOptions([&](const Form2Controls& options) { test::ChooseScheme(options, "blue"); });
  EXPECT_EQ(GridBackground(), kXpBackground);
  EXPECT_EQ(Button("cmddone").BackColor(), kXpButtons);
  Answered([&] { Entry("cmdexitx").trigger(); });
  EXPECT_EQ(form->FindCommands<AppearanceCommands>()->OptionsWindow(), nullptr);
  EXPECT_EQ(Config(), config("xp.col", 0));  // the next start has no button colour of its own

  InOptions([&](const Form2Controls& options) {
    test::ChooseScheme(options, "blue");
    EXPECT_EQ(GridBackground(), kXpBackground);  // the main window waits for Apply
    options.styles[0]->setChecked(true);
    QTest::mouseClick(options.apply, Qt::LeftButton);
    EXPECT_EQ(GridPixel(), QColor(200, 220, 240));  // drawn again in the new look
    EXPECT_EQ(form->State().look.GridStyle, 0);
  });
  EXPECT_EQ(form->picouter().Inner().Image().pixelColor(2, 2), QColor(200, 220, 240));
  EXPECT_TRUE(CluesDrawn());
  // The menu bar: slot 2 + 32, anything above 256 becoming 254.
  EXPECT_EQ(form->menuBar()->palette().color(QPalette::Window), QColor(232, 252, 254));
  Entry("mnusaveopts").trigger();
  EXPECT_EQ(Config(), config("blue.col", kBlueButtons));
  form.reset();
  Start("");
  EXPECT_EQ(GridBackground(), kBlueBackground);
}

TEST_F(AppearanceTest, WithoutASchemeListTheMessageShowsAndTheLookStaysReadable) {
  withSchemeList = false;
  folder.Write("stacklinks.cfg", "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 0 16 0 255\r\n");
  AnswerNext();
  Start(test::kFivePuzzles);
  ASSERT_TRUE(watch->Handled());
  EXPECT_EQ(message, QStringLiteral("Colour Scheme: xp.col not found"));
  EXPECT_EQ(GridBackground(), kButtonFace);  // the platform's look, not black
  EXPECT_EQ(Button("cmddone").BackColor(), RGB(255, 0, 0));  // the player's button colour
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
}

}  // namespace
}  // namespace sl
