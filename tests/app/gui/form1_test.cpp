#include "app/form1.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/gui/form1_fixture.h"
#include "output/render/qpainter_surface.h"

namespace sl {
namespace {

using Form1Test = test::Form1Fixture;

TEST_F(Form1Test, FirstTickShowsPuzzleOneOfPuzzlesTxtAndReadsTheDictionaryForItsSize) {
  folder.Write("english1.txt", "ABCDEFGHIJKL\r\nABCDEFGH\r\n");
  Start(test::kFivePuzzles);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(form->label4().text(), QStringLiteral("puzzles.txt"));
  EXPECT_EQ(form->Label3().text(), QStringLiteral("8"));
  EXPECT_EQ(form->State().folders.TempPuzzleFile(), folder.File("temporarypuzzle.txt"));
  // The record's size 8 replaced the default 12: dictionary and grid follow it.
  EXPECT_EQ(form->State().dictionary.Items(), std::vector<std::string>{"ABCDEFGH"});
  EXPECT_EQ(form->State().geometry.GridLeft, 1300);
}

TEST_F(Form1Test, WithoutAReadableFirstPuzzleTheGridIsClearAndCommandsNeedingOneDoNothing) {
  for (const char* puzzles : {"", "8;020608;CURRENCY\r\n"}) {
    form.reset();
    Start(puzzles);
    EXPECT_EQ(Status() + Position() + form->label4().text(), QString()) << puzzles;
    EXPECT_TRUE(Play().PuzzleFile.empty()) << puzzles;
  }
  EXPECT_EQ(form->Label3().text(), QStringLiteral("12"));
  const QImage grid = form->Picture2().Image();
  const QColor background = ToQColor(form->State().appearance.SchemeColours[kBackgroundSlot], {});
  for (int y = 0; y < grid.height(); y += 3) {
    for (int x = 0; x < grid.width(); x += 3) {
      ASSERT_EQ(grid.pixelColor(x, y), background) << x << "," << y;
    }
  }

  Click("cmdreset");  // a question here would block the test
  Click("command15");
  Click("cmddone");
  EXPECT_EQ(Status(), QStringLiteral("Fill all letters first"));
  EXPECT_TRUE(Answered([&] { Entry("mnusave").trigger(); })
                  .startsWith(QStringLiteral("There is no puzzle to save")));
}

TEST_F(Form1Test, InstalledAndStartedFromAFolderWithoutItsFilesItOpensTheShippedOnes) {
  test::TempFolder shipped;
  test::TempFolder home;
  shipped.Write("puzzles.txt", test::kFivePuzzles);
  shipped.Write("english1.txt", "ABCDEFGHIJKL\r\nABCDEFGH\r\n");
  const GameFolders folders = DecideGameFolders(
      {"/nowhere/bin/", false, shipped.Path(), home.File("config"), home.File("share")});
  Start("", folders);  // the current folder holds neither "puzzles.txt" nor "english1.txt"
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(Play().PuzzleFile, shipped.File("puzzles.txt"));
  EXPECT_EQ(form->State().dictionary.Items(), std::vector<std::string>{"ABCDEFGH"});
  EXPECT_EQ(form->State().puzzle.Clue[1], "money");  // the shipped meanings
  // The settings were written with their defaults into the player's folder; nothing was
  // written where the data are.
  EXPECT_TRUE(FileExists(home.File("config/stacklinks/stacklinks.cfg")));
  EXPECT_EQ(form->State().folders.TempPuzzleFile(),
            home.File("share/stacklinks/temporarypuzzle.txt"));
  EXPECT_EQ(shipped.Read("stacklinks.cfg"), "<missing>");
}

TEST_F(Form1Test, MenusCarryTheirNamesCaptionsAndMnemonicsAndEveryButtonCanBeReached) {
  Start(test::kFivePuzzles);
  EXPECT_FALSE(Button("Command8").Picture().isNull());
  // cmdreset, beyond the designed width, can be reached by widening the window.
  EXPECT_GE(form->centralWidget()->maximumWidth(), Button("cmdreset").geometry().right());

  // menu=Caption, then entry=Caption ("-" a separator, "(off)" an entry whose work is to come);
  // captions as shown, without the "&" that marks the mnemonic. Each menu's mnemonics differ,
  // and no shortcut is a key a letter is typed with.
  const auto shown = [](const QAction* action) { return QString(action->text()).remove('&'); };
  QStringList seen;
  for (QAction* top : form->menuBar()->actions()) {
    seen << top->menu()->objectName() + "=" + shown(top);
    QList<QKeySequence> mnemonics{QKeySequence::mnemonic(top->text())};
    for (QAction* entry : top->menu()->actions()) {
      seen << (entry->isSeparator() ? QStringLiteral("-")
                                    : entry->objectName() + "=" + shown(entry) +
                                          (entry->isEnabled() ? "" : "(off)"));
      if (entry->isSeparator()) continue;
      const QKeySequence mnemonic = QKeySequence::mnemonic(entry->text());
      EXPECT_FALSE(mnemonic.isEmpty() || mnemonics.contains(mnemonic)) << shown(entry).toStdString();
      mnemonics << mnemonic;
      const QKeySequence key = entry->shortcut();
      EXPECT_TRUE(key.isEmpty() || key[0].keyboardModifiers() != Qt::NoModifier ||
                  key[0].key() >= Qt::Key_F1)
          << key.toString().toStdString();
    }
  }
  EXPECT_EQ(QKeySequence::mnemonic(form->menuBar()->actions()[0]->text()),
            QKeySequence(Qt::ALT | Qt::Key_F));
  EXPECT_EQ(seen.join('|'),
            QStringLiteral("mnumain=File|mnucolsch=Edit Options|mnusaveopts=Save Options|-|"
                           "mnudict=Load a Dictionary|mnuloadpuz=Load a Puzzle File|-|"
                           "mnuprint=Print|mnuhelp=Help|mnuabout=About|-|"
                           "cmdexitx=Exit|-|can1=Cancel|mnudictx=Puzzle|mnucreate=Create|"
                           "mnureset=Reset|-|mnusave=Save|mnucopy2clip=Copy to Clipboard|-|"
                           "can6=Cancel"));
}

TEST_F(Form1Test, SizeLabelStepsThroughEightToTwelveWithEitherButton) {
  Start(test::kFivePuzzles);
  QStringList seen;
  for (int i = 0; i < 6; ++i) {
    QTest::mouseClick(&form->Label3(), i % 2 ? Qt::RightButton : Qt::LeftButton);
    seen << form->Label3().text();
  }
  EXPECT_EQ(seen.join(' '), QStringLiteral("9 10 11 12 8 9"));
  EXPECT_EQ(form->State().puzzle.PuzzleSize, 8);  // the label changes nothing else
}

}  // namespace
}  // namespace sl
