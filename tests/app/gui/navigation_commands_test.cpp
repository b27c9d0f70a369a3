#include "app/navigation_commands.h"

#include <gtest/gtest.h>

#include "app/gui/form1_fixture.h"

namespace sl {
namespace {

class NavigationTest : public test::Form1Fixture {
 protected:
  NavigationCommands& Commands() { return *form->FindCommands<NavigationCommands>(); }
  const std::string firstRecord = std::string(test::kFivePuzzles)
                                      .substr(0, std::string(test::kFivePuzzles).find('\n') + 1);
};

TEST_F(NavigationTest, ButtonsStepThroughTheFileWithEitherMouseButton) {
  Start(test::kFivePuzzles);
  const char* const kRead = "Puzzle read";
  const struct {
    const char* button;
    Qt::MouseButton which;
    const char *position, *status, *size;
  } steps[] = {
      {"Command8", Qt::LeftButton, "p# 2 of 5", kRead, "8"},
      {"Command5", Qt::RightButton, "p# 1 of 5", kRead, "8"},
      {"Command8", Qt::RightButton, "p# 5 of 5", kRead, "10"},
      // The broken record 4 is the position in play, with an empty grid; the next one is 3.
      {"Command5", Qt::LeftButton, "p# 4 of 5", "Error in reading puzzle", "10"},
      {"Command5", Qt::LeftButton, "p# 3 of 5", kRead, "12"},
  };
  for (const auto& step : steps) {
    form->SetStatus(QString());
    Click(step.button, step.which);
    EXPECT_EQ(Position(), QString::fromLatin1(step.position));
    EXPECT_EQ(form->Label3().text(), QString::fromLatin1(step.size));
    EXPECT_EQ(Status(), QString::fromLatin1(step.status)) << step.position;
    EXPECT_EQ(Button("Command5").toolTip(), Position());
    EXPECT_EQ(form->State().puzzle.Empty(), Position() == QStringLiteral("p# 4 of 5"));
  }
  Click("Command11", Qt::RightButton);  // random, with either button
  EXPECT_TRUE(Play().PuzzleNumber >= 1 && Play().PuzzleNumber <= 5);
}

TEST_F(NavigationTest, AOnePuzzleFileStaysPutAnEmptyOneIsNotLoadedAndAVanishedOneIsReported) {
  Start(test::kFivePuzzles);
  const std::string one = folder.Write("one.txt", firstRecord);
  Commands().LoadPuzzleFileNamed(one);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 1"));
  EXPECT_EQ(form->label4().text(), QStringLiteral("one.txt"));
  form->SetStatus(QStringLiteral("untouched"));
  for (const char* button : {"Command8", "Command5", "Command11"}) Click(button);
  EXPECT_EQ(Status(), QStringLiteral("untouched"));

  Commands().LoadPuzzleFileNamed(folder.Write("empty.txt", ""));
  EXPECT_EQ(Play().PuzzleFile, one);

  std::remove(one.c_str());  // gone since it was opened: an error, not "Puzzle read"
  Click("Command8");
  EXPECT_EQ(Status(), QStringLiteral("Error in reading puzzle"));
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 1"));
}

TEST_F(NavigationTest, SaveAppendsTheShownPuzzleAndTellsTheCountOrTheFailure) {
  Start(test::kFivePuzzles);
  const std::string saved = folder.File("saved.txt");
  EXPECT_EQ(Answered([&] { Commands().SavePuzzleTo(saved); }),
            QString::fromStdString("Puzzle appended to file:\r\n" + saved + "\r\n 1 puzzles"));
  EXPECT_TRUE(Answered([&] { Commands().SavePuzzleTo(saved); }).endsWith("\r\n 2 puzzles"));
  std::string first = firstRecord;
  // Showing a puzzle looks up its clues, which sets the meaning numbers of words 1 and N to 0.
  first.replace(first.find("CURRENCY,1"), 10, "CURRENCY,0");
  first.replace(first.find("NOBILITY,1"), 10, "NOBILITY,0");
  EXPECT_EQ(folder.Read("saved.txt"), first + first);

  EXPECT_TRUE(Answered([&] { Commands().SavePuzzleTo(folder.File("no such folder/saved.txt")); })
                  .startsWith(QStringLiteral("The puzzle could not be written")));
}

}  // namespace
}  // namespace sl
