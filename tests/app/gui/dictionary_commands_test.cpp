#include "app/dictionary_commands.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLabel>

#include "app/form1.h"
#include "generation/dictionary.h"
#include "gui_support/modal_watch.h"
#include "support/temp_folder.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

class DictionaryCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.State().play.AppFolder = folder.Path() + "/";
    form.State().puzzle.PuzzleSize = 8;
    words = folder.Write("words.dic", "ABCDEFGH\r\nSHORT\r\nXYZ\r\nIJKLMNOPQR\r\nSTUVWXYZ\r\n");
  }
  DictionaryCommands& Commands() { return *form.FindCommands<DictionaryCommands>(); }
  BoxControl& Create() { return *form.Button(QStringLiteral("cmdcreate")); }
  QString Status() { return form.Statx().text(); }

  test::TempFolder folder;
  Form1 form;
  std::string words;
};

TEST_F(DictionaryCommandsTest, LoadAsksForAFileAndShowsItsName) {
  QString title, folderShown;
  QStringList filters;
  test::ModalWatch watch([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    folderShown = dialog->directory().absolutePath();
    dialog->selectFile(FromNativePath(words));
    static_cast<QDialog*>(dialog)->accept();
  });
  form.MenuEntry(QStringLiteral("mnudict"))->trigger();
  ASSERT_TRUE(watch.Handled());
  EXPECT_EQ(title, QStringLiteral("Select a Dictionary file"));
  EXPECT_EQ(filters.join(QString()).trimmed(), QStringLiteral("Files (*.txt *.dic)"));
  EXPECT_EQ(form.gf1().FileTypesName(), QStringLiteral(" Files"));
  EXPECT_EQ(folderShown, FromNativePath(folder.Path()));

  EXPECT_EQ(form.State().dictionary.Items(), (std::vector<std::string>{"ABCDEFGH", "STUVWXYZ"}));
  EXPECT_EQ(form.State().play.DictionaryFile, words);
  EXPECT_EQ(form.Label2().text(), QStringLiteral("words.dic"));
  EXPECT_EQ(form.Label2().toolTip(), FromNativePath(words));
  EXPECT_EQ(Status(), QString::fromLatin1(kDictionaryRead));
  EXPECT_TRUE(Create().isEnabled());
}

TEST_F(DictionaryCommandsTest, CancelledOrFailedLoadsKeepTheDictionaryPathAndLabel) {
  ASSERT_TRUE(Commands().ReadDictionary(words));
  const QString label = form.Label2().text();

  test::ModalWatch watch([](QWidget& modal) { qobject_cast<QFileDialog*>(&modal)->reject(); });
  Commands().LoadDictionary();
  ASSERT_TRUE(watch.Handled());
  EXPECT_EQ(form.State().play.DictionaryFile, words);
  EXPECT_EQ(form.State().dictionary.ListCount(), 2);
  EXPECT_EQ(Status(), QString::fromLatin1(kDictionaryRead));

  Commands().LoadDictionaryNamed(folder.File("missing.txt"));
  EXPECT_EQ(Status(), QString::fromLatin1(kErrorInDictionary));
  EXPECT_EQ(form.State().play.DictionaryFile, words);
  EXPECT_EQ(form.Label2().text(), label);
  EXPECT_EQ(form.State().dictionary.ListCount(), 2);  // same size: the words still serve
  EXPECT_TRUE(Create().isEnabled());
}

TEST_F(DictionaryCommandsTest, LoadingIsRefusedWhileTheCreateButtonIsDisabled) {
  Create().setEnabled(false);
  form.SetStatus(QStringLiteral("Creating"));
  Commands().LoadDictionaryNamed(words);
  EXPECT_EQ(form.State().dictionary.ListCount(), 0);
  EXPECT_EQ(Status(), QStringLiteral("Creating"));
  EXPECT_FALSE(Create().isEnabled());
}

TEST_F(DictionaryCommandsTest, ShownPuzzlesGetCluesAndTheirSizesDictionary) {
  form.State().play.DictionaryFile = words;
  const std::string puzzles = folder.Write(
      "p.txt", "3;010203;010203;ABC,0;DEF,0;GHI,0;\r\n");
  form.State().play.PuzzleCount = 1;

  // Without a meanings file no puzzle can be shown.
  EXPECT_EQ(form.ShowPuzzle(puzzles, 1), ShowStatus::Failed);
  EXPECT_EQ(Status(), QStringLiteral("Error in reading puzzle"));

  folder.Write("mean6.txt", "ABC:first letters\r\nABC:second\r\n");
  ASSERT_EQ(form.ShowPuzzle(puzzles, 1), ShowStatus::Shown);
  EXPECT_EQ(form.State().puzzle.Clue[1], "first letters");
  EXPECT_EQ(form.State().puzzle.Clue[2], "");
  // The record's size 3 replaced size 8, and the dictionary was read again for it.
  EXPECT_EQ(form.State().puzzle.PuzzleSize, 3);
  EXPECT_EQ(form.State().dictionary.Items(), std::vector<std::string>{"XYZ"});
  EXPECT_EQ(Status(), QString::fromLatin1(kDictionaryRead));
}

}  // namespace
}  // namespace sl
