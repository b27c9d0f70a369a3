#include "app/exit_commands.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "app/gui/form1_fixture.h"
#include "gui_support/modal_watch.h"
#include "toolkit/gui/msg_form.h"

namespace sl {
namespace {

class ExitTest : public test::Form1Fixture {
 protected:
  std::string Config() { return folder.Read("stacklinks.cfg"); }
  static void Click(QWidget& box, int place) {
    QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(place)),
                      Qt::LeftButton);
  }
  void Next() { QTest::mouseClick(form->Button(QStringLiteral("Command8")), Qt::LeftButton); }
  // Triggers the menu entry and answers the message box it opens with the button at place,
  // returning the box's text.
  QString TriggerAndAnswer(const char* entry, int place) {
    QString text;
    test::ModalWatch watch([&](QWidget& box) {
      text = box.findChild<QLabel*>(QStringLiteral("Label1"))->text();
      Click(box, place);
    });
    form->MenuEntry(QString::fromLatin1(entry))->trigger();
    EXPECT_TRUE(watch.Handled()) << entry;
    return text;
  }
};

constexpr const char* kDefaults = "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 0 16 0 0\r\n";

TEST_F(ExitTest, ExitAnsweredYesRemembersThePuzzleForTheNextStart) {
  Start(test::kFivePuzzles);
  EXPECT_EQ(Config(), kDefaults);  // no file at start: the defaults were written
  Next();
  EXPECT_EQ(TriggerAndAnswer("cmdexitx", 1), QStringLiteral("Exit?"));  // No
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(Config(), kDefaults);

  EXPECT_EQ(TriggerAndAnswer("cmdexitx", 0), QStringLiteral("Exit?"));  // Yes
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Config(), "xp.col\r\nenglish1.txt\r\npuzzles.txt\r\nArial\r\n8 2 16 0 0\r\n");

  form.reset();
  Start("");
  EXPECT_EQ(form->Label1().text(), QStringLiteral("p# 2 of 5"));
  EXPECT_EQ(form->State().play.PuzzleFile, "puzzles.txt");
}

TEST_F(ExitTest, TheCloseBoxAsksNothingAndKeepsNothing) {
  Start(test::kFivePuzzles);
  Next();
  form->State().look.GridFontSize = 20;
  form->close();  // a question here would block the test
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Config(), kDefaults);
}

TEST_F(ExitTest, SaveOptionsWritesNowAndReportsAnUnwritableFile) {
  Start(test::kFivePuzzles);
  Next();
  form->MenuEntry(QStringLiteral("mnusaveopts"))->trigger();
  EXPECT_EQ(Config(), "xp.col\r\nenglish1.txt\r\npuzzles.txt\r\nArial\r\n8 2 16 0 0\r\n");

  // A folder where the file should be: no one, root included, can write it.
  std::filesystem::remove(folder.File("stacklinks.cfg"));
  std::filesystem::create_directory(folder.File("stacklinks.cfg"));
  form->State().look.GridFontSize = 22;
  const std::string path = folder.Path() + "/stacklinks.cfg";
  EXPECT_EQ(TriggerAndAnswer("mnusaveopts", 0),
            QString::fromStdString("Configuration file:\n" + path +
                                   "\ncould not be accessed, options not saved"));
  EXPECT_EQ(form->State().look.GridFontSize, 22);
  EXPECT_EQ(form->State().play.PuzzleNumber, 2);
  EXPECT_TRUE(std::filesystem::is_directory(path));

  // Exit still ends the game after saying so: Yes to "Exit?", then Ok to the failure.
  QString failure;
  std::unique_ptr<test::ModalWatch> second;
  test::ModalWatch first([&](QWidget& question) {
    second = std::make_unique<test::ModalWatch>([&](QWidget& box) {
      failure = box.findChild<QLabel*>(QStringLiteral("Label1"))->text();
      Click(box, 0);
    });
    Click(question, 0);
  });
  form->MenuEntry(QStringLiteral("cmdexitx"))->trigger();
  ASSERT_TRUE(second && second->Handled());
  EXPECT_TRUE(failure.startsWith(QStringLiteral("Configuration file:")));
  EXPECT_FALSE(form->isVisible());
}

TEST_F(ExitTest, ConfigurationSettingsAreReadAtStartUp) {
  folder.Write("stacklinks.cfg", "blue.col\r\nnowhere.txt\r\npuzzles.txt\r\n\"Liberation, Serif\"\r\n"
                                 "9 5 7 255 0\r\n");
  Start(test::kFivePuzzles);
  const GameState& state = form->State();
  EXPECT_EQ(state.SchemeName, "blue.col");
  EXPECT_EQ(state.look.GridFontName, "Liberation, Serif");
  EXPECT_EQ(state.look.GridFontSize, 16);  // below 8
  EXPECT_EQ(state.FontColour, 255u);
  // The dictionary falls back to english1.txt; puzzle 5 of puzzles.txt is shown.
  EXPECT_EQ(state.play.DictionaryFile, "english1.txt");
  EXPECT_EQ(form->Label1().text(), QStringLiteral("p# 5 of 5"));
  EXPECT_EQ(form->Label3().text(), QStringLiteral("10"));
}

}  // namespace
}  // namespace sl
