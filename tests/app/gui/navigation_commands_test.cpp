#include "app/navigation_commands.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "app/gui/form1_fixture.h"
#include "gui_support/modal_watch.h"
#include "puzzle/show_puzzle.h"
#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

class NavigationTest : public test::Form1Fixture {
 protected:
  void Click(const char* button, Qt::MouseButton which = Qt::LeftButton) {
    QTest::mouseClick(form->Button(QString::fromLatin1(button)), which);
  }
  QString Position() const { return form->Label1().text(); }
  NavigationCommands& Commands() { return *form->FindCommands<NavigationCommands>(); }

  // Runs the action and returns the title and text of the message box it shows (and closes).
  template <class Action>
  std::pair<QString, QString> MessageOf(Action action) {
    std::pair<QString, QString> seen;
    test::ModalWatch watch([&](QWidget& modal) {
      auto* box = qobject_cast<QMessageBox*>(&modal);
      if (!box) {
        modal.close();
        return;
      }
      seen = {box->windowTitle(), box->text()};
      box->accept();
    });
    action();
    EXPECT_TRUE(watch.Handled());
    return seen;
  }
};

TEST_F(NavigationTest, NextAndPreviousWrapAroundAndTheRightButtonJumpsToTheEnds) {
  Start(test::kFivePuzzles);
  Click("Command8");
  EXPECT_EQ(Position(), QStringLiteral("p# 2 of 5"));
  EXPECT_EQ(form->Statx().text(), QStringLiteral("Puzzle read"));
  EXPECT_EQ(form->Button(QStringLiteral("Command5"))->toolTip(), QStringLiteral("p# 2 of 5"));

  Click("Command8", Qt::RightButton);  // the last puzzle, of size 10
  EXPECT_EQ(Position(), QStringLiteral("p# 5 of 5"));
  EXPECT_EQ(form->Label3().text(), QStringLiteral("10"));
  Click("Command8");
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  Click("Command5");
  EXPECT_EQ(Position(), QStringLiteral("p# 5 of 5"));
  Click("Command5", Qt::RightButton);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY");
}

TEST_F(NavigationTest, ABrokenRecordKeepsThePuzzleOnScreenButMovesTheNumber) {
  Start(test::kFivePuzzles);
  Click("Command8");
  Click("Command8");
  ASSERT_EQ(Position(), QStringLiteral("p# 3 of 5"));
  Click("Command8");
  EXPECT_EQ(form->Statx().text(), QStringLiteral("Error in reading puzzle"));
  EXPECT_EQ(form->State().play.PuzzleNumber, 4);
  EXPECT_EQ(Position(), QStringLiteral("p# 3 of 5"));
  EXPECT_EQ(form->State().puzzle.Wlist.front(), "ELECTIONEERS");
  EXPECT_EQ(form->Label3().text(), QStringLiteral("12"));
  Click("Command8");  // and the next one reads again
  EXPECT_EQ(Position(), QStringLiteral("p# 5 of 5"));
}

TEST_F(NavigationTest, RandomShowsPuzzlesOfTheFileOnly) {
  Start(test::kFivePuzzles);
  for (int i = 0; i < 25; ++i) {
    Click("Command11", i % 2 ? Qt::RightButton : Qt::LeftButton);
    const int32_t n = form->State().play.PuzzleNumber;
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 5);
    if (n != 4) {
      EXPECT_EQ(Position().toStdString(), PositionText(n, 5));
    }
  }
}

TEST_F(NavigationTest, AFileOfOnePuzzleStaysPutAndAnEmptyFileIsNotLoaded) {
  Start(test::kFivePuzzles);
  const std::string one = folder.Write("one.txt", "8;020407;020408;020408;020408;020407;030508;"
                                                  "030508;BLUNDERS,1;BLENDERS,1;BLANKETS,1;"
                                                  "FLANNELS,1;SLANDERS,1;BLINKERS,1;TWINKLES,1;"
                                                  "WHISKERS,1;");
  Commands().LoadPuzzleFileNamed(one);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 1"));
  EXPECT_EQ(form->label4().text(), QStringLiteral("one.txt"));
  form->SetStatus(QStringLiteral("untouched"));
  Click("Command8");
  Click("Command5");
  Click("Command11");
  EXPECT_EQ(form->Statx().text(), QStringLiteral("untouched"));
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 1"));

  Commands().LoadPuzzleFileNamed(folder.Write("empty.txt", ""));
  EXPECT_EQ(form->State().play.PuzzleFile, one);
}

TEST_F(NavigationTest, AFileThatVanishedIsReportedNotReadAsSuccess) {
  Start(test::kFivePuzzles);
  std::remove(folder.File("puzzles.txt").c_str());
  Click("Command8");
  EXPECT_EQ(form->Statx().text(), QStringLiteral("Error in reading puzzle"));
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
}

TEST_F(NavigationTest, SaveAppendsTheShownPuzzleAndTellsTheCount) {
  Start(test::kFivePuzzles);
  const std::string saved = folder.File("saved.txt");
  auto [title, text] = MessageOf([&] { Commands().SavePuzzleTo(saved); });
  EXPECT_EQ(title, QStringLiteral("Stacklinks"));
  EXPECT_EQ(text, QString::fromStdString("Puzzle appended to file:\r\n" + saved + "\r\n 1 puzzles"));
  std::tie(title, text) = MessageOf([&] { Commands().SavePuzzleTo(saved); });
  EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n 2 puzzles")));
  std::string first = std::string(test::kFivePuzzles).substr(0, std::string(test::kFivePuzzles).find("\r\n") + 2);
  // Showing a puzzle looks up its clues, which sets the meaning numbers of words 1 and N to 0.
  first.replace(first.find("CURRENCY,1"), 10, "CURRENCY,0");
  first.replace(first.find("NOBILITY,1"), 10, "NOBILITY,0");
  EXPECT_EQ(folder.Read("saved.txt"), first + first);
}

TEST_F(NavigationTest, AFailedSaveIsReportedAndWritesNothing) {
  Start(test::kFivePuzzles);
  const std::string unreachable = folder.File("no such folder/saved.txt");
  const auto [title, text] = MessageOf([&] { Commands().SavePuzzleTo(unreachable); });
  EXPECT_EQ(title, QStringLiteral("Stacklinks"));
  EXPECT_TRUE(text.startsWith(QStringLiteral("The puzzle could not be written"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("appended")));
  EXPECT_EQ(folder.Read("no such folder/saved.txt"), "<missing>");
}

TEST_F(NavigationTest, SaveWithNoPuzzleShownRefusesBeforeAskingForAFile) {
  Start("");
  const auto [title, text] = MessageOf([&] {
    form->MenuEntry(QStringLiteral("mnusave"))->trigger();
  });
  EXPECT_EQ(title, QStringLiteral("Stacklinks"));
  EXPECT_TRUE(text.startsWith(QStringLiteral("There is no puzzle to save")));
}

}  // namespace
}  // namespace sl
