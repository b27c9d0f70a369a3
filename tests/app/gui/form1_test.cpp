#include "app/form1.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "app/gui/form1_fixture.h"
#include "app/size_label_command.h"
#include "output/gui/twip_geometry.h"
#include "puzzle/gui/grid_view.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"

namespace sl {
namespace {

class Form1Test : public test::Form1Fixture {
 protected:
  void BeforeStartUp() override {
    dictionaryNeeded = std::make_unique<QSignalSpy>(form.get(), &Form1::DictionaryNeeded);
  }
  std::unique_ptr<QSignalSpy> dictionaryNeeded;
};

TEST_F(Form1Test, FirstTickShowsPuzzleOneOfPuzzlesTxtInTheCurrentFolder) {
  Start(test::kFivePuzzles);
  EXPECT_EQ(form->Label1().text(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(form->label4().text(), QStringLiteral("puzzles.txt"));
  EXPECT_EQ(form->label4().toolTip(), QStringLiteral("puzzles.txt"));
  EXPECT_EQ(form->Label3().text(), QStringLiteral("8"));
  EXPECT_EQ(form->Statx().text(), QString());
  EXPECT_TRUE(form->Label5().text().startsWith(QStringLiteral("Linked Letters: ")));
  EXPECT_EQ(form->Button(QStringLiteral("Command8"))->toolTip(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(form->Button(QStringLiteral("Command5"))->toolTip(), QStringLiteral("p# 1 of 5"));
  EXPECT_FALSE(form->Shape1().isVisible());

  const GameState& state = form->State();
  EXPECT_EQ(state.play.PuzzleFile, "puzzles.txt");
  EXPECT_EQ(state.play.PuzzleNumber, 1);
  EXPECT_EQ(state.play.CursorRow, -1);
  EXPECT_EQ(state.puzzle.Wlist.front(), "CURRENCY");
  EXPECT_EQ(state.puzzle.Entry[8][8], ".");
  EXPECT_EQ(state.play.TempPuzzleFile, state.play.AppFolder + "temporarypuzzle.txt");
  EXPECT_EQ(state.play.AppFolder.back(), '/');
  // Once for the first tick's dictionary, once because the record's size 8 replaced 12, and the
  // grid follows the new size.
  EXPECT_EQ(dictionaryNeeded->count(), 2);
  EXPECT_EQ(state.geometry.GridLeft, 1300);
}

TEST_F(Form1Test, WithoutAnyPuzzleFileTheGridStaysEmptyAndSilent) {
  Start("");
  EXPECT_EQ(form->Statx().text(), QString());
  EXPECT_EQ(form->Label1().text(), QString());
  EXPECT_EQ(form->label4().text(), QString());
  EXPECT_EQ(form->Label3().text(), QStringLiteral("12"));
  EXPECT_TRUE(form->State().play.PuzzleFile.empty());
  EXPECT_EQ(form->State().play.PuzzleNumber, 0);
  EXPECT_TRUE(form->State().puzzle.Empty());
}

TEST_F(Form1Test, AnUnreadableFirstPuzzleIsForgotten) {
  Start("8;020608;CURRENCY\r\n");
  EXPECT_EQ(form->Statx().text(), QString());
  EXPECT_TRUE(form->State().play.PuzzleFile.empty());
  EXPECT_EQ(form->State().play.PuzzleNumber, 0);
}

TEST_F(Form1Test, ControlsSitAtTheirDesignedPlacesWithNamesAndTips) {
  Start(test::kFivePuzzles);
  EXPECT_EQ(form->windowTitle(), QStringLiteral("   Stacklinks"));
  QWidget* client = form->centralWidget();
  EXPECT_EQ(client->minimumWidth(), TwipsToPixelsX(*client, 9285));
  EXPECT_EQ(client->minimumHeight(), TwipsToPixelsY(*client, 7395));
  EXPECT_GT(client->maximumWidth(), TwipsToPixelsX(*client, 10230));  // cmdreset can be reached

  struct Expected {
    const char* name;
    int left, top, width, height;
    const char* tip;
  };
  const Expected controls[] = {
      {"Picture2", 30, 30, 5800, 6585, ""},
      {"Frame1", 5880, 60, 3375, 7275, ""},
      {"picouter", 90, 270, 3195, 6510, ""},
      {"Label5", 90, 6870, 3195, 315, ""},
      {"cmdloadict", 30, 6660, 315, 345, "Load a Dictionary"},
      {"Label2", 375, 6660, 1785, 345, ""},
      {"Statx", 2160, 6660, 2355, 345, ""},
      {"cmddone", 4545, 6660, 315, 345, "Check if puzzle done"},
      {"cmdshowsol", 4860, 6660, 315, 345, "Show Solution"},
      {"command15", 5175, 6660, 315, 345, "Refresh clues"},
      {"cmdcreate", 5490, 6660, 315, 345, "Create a new puzzle"},
      {"Command9", 30, 7020, 315, 345, "Load a puzzle file"},
      {"Label1", 375, 7020, 1800, 345, ""},
      {"label4", 2175, 7020, 2355, 345, "puzzles.txt"},
      {"Label3", 4530, 7020, 315, 345, "Puzzle size, click to change"},
      {"Command5", 4860, 7020, 315, 345, "p# 1 of 5"},
      {"Command11", 5175, 7020, 315, 345, "Random puzzle"},
      {"Command8", 5490, 7020, 315, 345, "p# 1 of 5"},
      {"cmdreset", 9915, 6510, 315, 345, "Clear User Entries"},
      {"Command16", 9600, 6510, 315, 345, "Cancel puzzle creation"},
  };
  for (const Expected& c : controls) {
    QWidget* widget = form->findChild<QWidget*>(QString::fromLatin1(c.name));
    ASSERT_NE(widget, nullptr) << c.name;
    QWidget probe;
    PlaceInTwips(probe, c.left, c.top, c.width, c.height);
    EXPECT_EQ(widget->geometry(), probe.geometry()) << c.name;
    EXPECT_EQ(widget->toolTip(), QString::fromLatin1(c.tip)) << c.name;
  }
  EXPECT_EQ(form->Frame1().title(), QStringLiteral("Clues"));
  EXPECT_EQ(form->Button(QStringLiteral("Command2"))->Caption(), QStringLiteral("Trigger SetCol"));
  EXPECT_EQ(form->Button(QStringLiteral("Command18"))->Caption(), QStringLiteral("CreateMulti"));
  for (const char* icon : {"cmdloadict", "cmddone", "cmdshowsol", "command15", "cmdcreate",
                           "Command9", "Command5", "Command11", "Command8"}) {
    EXPECT_FALSE(form->Button(QString::fromLatin1(icon))->Picture().isNull()) << icon;
  }
}

// The captions of a menu's entries in order, "-" for a separator, with their objectNames.
QStringList Entries(QMenu* menu) {
  QStringList entries;
  for (QAction* action : menu->actions()) {
    entries << (action->isSeparator() ? QStringLiteral("-")
                                      : action->objectName() + "=" + action->text());
  }
  return entries;
}

TEST_F(Form1Test, BothMenusHoldTheirEntriesInOrder) {
  Start(test::kFivePuzzles);
  QList<QAction*> top = form->menuBar()->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), QStringLiteral("File"));
  EXPECT_EQ(top[0]->menu()->objectName(), QStringLiteral("mnumain"));
  EXPECT_EQ(top[1]->text(), QStringLiteral("Puzzle"));
  EXPECT_EQ(top[1]->menu()->objectName(), QStringLiteral("mnudictx"));
  EXPECT_EQ(Entries(top[0]->menu()).join('|'),
            QStringLiteral("mnucolsch=Edit Options|mnusaveopts=Save Options|-|"
                           "mnudict=Load a Dictionary|mnuloadpuz=Load a Puzzle File|-|"
                           "mnuprint=Print|mnuhelp=Help|mnuabout=About|-|cmdexitx=Exit|-|"
                           "can1=Cancel"));
  EXPECT_EQ(Entries(top[1]->menu()).join('|'),
            QStringLiteral("mnucreate=Create|mnureset=Reset|-|mnusave=Save|"
                           "mnucopy2clip=Copy to Clipboard|-|can6=Cancel"));
  EXPECT_EQ(form->MenuEntry(QStringLiteral("mnusave")), top[1]->menu()->actions()[3]);
}

TEST_F(Form1Test, SizeLabelStepsThroughEightToTwelve) {
  Start(test::kFivePuzzles);
  ClickLabel& label = form->Label3();
  QStringList seen;
  for (int i = 0; i < 6; ++i) {
    QTest::mouseClick(&label, i % 2 ? Qt::RightButton : Qt::LeftButton);
    seen << label.text();
  }
  EXPECT_EQ(seen.join(' '), QStringLiteral("9 10 11 12 8 9"));
  EXPECT_EQ(form->State().puzzle.PuzzleSize, 8);  // the label changes nothing else
  EXPECT_EQ(NextSizeLabelText("5"), "6");
  EXPECT_EQ(NextSizeLabelText("0"), "1");
}

}  // namespace
}  // namespace sl
