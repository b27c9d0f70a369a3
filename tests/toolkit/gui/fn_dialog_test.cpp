#include "toolkit/gui/fn_dialog.h"

#include <gtest/gtest.h>

#include <QFileDialog>

#include "common/files.h"
#include "gui_support/modal_watch.h"
#include "support/temp_folder.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

// Asks with the mode, checks the dialog with `check`, then chooses the file (or cancels when
// it is empty). Returns what GetFileName gave.
QString Ask(FNDialog& control, const QString& mode, const std::function<void(QFileDialog&)>& check,
            const std::string& answer) {
  test::ModalWatch watch([&](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    ASSERT_NE(dialog, nullptr);
    check(*dialog);
    if (answer.empty()) return dialog->reject();
    dialog->selectFile(FromNativePath(answer));
    static_cast<QDialog*>(dialog)->accept();  // public through QDialog
  });
  const QString result = control.GetFileName(mode);
  EXPECT_TRUE(watch.Handled());
  return result;
}

TEST(FNDialog, SaveInAnyCaseAsksToSaveOtherModesOpenAndTheCurrentFolderStays) {
  test::TempFolder folder;
  const std::string existing = folder.Write("old.txt", "x\r\n");
  const std::string currentBefore = CurrentFolder();
  FNDialog control;
  control.SetFileTypes(QStringLiteral("*.txt;*.dic"));
  control.SetFileTypesName(QStringLiteral("Dictionaries"));
  control.SetDefaultDir(FromNativePath(folder.Path() + "/"));
  // Title, file types and folder of an open dialog are checked in the dictionary command tests.
  const auto opens = [&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("0"));  // no title set: the number 0 as text
    EXPECT_EQ(dialog.fileMode(), QFileDialog::ExistingFile);
  };
  EXPECT_EQ(Ask(control, QString(), opens, existing), FromNativePath(existing));
  EXPECT_TRUE(Ask(control, QStringLiteral("Open"), opens, "").isEmpty());  // cancelled

  control.SetTitle(QStringLiteral("Select a file to save current puzzle"));
  control.SetFileTypes(QStringLiteral("*.txt"));
  control.SetFileTypesName(QStringLiteral(" Files"));
  const auto saves = [&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select a file to save current puzzle"));
    // The dialog drops the description's leading blank when it lists the one file type.
    EXPECT_EQ(dialog.nameFilters().join('|').trimmed(), QStringLiteral("Files (*.txt)"));
    EXPECT_EQ(dialog.acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
  };
  // An existing file is chosen for saving without a question.
  EXPECT_EQ(Ask(control, QStringLiteral("sAvE"), saves, existing), FromNativePath(existing));
  EXPECT_EQ(CurrentFolder(), currentBefore);  // browsing left the current folder alone
}

}  // namespace
}  // namespace sl
