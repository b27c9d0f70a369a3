// The main window's help and about entries, its hidden maintenance tools, and Exit closing
// every other window.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>

#include "app/gui/form1_fixture.h"
#include "app/tool_commands.h"
#include "common/text_lines.h"
#include "toolkit/gui/about_form.h"
#include "toolkit/gui/form4.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/web_browser.h"

namespace sl {
namespace {

class HelpToolCommandsTest : public test::Form1Fixture {
 protected:
  void Trigger(const char* entry) { Entry(entry).trigger(); }
  // Clicks the tool's button and waits for its message box, which is answered; returns its text.
  QString RunTool(const char* button) {
    QSignalSpy ended(form->FindCommands<ToolCommands>(), &ToolCommands::ToolEnded);
    AnswerNext();
    Click(button);
    EXPECT_TRUE(ended.wait(10000));
    EXPECT_TRUE(watch->Handled());
    return message;
  }
};

TEST_F(HelpToolCommandsTest, HelpOpensThePageBesideTheProgramWithoutBlocking) {
  folder.Write("stacklinks.htm", "<p>How to play</p>");
  Start(test::kFivePuzzles);
  Trigger("mnuhelp");
  Form4* help = form->findChild<Form4*>(QStringLiteral("Form4"));
  ASSERT_TRUE(help);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(help->WebBrowser1().Url(),
            QString::fromStdString("file://" + folder.Path() + "/stacklinks.htm"));
}

TEST_F(HelpToolCommandsTest, AboutIsModalInTheSchemeColoursAndClosesOnOk) {
  Start(test::kFivePuzzles);
  form->State().appearance.SchemeColours[kBackgroundSlot] = RGB(1, 2, 3);
  QColor background;
  test::ModalWatch watchAbout([&](QWidget& modal) {
    auto* about = qobject_cast<AboutForm*>(&modal);
    ASSERT_TRUE(about);
    background = about->palette().color(QPalette::Window);
    QTest::mouseClick(&about->aboutok(), Qt::LeftButton);
  });
  Trigger("mnuabout");  // returns once the box is closed
  EXPECT_TRUE(watchAbout.Handled());
  EXPECT_EQ(background, QColor(1, 2, 3));
}

TEST_F(HelpToolCommandsTest, ExitAndTheCloseBoxCloseEveryOtherWindowFirst) {
  for (bool viaExit : {true, false}) {
    form.reset();
    Start(test::kFivePuzzles);
    Trigger("mnuhelp");
    auto* other = new QWidget(form.get(), Qt::Window);  // stands for the options or print window
    other->show();
    MsgForm::Instance();
    if (viaExit) {
      EXPECT_EQ(Answered([&] { Trigger("cmdexitx"); }), QStringLiteral("Exit?"));
    } else {
      form->close();
    }
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->findChild<Form4*>()->isVisible()) << viaExit;
    EXPECT_FALSE(other->isVisible()) << viaExit;
    EXPECT_FALSE(MsgForm::Loaded()) << viaExit;
  }
}

TEST_F(HelpToolCommandsTest, ToolsWriteBesideThePuzzleFileAndLeaveTheShownPuzzleAlone) {
  Start(std::string(test::kFivePuzzles) + test::kFivePuzzles);
  EXPECT_EQ(RunTool("Command19"), QStringLiteral("done"));
  EXPECT_EQ(messageIcon, QMessageBox::NoIcon);  // the plain box: a text and OK
  EXPECT_EQ(SplitLines(folder.Read("puzzlesnodups.txt")).size(), 5u);
  EXPECT_EQ(RunTool("Command17"), QStringLiteral("puzzles-random.txt done"));
  EXPECT_EQ(SplitLines(folder.Read("puzzles-random.txt")).size(), 10u);

  // AddMeanIndex numbers a prepared list in the current folder; the shown puzzle keeps its
  // words, clues and meaning numbers.
  const Puzzle shown = form->State().puzzle;
  folder.Write("puz321decb.txt", "8;CURRENCY;NOBODY;\r\n");
  EXPECT_EQ(RunTool("Command14"),
            QString::fromStdString(folder.File("puz321decb-withmindex.txt") + " done"));
  EXPECT_EQ(folder.Read("puz321decb-withmindex.txt"), "8;CURRENCY,1;NOBODY,-1;\r\n");
  EXPECT_EQ(form->State().puzzle.Wlist, shown.Wlist);
  EXPECT_EQ(form->State().puzzle.Clue, shown.Clue);
  EXPECT_EQ(form->State().puzzle.MeaningNumber, shown.MeaningNumber);

  // No puzzle file: a message, and nothing written.
  form->State().play.PuzzleFile = "nodot";
  EXPECT_TRUE(RunTool("Command3").startsWith(QStringLiteral("The name nodot has no")));
}

TEST_F(HelpToolCommandsTest, ClickingARunningToolAgainStopsItAndWritesNothing) {
  Start(test::kFivePuzzles);
  std::string lines;
  for (int i = 0; i < 400000; ++i) lines += std::to_string(i) + "\r\n";
  form->State().play.PuzzleFile = folder.Write("big.txt", lines);
  QSignalSpy ended(form->FindCommands<ToolCommands>(), &ToolCommands::ToolEnded);
  Click("Command17");
  EXPECT_EQ(Button("Command17").Caption(), QStringLiteral("Stop"));
  Click("Command19");  // another tool waits its turn: nothing happens
  Click("Command17");
  ASSERT_TRUE(ended.wait(10000));
  EXPECT_EQ(Status(), QStringLiteral("Randomize stopped"));
  EXPECT_EQ(Button("Command17").Caption(), QStringLiteral("Randomize"));
  EXPECT_EQ(folder.Read("big-random.txt"), "<missing>");
  EXPECT_EQ(folder.Read("bignodups.txt"), "<missing>");
}

}  // namespace
}  // namespace sl
