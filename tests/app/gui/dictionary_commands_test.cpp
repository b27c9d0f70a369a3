#include "app/dictionary_commands.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "app/creation_commands.h"
#include "app/gui/form1_fixture.h"
#include "generation/dictionary.h"
#include "toolkit/gui/busy_pointer.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

class DictionaryTest : public test::Form1Fixture {
 protected:
  DictionaryCommands& Commands() { return *form->FindCommands<DictionaryCommands>(); }
  void WaitForRead() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Commands().Reading(); }, 20000));
  }
};

TEST_F(DictionaryTest, LoadAsksForAFileShowsItsNameAndAFailureKeepsTheWords) {
  Start(test::kFivePuzzles);  // size 8
  const std::string words =
      folder.Write("words.dic", "ABCDEFGH\r\nSHORT\r\nIJKLMNOPQR\r\nSTUVWXYZ\r\n");
  const std::vector<std::string> eightLetterWords{"ABCDEFGH", "STUVWXYZ"};
  const std::vector<std::string>& loaded = form->State().dictionary.Items();
  test::ModalWatch dialog([&](QWidget& modal) {
    auto* seen = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(seen->windowTitle(), QStringLiteral("Select a Dictionary file"));
    EXPECT_EQ(seen->nameFilters().join(QString()).trimmed(), QStringLiteral("Files (*.txt *.dic)"));
    EXPECT_EQ(seen->directory().absolutePath(), FromNativePath(folder.Path()));
    seen->selectFile(FromNativePath(words));
    static_cast<QDialog*>(seen)->accept();
  });
  Entry("mnudict").trigger();
  ASSERT_TRUE(dialog.Handled());
  WaitForRead();
  EXPECT_EQ(loaded, eightLetterWords);
  EXPECT_EQ(Play().DictionaryFile, words);
  EXPECT_EQ(form->Label2().text(), QStringLiteral("words.dic"));
  EXPECT_EQ(form->Label2().toolTip(), FromNativePath(words));
  EXPECT_EQ(Status(), QString::fromLatin1(kDictionaryRead));

  // Cancelled or failed loads keep the dictionary.
  test::ModalWatch cancel([](QWidget& modal) { qobject_cast<QFileDialog*>(&modal)->reject(); });
  Click("cmdloadict");
  ASSERT_TRUE(cancel.Handled());
  EXPECT_EQ(loaded, eightLetterWords);

  Commands().LoadDictionaryNamed(folder.File("missing.txt"));
  WaitForRead();
  EXPECT_EQ(Status(), QString::fromLatin1(kErrorInDictionary));
  EXPECT_EQ(Play().DictionaryFile, words);
  EXPECT_EQ(form->Label2().text(), QStringLiteral("words.dic"));
  EXPECT_EQ(loaded, eightLetterWords);  // same size: the words still serve
}

// Debian's biggest word list is read on a worker: the command returns at once with the busy
// pointer and the reading text; Escape gives the read up and keeps the old dictionary; a
// creation asked for meanwhile waits and then makes its puzzle from the new words.
TEST_F(DictionaryTest, BigListReadsWhileTheWindowAnswersAndEscapeKeepsTheOldWords) {
  const std::string big = "/usr/share/dict/american-english-insane";
  Start(test::kFivePuzzles);  // size 8
  const std::string beforeFile = folder.Write("words.txt", "ABCDEFGH\r\nSTUVWXYZ\r\n");
  Commands().LoadDictionaryNamed(beforeFile);
  WaitForRead();
  const clsSimpleArray before = form->State().dictionary;
  ASSERT_EQ(before.ListCount(), 2);

  Commands().LoadDictionaryNamed(big);
  EXPECT_TRUE(Commands().Reading());
  EXPECT_TRUE(BusyPointerShown());
  EXPECT_EQ(Status(), QString::fromLatin1(kReadingDictionary));
  EXPECT_FALSE(Button("cmdcreate").isEnabled());
  QTest::keyClick(form.get(), Qt::Key_Escape);
  WaitForRead();
  EXPECT_EQ(Status(), QString::fromLatin1(kDictionaryReadCanceled));
  EXPECT_EQ(form->State().dictionary.Items(), before.Items());
  EXPECT_EQ(Play().DictionaryFile, beforeFile);
  EXPECT_FALSE(BusyPointerShown());
  EXPECT_TRUE(Button("cmdcreate").isEnabled());

  Commands().LoadDictionaryNamed(big);
  form->FindCommands<CreationCommands>()->Create();
  EXPECT_EQ(form->Controller().Waiting(), 1u);
  WaitForRead();
  EXPECT_EQ(Play().DictionaryFile, big);
  EXPECT_GT(form->State().dictionary.ListCount(), 50000);
  ASSERT_TRUE(QTest::qWaitFor(
      [this] { return form->Controller().Running() == Activity::Idle; }, 20000));
  EXPECT_EQ(Status(), QStringLiteral("Puzzle created"));
  EXPECT_EQ(form->State().puzzle.Wlist.size(), 8u);
}

}  // namespace
}  // namespace sl
