#include "app/exit_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/gui/form1_fixture.h"

namespace sl {
namespace {

class ExitTest : public test::Form1Fixture {
 protected:
  std::string Config() { return folder.Read("stacklinks.cfg"); }
  // The settings on a puzzle of puzzles.txt: "size number".
  std::string OnPuzzle(const char* sizeAndNumber) {
    return std::string("xp.col\r\nenglish1.txt\r\npuzzles.txt\r\nArial\r\n") + sizeAndNumber +
           " 16 0 0\r\n";
  }
};

TEST_F(ExitTest, SaveOptionsWritesNowExitAnsweredYesRemembersThePuzzleForTheNextStart) {
  Start(test::kFivePuzzles);
  // No file at start: the defaults were written.
  EXPECT_EQ(Config(), "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 0 16 0 0\r\n");
  Click("Command8");
  Entry("mnusaveopts").trigger();
  EXPECT_EQ(Config(), OnPuzzle("8 2"));
  Click("Command8");
  EXPECT_EQ(Answered([&] { Entry("cmdexitx").trigger(); }, 1), QStringLiteral("Exit?"));  // No
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Config(), OnPuzzle("8 2"));
  Answered([&] { Entry("cmdexitx").trigger(); });  // Yes
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Config(), OnPuzzle("12 3"));

  form.reset();
  Start("");
  EXPECT_EQ(Position(), QStringLiteral("p# 3 of 5"));
}

TEST_F(ExitTest, StartUpUsesTheConfigurationAndTheCloseBoxKeepsNothing) {
  const std::string config = "blue.col\r\nnowhere.txt\r\npuzzles.txt\r\nArial\r\n9 5 7 255 0\r\n";
  folder.Write("stacklinks.cfg", config);
  Start(test::kFivePuzzles);
  EXPECT_EQ(form->State().appearance.FontColour, 255u);
  EXPECT_EQ(Play().DictionaryFile, "english1.txt");  // the named one is missing
  EXPECT_EQ(Position(), QStringLiteral("p# 5 of 5"));
  Click("Command8");
  form->close();  // a question here would block the test
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Config(), config);
}

TEST_F(ExitTest, AnUnwritableFileIsReportedOnSaveAndOnExit) {
  // The game's folder has a name the game's code page cannot hold: the message shows it as is.
  const std::string games = folder.File("\xC5\x81\xC3\xB3d\xC5\xBA \xE6\x97\xA5\xE6\x9C\xAC");  // Łódź 日本
  std::filesystem::create_directory(games);
  Start(test::kFivePuzzles, DecideGameFolders({games, true, "", "", ""}));
  // A folder where the file should be: no one, root included, can write it.
  const std::string path = games + "/stacklinks.cfg";
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_EQ(Answered([&] { Entry("mnusaveopts").trigger(); }),
            QString::fromStdString("Configuration file:\n" + path +
                                   "\ncould not be accessed, options not saved"));

  // Exit still ends the game after saying so: Yes to "Exit?", then Ok to the failure.
  test::ModalWatch answers({Answer(0), Answer(0)});
  Entry("cmdexitx").trigger();
  EXPECT_TRUE(answers.Handled());
  EXPECT_TRUE(message.startsWith(QStringLiteral("Configuration file:")));
  EXPECT_FALSE(form->isVisible());
}

}  // namespace
}  // namespace sl
