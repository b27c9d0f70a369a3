#include "common/files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <vector>

namespace sl {

bool FileExists(const std::string& path) {
  if (path.empty()) return false;
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return false;
  return S_ISREG(st.st_mode) && st.st_size > 0;
}

std::string WithTrailingSeparator(const std::string& folder) {
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) return folder;
  return folder + "/";
}

std::string ProgramFolder() {
  std::vector<char> buffer(PATH_MAX + 1, '\0');
  ssize_t n = ::readlink("/proc/self/exe", buffer.data(), PATH_MAX);
  if (n <= 0) return WithTrailingSeparator(CurrentFolder());
  std::string exe(buffer.data(), static_cast<size_t>(n));
  auto slash = exe.find_last_of('/');
  return slash == std::string::npos ? "./" : exe.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) {
  auto pos = path.find_last_of("/\\");
  return pos == std::string::npos ? path : path.substr(pos + 1);
}

std::string CurrentFolder() {
  std::vector<char> buffer(PATH_MAX + 1, '\0');
  if (!::getcwd(buffer.data(), buffer.size())) return "";
  return buffer.data();
}

bool SetCurrentFolder(const std::string& folder) {
  return !folder.empty() && ::chdir(folder.c_str()) == 0;
}

}  // namespace sl
