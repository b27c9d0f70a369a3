#include "app/creation_commands.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

#include "app/gui/form1_fixture.h"
#include "common/text_lines.h"
#include "gui_support/modal_watch.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/busy_pointer.h"

namespace sl {
namespace {

TEST(CreationSize, NearestWholeSizeElseTwelve) {
  EXPECT_EQ(CreationSize("8"), 8);
  EXPECT_EQ(CreationSize("10.4"), 10);
  EXPECT_EQ(CreationSize("7"), 12);
  EXPECT_EQ(CreationSize("13"), 12);
  EXPECT_EQ(CreationSize("size"), 12);
  EXPECT_EQ(CreatingStatus(10), "Creating a 10 words Puzzle ...");
}

class CreationTest : public test::Form1Fixture {
 protected:
  // The dictionary: eight-letter words that make chains, with three meanings each, and two
  // twelve-letter words, so the window starts with a dictionary of its size 12.
  void WriteWords(const std::vector<std::string>& eightLetterWords) {
    std::string meanings;
    for (const std::string& word : eightLetterWords) {
      meanings += word + ":one\r\n" + word + ":two\r\n" + word + ":three\r\n";
    }
    folder.Write("english1.txt",
                 test::WordFile(eightLetterWords) + "XAAAAAAAAAAA\r\nYAAAAAAAAAAA\r\n");
    folder.Write("mean6.txt", meanings);
  }
  // After start-up: the temporary puzzle file and the meanings in the test's folder.
  void UseTestFolder() {
    form->State().play.AppFolder = folder.Path() + "/";
    form->State().play.TempPuzzleFile = folder.File("temporarypuzzle.txt");
  }
  CreationCommands& Commands() { return *form->FindCommands<CreationCommands>(); }
  BoxControl& Button(const char* name) { return *form->Button(QString::fromLatin1(name)); }
  QString Status() const { return form->Statx().text(); }

  // Clicks the create button and waits for the creation to end; `during` runs right after the
  // click, while it goes on.
  template <class During>
  void CreateAndWait(During during) {
    QSignalSpy ended(&Commands(), &CreationCommands::CreationEnded);
    QTest::mouseClick(&Button("cmdcreate"), Qt::LeftButton);
    during();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
  }

  // Closes the next message window (the game's own or a plain one) and keeps its text.
  QString NextMessage() {
    watch = std::make_unique<test::ModalWatch>([this](QWidget& modal) {
      if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        message = box->text();
        box->accept();
        return;
      }
      if (auto* label = modal.findChild<QLabel*>(QStringLiteral("Label1"))) {
        message = label->text();
      }
      qobject_cast<QDialog*>(&modal)->reject();
    });
    return message;
  }

  std::unique_ptr<test::ModalWatch> watch;
  QString message;
};

TEST_F(CreationTest, CreatesAPuzzleOfTheLabelSizeAndShowsItFromTheTemporaryFile) {
  WriteWords(test::RandomWords(5, 400, 8, "BCDLMR"));
  Start("");
  UseTestFolder();
  form->Label3().setText(QStringLiteral("8"));

  CreateAndWait([&] {
    EXPECT_EQ(Status(), QStringLiteral("Creating a 8 words Puzzle ..."));
    EXPECT_FALSE(Button("cmdcreate").isEnabled());
    EXPECT_FALSE(form->MenuEntry(QStringLiteral("mnucreate"))->isEnabled());
    EXPECT_TRUE(Commands().Creating());
  });
  EXPECT_EQ(Status(), QStringLiteral("Puzzle created"));
  EXPECT_TRUE(Button("cmdcreate").isEnabled());
  EXPECT_TRUE(form->MenuEntry(QStringLiteral("mnucreate"))->isEnabled());
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_EQ(form->State().dictionary.ListCount(), 400);  // read again for size 8

  const PlayState& play = form->State().play;
  EXPECT_EQ(play.PuzzleFile, play.TempPuzzleFile);
  EXPECT_EQ(play.PuzzleCount, 1);
  EXPECT_EQ(form->Label1().text(), QStringLiteral("p# 1 of 1"));
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(play.TempPuzzleFile, lines));
  ASSERT_EQ(lines.size(), 1u);
  const std::optional<PuzzleRecord> record = ParsePuzzleRecord(lines[0]);
  ASSERT_TRUE(record);
  EXPECT_EQ(test::ChainProblem(*record), "");
  const Puzzle& shown = form->State().puzzle;
  EXPECT_EQ(shown.Wlist, record->words);
  for (int k = 1; k <= 8; ++k) {
    EXPECT_TRUE(record->meanings[k - 1] >= 1 && record->meanings[k - 1] <= 3);  // drawn
    EXPECT_EQ(shown.Clue[k], "one");  // shown with first meanings
  }

  // Another creation replaces the temporary file's one puzzle.
  CreateAndWait([] {});
  ASSERT_TRUE(ReadLines(play.TempPuzzleFile, lines));
  EXPECT_EQ(lines.size(), 1u);
}

TEST_F(CreationTest, CancelEndsTheCreationAndBringsBackThePreviousPuzzle) {
  WriteWords(test::NeverLinkingWords(20000));
  Start(test::kFivePuzzles);  // puzzle 1 has size 8
  UseTestFolder();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY");

  NextMessage();
  CreateAndWait([&] {
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(Status(), QStringLiteral("Canceling puzzle creation ..."));
  });
  EXPECT_EQ(message, QStringLiteral("Cannot create a Puzzle"));
  EXPECT_EQ(Status(), QStringLiteral("Puzzle canceled"));
  EXPECT_EQ(form->State().play.PuzzleFile, "puzzles.txt");
  EXPECT_EQ(form->Label1().text(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY");
  EXPECT_TRUE(Button("cmdcreate").isEnabled());
  EXPECT_FALSE(BusyPointerShown());

  // The cancel button does the same.
  form->Statx().clear();
  NextMessage();
  CreateAndWait([&] { QTest::mouseClick(&Button("Command16"), Qt::LeftButton); });
  EXPECT_EQ(message, QStringLiteral("Cannot create a Puzzle"));
  EXPECT_EQ(Status(), QStringLiteral("Puzzle canceled"));
  EXPECT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY");
}

TEST_F(CreationTest, ADictionaryWithoutChainsEndsLikeACancelInsteadOfRunningForever) {
  WriteWords({"XAAAAAAA", "YAAEAAEA", "ZEEEEEEE"});
  Start(test::kFivePuzzles);
  UseTestFolder();
  NextMessage();
  CreateAndWait([] {});
  EXPECT_EQ(message, QStringLiteral("Cannot create a Puzzle"));
  EXPECT_EQ(Status(), QStringLiteral("Puzzle canceled"));
  EXPECT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY");
}

TEST_F(CreationTest, AnEmptyDictionaryAsksForOneAndChangesNothing) {
  folder.Write("english1.txt", "SHORT\r\n");
  Start(test::kFivePuzzles);
  ASSERT_EQ(form->State().puzzle.Wlist.size(), 8u) << Status().toStdString();
  NextMessage();
  QTest::mouseClick(&Button("cmdcreate"), Qt::LeftButton);
  EXPECT_EQ(message, QStringLiteral("Load a Dictionary first"));
  EXPECT_FALSE(Commands().Creating());
  EXPECT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY");
}

TEST_F(CreationTest, CreateMultiAppendsAThousandPuzzlesOfSizeEight) {
  WriteWords(test::RandomWords(5, 400, 8, "BCDLMR"));
  Start("");
  UseTestFolder();
  folder.Write("8puzadd.txt", "kept\r\n");
  const int32_t sizeBefore = form->State().puzzle.PuzzleSize;

  QSignalSpy ended(&Commands(), &CreationCommands::CreationEnded);
  NextMessage();
  Commands().CreateMulti();
  EXPECT_FALSE(Button("cmdcreate").isEnabled());
  ASSERT_TRUE(ended.wait(60000));
  EXPECT_EQ(message, QStringLiteral("done"));
  EXPECT_EQ(Status(), QStringLiteral(" 8 1000"));
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_TRUE(Button("cmdcreate").isEnabled());
  // The shown size and the window's dictionary are left alone.
  EXPECT_EQ(form->State().puzzle.PuzzleSize, sizeBefore);
  EXPECT_EQ(form->State().dictionary.ListCount(), 2);

  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(folder.File("8puzadd.txt"), lines));
  ASSERT_EQ(lines.size(), 1001u);
  EXPECT_EQ(lines[0], "kept");
  std::set<int32_t> meaningNumbers;
  for (size_t n = 1; n < lines.size(); ++n) {
    const std::optional<PuzzleRecord> record = ParsePuzzleRecord(lines[n]);
    ASSERT_TRUE(record) << lines[n];
    ASSERT_EQ(test::ChainProblem(*record), "") << lines[n];
    meaningNumbers.insert(record->meanings.begin(), record->meanings.end());
  }
  EXPECT_EQ(meaningNumbers, (std::set<int32_t>{1, 2, 3}));
}

}  // namespace
}  // namespace sl
