#include "app/creation_commands.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

#include "app/dictionary_commands.h"
#include "app/gui/form1_fixture.h"
#include "app/navigation_commands.h"
#include "app/paper_commands.h"
#include "common/text_lines.h"
#include "toolkit/gui/twip_geometry.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"
#include "toolkit/gui/busy_pointer.h"

namespace sl {
namespace {

class CreationTest : public test::Form1Fixture {
 protected:
  CreationCommands& Commands() { return *form->FindCommands<CreationCommands>(); }
  // Starts a creation (or a batch) and waits for its end; `during` runs right after the start,
  // while it goes on.
  template <class During>
  void CreateAndWait(During during, bool batch = false) {
    QSignalSpy ended(&Commands(), &CreationCommands::CreationEnded);
    batch ? Commands().CreateMulti() : Click("cmdcreate");
    during();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(30000));
  }
  // Selects the first letter cell by keyboard and types the letter there; returns the cell.
  std::pair<int, int> TypeIntoFirstCell(char letter) {
    QTest::keyClick(&form->Picture2(), Qt::Key_Home);
    QTest::keyClicks(&form->Picture2(), QString(QChar(letter)));
    return {Play().CursorRow, Play().CursorCol};
  }
  const std::string& EntryAt(std::pair<int, int> cell) const {
    return form->State().puzzle.Entry[cell.first][cell.second];
  }
  // A dictionary of words of 8 and 10 letters from which no creation ends before a cancel.
  void StartWithEndlessCreation() {
    std::vector<std::string> words = test::NeverLinkingWords(60000);
    for (size_t i = 0, n = words.size(); i < n; ++i) words.push_back(words[i] + "QQ");
    folder.Write("english1.txt", test::WordFile(words));
    StartActive(test::kFivePuzzles);  // puzzle 1 has size 8
  }
};

TEST_F(CreationTest, CreatesAPuzzleOfTheLabelSizeAndShowsItFromTheTemporaryFile) {
  // The dictionary has no words of the size before (12): the size on the label counts.
  const std::vector<std::string> words = test::RandomWords(5, 400, 8, "BCDLMR");
  folder.Write("english1.txt", test::WordFile(words));
  Start("");
  form->Label3().setText(QStringLiteral("8"));
  AnswerNext();
  CreateAndWait([&] { EXPECT_EQ(Status(), QStringLiteral("Creating a 8 words Puzzle ...")); });
  EXPECT_FALSE(watch->Handled());  // no "Load a Dictionary first"
  EXPECT_EQ(Status(), QStringLiteral("Puzzle created"));
  EXPECT_EQ(form->State().dictionary.ListCount(), 400);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 1"));
  EXPECT_EQ(form->label4().text(), QStringLiteral("temporarypuzzle.txt"));

  // The batch appends to 8puzadd.txt in the current folder and says "done".
  AnswerNext();
  CreateAndWait([] {}, true);
  EXPECT_EQ(message, QStringLiteral("done"));
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(folder.File("8puzadd.txt"), lines));
  EXPECT_EQ(lines.size(), size_t{kBatchCount});
}

TEST_F(CreationTest, WhileCreatingPlayWaitsAndACancelBringsBackThePuzzleAsThePlayerLeftIt) {
  StartWithEndlessCreation();
  Click("Command8", Qt::RightButton);  // puzzle 5 of 5, size 10
  const std::pair<int, int> typed = TypeIntoFirstCell('q');
  ASSERT_EQ(EntryAt(typed), "Q");
  for (const bool escape : {true, false}) {
    AnswerNext();  // a cancel shows no message box
    CreateAndWait([&] {
      EXPECT_EQ(Status(), QStringLiteral("Creating a 10 words Puzzle ..."));
      EXPECT_FALSE(Button("cmdcreate").isEnabled());
      EXPECT_FALSE(Entry("mnucreate").isEnabled());
      const QImage grid = form->Picture2().Image();
      QTest::mousePress(&Button("cmdshowsol"), Qt::LeftButton);
      EXPECT_EQ(form->Picture2().Image(), grid);  // no solution while creating
      QTest::mouseRelease(&Button("cmdshowsol"), Qt::LeftButton);
      const GridGeometry& g = form->State().geometry;
      QTest::mouseMove(&form->Picture2(), QPoint(TwipsToPixelsX(*form, g.CellLeft[2][3] + 100),
                                                 TwipsToPixelsY(*form, g.CellTop[2][3] + 100)));
      EXPECT_EQ(Play().CursorRow, -1);
      TypeIntoFirstCell('z');  // keys wait like the mouse
      EXPECT_EQ(Play().CursorRow, -1);
      const std::string other = folder.Write("other.txt", "ABCDEFGHIJ\r\n");
      form->FindCommands<DictionaryCommands>()->LoadDictionaryNamed(other);
      EXPECT_NE(Play().DictionaryFile, other);
      EXPECT_EQ(Status(), QStringLiteral("Wait: a puzzle is being created"));
      escape ? QTest::keyClick(form.get(), Qt::Key_Escape) : Click("Command16");
      EXPECT_EQ(Status(), QStringLiteral("Canceling puzzle creation ..."));
    });
    EXPECT_FALSE(watch->Handled()) << message.toStdString();
    EXPECT_EQ(Status(), QStringLiteral("Puzzle canceled"));
    EXPECT_EQ(Position(), QStringLiteral("p# 5 of 5"));
    EXPECT_EQ(form->label4().text(), QStringLiteral("puzzles.txt"));
    EXPECT_EQ(form->Label3().text(), QStringLiteral("10"));
    EXPECT_EQ(form->State().puzzle.Wlist.front(), "PROMISSORY");
    EXPECT_EQ(EntryAt(typed), "Q");
    EXPECT_FALSE(form->Shape1().isVisible());  // no cell is selected
    EXPECT_TRUE(Button("cmdcreate").isEnabled());
    EXPECT_FALSE(BusyPointerShown());
  }
}

TEST_F(CreationTest, CommandsThatWaitForACreationActOnThePuzzleShownAfterIt) {
  StartWithEndlessCreation();
  const std::string two = folder.Write("two.txt", test::WordFile({"8;020608;020408;020507;"
      "020507;020507;020508;030507;CURRENCY,1;PUNGENCY,1;BURGLARY,1;GUZZLERS,1;BUNGLERS,1;"
      "PUZZLERS,1;SUBPLOTS,1;NOBILITY,1;", ""}));
  const std::string saved = folder.File("saved.txt");
  QGuiApplication::clipboard()->clear();
  watch = std::make_unique<test::ModalWatch>(Answer());  // the one of Save
  CreateAndWait([&] {
    form->FindCommands<NavigationCommands>()->LoadPuzzleFileNamed(two);
    form->FindCommands<NavigationCommands>()->SavePuzzleTo(saved);
    form->FindCommands<PaperCommands>()->CopyToClipboard();
    EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
    EXPECT_EQ(folder.Read("saved.txt"), "<missing>");
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    Click("Command16");
  });
  EXPECT_TRUE(message.startsWith(QStringLiteral("Puzzle appended to file:"))) << message.toStdString();
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 2"));
  EXPECT_EQ(form->label4().text(), QStringLiteral("two.txt"));
  std::vector<std::string> lines;
  ASSERT_TRUE(ReadLines(saved, lines));
  ASSERT_EQ(lines.size(), 1u);
  const std::optional<PuzzleRecord> record = ParsePuzzleRecord(lines[0]);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->words.front(), "CURRENCY");
  EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
}

TEST_F(CreationTest, DictionariesThatMakeNothingSaySoAndWriteNothing) {
  folder.Write("english1.txt", "XAAAAAAA\r\nYAAEAAEA\r\nZEEEEEEE\r\n");  // no word links
  Start(test::kFivePuzzles);
  AnswerNext();
  CreateAndWait([] {});
  EXPECT_EQ(message, QStringLiteral("Cannot create a Puzzle"));
  EXPECT_EQ(Status(), QStringLiteral("Cannot create a Puzzle"));  // nobody cancelled
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  AnswerNext();
  CreateAndWait([] {}, true);
  EXPECT_TRUE(message.startsWith(QStringLiteral("No puzzle of 8 words"))) << message.toStdString();
  EXPECT_EQ(folder.Read("8puzadd.txt"), "<missing>");

  const std::string shortWords = folder.Write("short.txt", "SHORT\r\n");
  form->FindCommands<DictionaryCommands>()->ReadDictionary(shortWords);
  EXPECT_EQ(Answered([&] { Click("cmdcreate"); }), QStringLiteral("Load a Dictionary first"));
  EXPECT_TRUE(Answered([&] { Commands().CreateMulti(); })
                  .startsWith(QStringLiteral("The dictionary holds no words of 8 letters")));
  EXPECT_EQ(form->Controller().Running(), Activity::Idle);
  EXPECT_EQ(folder.Read("8puzadd.txt"), "<missing>");
}

}  // namespace
}  // namespace sl
