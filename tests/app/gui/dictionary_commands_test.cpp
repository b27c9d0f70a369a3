#include "app/dictionary_commands.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "app/form1.h"
#include "generation/dictionary.h"
#include "gui_support/modal_watch.h"
#include "support/temp_folder.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

class DictionaryCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.State().play.AppFolder = folder.Path() + "/";
    form.State().puzzle.PuzzleSize = 8;
  }
  DictionaryCommands& Commands() { return *form.FindCommands<DictionaryCommands>(); }
  BoxControl& Create() { return *form.Button(QStringLiteral("cmdcreate")); }
  QString Status() { return form.Statx().text(); }
  const std::vector<std::string>& Words() { return form.State().dictionary.Items(); }

  test::TempFolder folder;
  Form1 form;
  const std::string words =
      folder.Write("words.dic", "ABCDEFGH\r\nSHORT\r\nXYZ\r\nIJKLMNOPQR\r\nSTUVWXYZ\r\n");
  const std::vector<std::string> eightLetterWords{"ABCDEFGH", "STUVWXYZ"};
};

TEST_F(DictionaryCommandsTest, LoadAsksForAFileAndShowsItsName) {
  test::ModalWatch watch([&](QWidget& modal) {
    auto* seen = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->windowTitle(), QStringLiteral("Select a Dictionary file"));
    EXPECT_EQ(seen->nameFilters().join(QString()).trimmed(), QStringLiteral("Files (*.txt *.dic)"));
    EXPECT_EQ(seen->directory().absolutePath(), FromNativePath(folder.Path()));
    seen->selectFile(FromNativePath(words));
    static_cast<QDialog*>(seen)->accept();
  });
  form.MenuEntry(QStringLiteral("mnudict"))->trigger();
  ASSERT_TRUE(watch.Handled());
  EXPECT_EQ(form.gf1().FileTypesName(), QStringLiteral(" Files"));
  EXPECT_EQ(Words(), eightLetterWords);
  EXPECT_EQ(form.State().play.DictionaryFile, words);
  EXPECT_EQ(form.Label2().text(), QStringLiteral("words.dic"));
  EXPECT_EQ(form.Label2().toolTip(), FromNativePath(words));
  EXPECT_EQ(Status(), QString::fromLatin1(kDictionaryRead));
  EXPECT_TRUE(Create().isEnabled());
}

TEST_F(DictionaryCommandsTest, CancelledFailedOrRefusedLoadsKeepTheDictionary) {
  ASSERT_TRUE(Commands().ReadDictionary(words));
  test::ModalWatch watch([](QWidget& modal) { qobject_cast<QFileDialog*>(&modal)->reject(); });
  Commands().LoadDictionary();
  ASSERT_TRUE(watch.Handled());
  EXPECT_EQ(Words(), eightLetterWords);

  Commands().LoadDictionaryNamed(folder.File("missing.txt"));
  EXPECT_EQ(Status(), QString::fromLatin1(kErrorInDictionary));
  EXPECT_EQ(form.State().play.DictionaryFile, words);
  EXPECT_EQ(form.Label2().text(), QStringLiteral("words.dic"));
  EXPECT_EQ(Words(), eightLetterWords);  // same size: the words still serve
  EXPECT_TRUE(Create().isEnabled());

  // While a creation runs (create button disabled) loading is refused.
  Create().setEnabled(false);
  form.SetStatus(QStringLiteral("Creating"));
  Commands().LoadDictionaryNamed(folder.Write("other.txt", "ZZZZZZZZ\r\n"));
  EXPECT_EQ(Words(), eightLetterWords);
  EXPECT_EQ(Status(), QStringLiteral("Creating"));
  EXPECT_FALSE(Create().isEnabled());
}

}  // namespace
}  // namespace sl
