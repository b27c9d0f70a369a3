#include "cli/output_files.h"

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

OutputFiles OutputFiles::Replacing(const std::string& path) {
  OutputFiles files;
  files.paths_ = {path};
  return files;
}

OutputFiles OutputFiles::NewInFolder(const std::string& folder,
                                     const std::vector<std::string>& names) {
  OutputFiles files;
  files.folder_ = folder;
  for (const std::string& name : names) files.paths_.push_back(WithTrailingSeparator(folder) + name);
  return files;
}

bool OutputFiles::Check(std::string& error) const {
  if (folder_.empty()) return true;  // the write itself tells whether the file can be replaced
  struct stat st {};
  if (::stat(folder_.c_str(), &st) == 0 && !S_ISDIR(st.st_mode)) {
    error = folder_ + " is not a folder; nothing written";
    return false;
  }
  for (const std::string& path : paths_) {
    if (Exists(path)) {
      error = path + " is there already; nothing written";
      return false;
    }
  }
  return true;
}

bool OutputFiles::WriteNext(const std::string& text, std::string& error) {
  const std::string& path = paths_.at(written_);
  if (!folder_.empty() && written_ == 0 && !Exists(folder_)) {
    if (::mkdir(folder_.c_str(), 0777) != 0) {
      error = "cannot make the folder " + folder_ + "; nothing written";
      return false;
    }
    madeFolder_ = true;
  }
  if (!WriteLinesReplacing(path, LinesOf(text))) {
    Abandon();
    error = "cannot write " + path + "; nothing written";
    return false;
  }
  ++written_;
  return true;
}

void OutputFiles::Abandon() {
  for (size_t i = 0; i < written_; ++i) ::unlink(paths_[i].c_str());
  written_ = 0;
  if (madeFolder_) ::rmdir(folder_.c_str());
  madeFolder_ = false;
}

std::vector<std::string> OutputFiles::Written() const {
  return {paths_.begin(), paths_.begin() + static_cast<std::ptrdiff_t>(written_)};
}

}  // namespace sl::cli
