#include "toolkit/file_dialog_request.h"

#include "common/ascii_case.h"
#include "common/files.h"

namespace sl {

FileDialogMode FileDialogModeOf(std::string_view mode) {
  static constexpr std::string_view kSave = "SAVE";
  if (mode.size() != kSave.size()) return FileDialogMode::Open;
  for (size_t i = 0; i < mode.size(); ++i) {
    if (AsciiUpper(mode[i]) != kSave[i]) return FileDialogMode::Open;
  }
  return FileDialogMode::Save;
}

std::string FileDialogFilter(const std::string& fileTypesName, const std::string& fileTypes) {
  std::string patterns;
  for (char ch : fileTypes) patterns += ch == ';' ? ' ' : ch;
  return fileTypesName + " (" + patterns + ")";
}

std::string FileDialogStartFolder(const std::string& defaultDir) {
  return WithTrailingSeparator(defaultDir);
}

}  // namespace sl
