#pragma once
// What the file-name dialog is asked for, decided without any window: the mode, the one
// file-type filter and the folder it opens in.
#include <string>
#include <string_view>

namespace sl {

enum class FileDialogMode { Open, Save };

// "SAVE" in any mix of cases asks for a name to save to; every other word (or none) opens.
FileDialogMode FileDialogModeOf(std::string_view mode);

// The single file-type entry: the description, a blank and the patterns in brackets, e.g.
// " Files (*.txt)". Patterns come separated by ";" ("*.txt;*.dic") and are listed separated by
// blanks, the separator the dialog filters by.
std::string FileDialogFilter(const std::string& fileTypesName, const std::string& fileTypes);

// The folder the dialog opens in, ending in a separator; an empty folder is the root "/".
std::string FileDialogStartFolder(const std::string& defaultDir);

}  // namespace sl
