#include "app/dictionary_commands.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "app/gui/form1_fixture.h"
#include "generation/dictionary.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

// Records the texts the status line shows on screen.
class PaintedTexts : public QObject {
 public:
  explicit PaintedTexts(QLabel& label) : label_(label) { label.installEventFilter(this); }
  QStringList seen;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen << label_.text();
    return false;
  }

 private:
  QLabel& label_;
};

using DictionaryTest = test::Form1Fixture;

TEST_F(DictionaryTest, LoadAsksForAFileShowsItsNameSaysItIsReadingAndAFailureKeepsTheWords) {
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
  PaintedTexts painted(form->Statx());
  Entry("mnudict").trigger();
  ASSERT_TRUE(dialog.Handled());
  EXPECT_TRUE(painted.seen.contains(QString::fromLatin1(kReadingDictionary)));
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

  form->FindCommands<DictionaryCommands>()->LoadDictionaryNamed(folder.File("missing.txt"));
  EXPECT_EQ(Status(), QString::fromLatin1(kErrorInDictionary));
  EXPECT_EQ(Play().DictionaryFile, words);
  EXPECT_EQ(form->Label2().text(), QStringLiteral("words.dic"));
  EXPECT_EQ(loaded, eightLetterWords);  // same size: the words still serve
}

}  // namespace
}  // namespace sl
