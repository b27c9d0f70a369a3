#pragma once
// Paths and folders.
#include <string>

namespace sl {

// True only when the file's length can be read and is not zero; an empty file counts as missing.
bool FileExists(const std::string& path);

// The folder of the running executable, ending in "/".
std::string ProgramFolder();

// Appends "/" unless the folder already ends in a separator.
std::string WithTrailingSeparator(const std::string& folder);

// The text after the last "/" or "\", or the whole path when it has none.
std::string FileNameOf(const std::string& path);

// The process's current folder ("" when it cannot be read), and a way to change it back.
std::string CurrentFolder();
bool SetCurrentFolder(const std::string& folder);

}  // namespace sl
