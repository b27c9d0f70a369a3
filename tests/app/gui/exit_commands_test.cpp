#include "app/exit_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/gui/form1_fixture.h"

namespace sl {
namespace {

class ExitTest : public test::Form1Fixture {
 protected:
  std::string Config() { return folder.Read("stacklinks.cfg"); }
  QString Trigger(const char* entry, int place) {
    return Answered([&] { Entry(entry).trigger(); }, place);
  }
};

constexpr const char* kDefaults = "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 0 16 0 0\r\n";
constexpr const char* kOnPuzzleTwo =
    "xp.col\r\nenglish1.txt\r\npuzzles.txt\r\nArial\r\n8 2 16 0 0\r\n";

TEST_F(ExitTest, ExitAnsweredYesRemembersThePuzzleForTheNextStart) {
  Start(test::kFivePuzzles);
  EXPECT_EQ(Config(), kDefaults);  // no file at start: the defaults were written
  Click("Command8");
  EXPECT_EQ(Trigger("cmdexitx", 1), QStringLiteral("Exit?"));  // No
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Config(), kDefaults);
  Trigger("cmdexitx", 0);  // Yes
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Config(), kOnPuzzleTwo);

  form.reset();
  Start("");
  EXPECT_EQ(Position(), QStringLiteral("p# 2 of 5"));
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

TEST_F(ExitTest, SaveOptionsWritesNowAndReportsAnUnwritableFile) {
  Start(test::kFivePuzzles);
  Click("Command8");
  Entry("mnusaveopts").trigger();
  EXPECT_EQ(Config(), kOnPuzzleTwo);

  // A folder where the file should be: no one, root included, can write it.
  const std::string path = folder.File("stacklinks.cfg");
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_EQ(Trigger("mnusaveopts", 0),
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
