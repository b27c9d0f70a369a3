#include "cli/file_batch.h"

#include <sys/stat.h>
#include <unistd.h>

#include "common/files.h"
#include "common/text_lines.h"

namespace sl::cli {
namespace {

std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::optional<std::vector<std::string>> WriteOneFile(const std::string& path,
                                                     const std::string& text, std::string& error) {
  if (!WriteLinesReplacing(path, LinesOf(text))) {
    error = "cannot write " + path;
    return std::nullopt;
  }
  return std::vector<std::string>{path};
}

std::optional<std::vector<std::string>> WriteNewFilesInFolder(const std::string& folder,
                                                              const std::vector<NamedText>& files,
                                                              std::string& error) {
  struct stat st {};
  const bool folderExists = ::stat(folder.c_str(), &st) == 0;
  if (folderExists && !S_ISDIR(st.st_mode)) {
    error = folder + " is not a folder; nothing written";
    return std::nullopt;
  }
  std::vector<std::string> paths;
  for (const NamedText& file : files) {
    paths.push_back(WithTrailingSeparator(folder) + file.name);
    if (Exists(paths.back())) {
      error = paths.back() + " is there already; nothing written";
      return std::nullopt;
    }
  }
  if (!folderExists && ::mkdir(folder.c_str(), 0777) != 0) {
    error = "cannot make the folder " + folder + "; nothing written";
    return std::nullopt;
  }
  for (size_t i = 0; i < files.size(); ++i) {
    if (WriteLinesReplacing(paths[i], LinesOf(files[i].text))) continue;
    for (size_t j = 0; j < i; ++j) ::unlink(paths[j].c_str());
    if (!folderExists) ::rmdir(folder.c_str());
    error = "cannot write " + paths[i] + "; nothing written";
    return std::nullopt;
  }
  return paths;
}

}  // namespace sl::cli
