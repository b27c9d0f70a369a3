#include "app/creation_commands.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "app/dictionary_commands.h"
#include "app/gui/form1_fixture.h"
#include "common/text_lines.h"
#include "puzzle/puzzle_record.h"
#include "support/generation_fixtures.h"
#include "toolkit/gui/busy_pointer.h"

namespace sl {
namespace {

TEST(CreationSize, NearestWholeSizeElseTwelve) {
  const std::pair<const char*, int32_t> cases[] = {
      {"8", 8}, {"10.4", 10}, {"7", 12}, {"13", 12}, {"size", 12}};
  for (const auto& [label, size] : cases) EXPECT_EQ(CreationSize(label), size) << label;
}

class CreationTest : public test::Form1Fixture {
 protected:
  CreationCommands& Commands() { return *form->FindCommands<CreationCommands>(); }
  void UseDictionary(const std::vector<std::string>& words) {
    form->FindCommands<DictionaryCommands>()->ReadDictionary(
        folder.Write("other.txt", test::WordFile(words)));
  }
  // Clicks the create button and waits for the creation to end; `during` runs right after the
  // click, while it goes on.
  template <class During>
  void CreateAndWait(During during) {
    QSignalSpy ended(&Commands(), &CreationCommands::CreationEnded);
    Click("cmdcreate");
    during();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
  }
  std::vector<std::string> TemporaryFileLines() {
    std::vector<std::string> lines;
    EXPECT_TRUE(ReadLines(form->State().play.TempPuzzleFile, lines));
    return lines;
  }
};

TEST_F(CreationTest, CreatesAPuzzleOfTheLabelSizeAndShowsItFromTheTemporaryFile) {
  // Words that make chains; two of size 12 for the start-up size.
  const std::vector<std::string> words = test::RandomWords(5, 400, 8, "BCDLMR");
  folder.Write("english1.txt", test::WordFile(words) + "XAAAAAAAAAAA\r\nYAAAAAAAAAAA\r\n");
  Start("");
  form->Label3().setText(QStringLiteral("8"));
  CreateAndWait([&] {
    EXPECT_EQ(Status(), QStringLiteral("Creating a 8 words Puzzle ..."));
    EXPECT_FALSE(Button("cmdcreate").isEnabled());
    EXPECT_FALSE(form->MenuEntry(QStringLiteral("mnucreate"))->isEnabled());
  });
  EXPECT_EQ(Status(), QStringLiteral("Puzzle created"));
  EXPECT_TRUE(form->MenuEntry(QStringLiteral("mnucreate"))->isEnabled());
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_EQ(form->State().dictionary.ListCount(), 400);  // read again for size 8
  EXPECT_EQ(form->State().play.PuzzleFile, form->State().play.TempPuzzleFile);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 1"));
  const std::vector<std::string> lines = TemporaryFileLines();
  ASSERT_EQ(lines.size(), 1u);
  const std::optional<PuzzleRecord> record = ParsePuzzleRecord(lines[0]);
  ASSERT_TRUE(record);
  EXPECT_EQ(test::ChainProblem(*record), "");
  EXPECT_EQ(form->State().puzzle.Wlist, record->words);
  CreateAndWait([] {});  // another creation replaces the temporary file's one puzzle
  EXPECT_EQ(TemporaryFileLines().size(), 1u);
}

TEST_F(CreationTest, CancelOrADictionaryWithoutChainsBringsBackThePreviousPuzzle) {
  folder.Write("english1.txt", test::WordFile(test::NeverLinkingWords(20000)));
  Start(test::kFivePuzzles);  // puzzle 1 has size 8
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  const auto expectCancelled = [&](const char* how) {
    EXPECT_EQ(message, QStringLiteral("Cannot create a Puzzle")) << how;
    EXPECT_EQ(Status(), QStringLiteral("Puzzle canceled")) << how;
    EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5")) << how;
    EXPECT_EQ(form->State().puzzle.Wlist.front(), "CURRENCY") << how;
    EXPECT_TRUE(Button("cmdcreate").isEnabled()) << how;
    EXPECT_FALSE(BusyPointerShown()) << how;
  };
  AnswerNext();
  CreateAndWait([&] {
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(Status(), QStringLiteral("Canceling puzzle creation ..."));
  });
  expectCancelled("Escape");
  AnswerNext();
  CreateAndWait([&] { Click("Command16"); });
  expectCancelled("cancel button");

  // No start word makes a chain: the creation ends on its own instead of running forever.
  UseDictionary({"XAAAAAAA", "YAAEAAEA", "ZEEEEEEE"});
  AnswerNext();
  CreateAndWait([] {});
  expectCancelled("no chain");

  UseDictionary({"SHORT"});
  EXPECT_EQ(Answered([&] { Click("cmdcreate"); }), QStringLiteral("Load a Dictionary first"));
  EXPECT_FALSE(Commands().Creating());
}

}  // namespace
}  // namespace sl
