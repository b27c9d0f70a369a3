#include "app/file_prompt.h"

#include "app/form1.h"
#include "common/files.h"
#include "toolkit/file_dialog_request.h"
#include "toolkit/gui/fn_dialog.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

std::string WithoutTrailingSeparator(std::string folder) {
  if (folder.size() > 1 && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  return folder;
}

}  // namespace

std::string AskForFile(Form1& form, const FilePrompt& prompt) {
  FNDialog& dialog = form.gf1();
  dialog.SetTitle(QString::fromLatin1(prompt.title));
  dialog.SetFileTypes(QString::fromLatin1(prompt.fileTypes));
  dialog.SetFileTypesName(QStringLiteral(" Files"));
  const GameFolders& folders = form.State().folders;
  const bool save = FileDialogModeOf(prompt.mode) == FileDialogMode::Save;
  // An empty folder is the current one.
  const std::string start = save ? folders.workFolder : folders.dataFolder;
  dialog.SetDefaultDir(
      FromNativePath(start.empty() ? CurrentFolder() : WithoutTrailingSeparator(start)));
  // The dialog leaves the process's current folder as it found it.
  return ToNativePath(dialog.GetFileName(QString::fromLatin1(prompt.mode)));
}

}  // namespace sl
