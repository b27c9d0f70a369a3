#include "toolkit/gui/fn_dialog.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "common/files.h"
#include "gui_support/modal_watch.h"
#include "support/temp_folder.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

struct SeenDialog {
  QString title;
  QStringList filters;
  QString folder;
  QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
  QFileDialog::FileMode fileMode = QFileDialog::AnyFile;
  bool confirmsOverwrite = true;
};

// Records what the next file dialog asks, then answers it with the file (or cancels it).
SeenDialog Answer(FNDialog& control, const QString& mode, const QString& answer, QString& result) {
  SeenDialog seen;
  test::ModalWatch watch([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    seen.title = dialog->windowTitle();
    seen.filters = dialog->nameFilters();
    seen.folder = dialog->directory().absolutePath();
    seen.acceptMode = dialog->acceptMode();
    seen.fileMode = dialog->fileMode();
    seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
    if (answer.isEmpty()) {
      dialog->reject();
    } else {
      dialog->selectFile(answer);
      static_cast<QDialog*>(dialog)->accept();  // public through QDialog
    }
  });
  result = control.GetFileName(mode);
  EXPECT_TRUE(watch.Handled());
  return seen;
}

TEST(FNDialog, SaveInAnyCaseAsksToSaveWithTheFilterAndFolderAndNoOverwriteQuestion) {
  test::TempFolder folder;
  const std::string existing = folder.Write("old.txt", "x\r\n");
  FNDialog control;
  control.SetTitle(QStringLiteral("Select a file to save current puzzle"));
  control.SetFileTypes(QStringLiteral("*.txt"));
  control.SetFileTypesName(QStringLiteral(" Files"));
  control.SetDefaultDir(FromNativePath(folder.Path()));
  const std::string currentBefore = CurrentFolder();

  QString result;
  const SeenDialog seen = Answer(control, QStringLiteral("sAvE"), FromNativePath(existing), result);
  EXPECT_EQ(seen.title, QStringLiteral("Select a file to save current puzzle"));
  // The dialog drops the description's leading blank when it lists the one file type.
  ASSERT_EQ(seen.filters.size(), 1);
  EXPECT_EQ(seen.filters.front().trimmed(), QStringLiteral("Files (*.txt)"));
  EXPECT_EQ(seen.folder, FromNativePath(folder.Path()));
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptSave);
  EXPECT_FALSE(seen.confirmsOverwrite);
  // The existing file is chosen without a question, and browsing left the current folder alone.
  EXPECT_EQ(result, FromNativePath(existing));
  EXPECT_EQ(CurrentFolder(), currentBefore);
}

TEST(FNDialog, EveryOtherModeOpensAnExistingFileAndCancelGivesNothing) {
  test::TempFolder folder;
  const std::string words = folder.Write("words.dic", "CAT\r\n");
  FNDialog control;
  control.SetFileTypes(QStringLiteral("*.txt;*.dic"));
  control.SetFileTypesName(QStringLiteral("Dictionaries"));
  control.SetDefaultDir(FromNativePath(folder.Path() + "/"));

  QString result;
  SeenDialog seen = Answer(control, QString(), FromNativePath(words), result);
  EXPECT_EQ(seen.title, QStringLiteral("0"));  // no title set: the number 0 as text
  EXPECT_EQ(seen.filters, QStringList{QStringLiteral("Dictionaries (*.txt *.dic)")});
  EXPECT_EQ(seen.folder, FromNativePath(folder.Path()));
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
  EXPECT_EQ(seen.fileMode, QFileDialog::ExistingFile);
  EXPECT_EQ(result, FromNativePath(words));

  seen = Answer(control, QStringLiteral("Open"), QString(), result);
  EXPECT_EQ(seen.acceptMode, QFileDialog::AcceptOpen);
  EXPECT_TRUE(result.isEmpty());
}

}  // namespace
}  // namespace sl
