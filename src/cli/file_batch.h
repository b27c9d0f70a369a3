#pragma once
// Writing a subcommand's output files: each whole or not at all, and a batch all or nothing.
#include <optional>
#include <string>
#include <vector>

namespace sl::cli {

struct NamedText {
  std::string name;  // a file name, no folder
  std::string text;  // lines ended by "\n"; written with CR LF
};

// Writes the text to path, replacing the file there. The path written, or nullopt and error.
std::optional<std::vector<std::string>> WriteOneFile(const std::string& path,
                                                     const std::string& text, std::string& error);

// Writes every file into the folder, made when missing. Nothing is written when any of them is
// there already, and a failed write removes the files of the batch written before it (and the
// folder when it was made for them). The paths written, or nullopt and error.
std::optional<std::vector<std::string>> WriteNewFilesInFolder(const std::string& folder,
                                                              const std::vector<NamedText>& files,
                                                              std::string& error);

}  // namespace sl::cli
