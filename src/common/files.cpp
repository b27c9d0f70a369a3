#include "common/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
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

namespace {

constexpr int kMaxLinkDepth = 40;

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links to the file they finally name (which need not exist yet). False when
// the chain is too long or a link cannot be read.
bool FollowLinks(std::string& path) {
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    std::vector<char> buffer(PATH_MAX + 1, '\0');
    const ssize_t n = ::readlink(path.c_str(), buffer.data(), PATH_MAX);
    if (n <= 0) return false;
    std::string target(buffer.data(), static_cast<size_t>(n));
    path = target.front() == '/' ? target : FolderOf(path) + "/" + target;
  }
  errno = ELOOP;
  return false;
}

// A name for the temporary file that no other writer in this or another process picks.
std::string TemporaryNameFor(const std::string& target) {
  static std::atomic<unsigned> counter{0};
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  return FolderOf(target) + "/." + FileNameOf(target) + "." + std::to_string(::getpid()) + "-" +
         std::to_string(counter++) + "-" + std::to_string(now % 1000000) + ".tmp";
}

}  // namespace

bool WriteAll(int fd, const std::string& data) {
  size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

ReplacingFile::~ReplacingFile() { Discard(); }

bool ReplacingFile::SetFailure(const std::string& why) {
  if (error_.empty()) error_ = why;
  Discard();
  return false;
}

void ReplacingFile::Discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
}

bool ReplacingFile::Open(const std::string& path) {
  Discard();
  error_.clear();
  target_ = path;
  if (target_.empty()) return SetFailure("no file name");
  if (!FollowLinks(target_)) return SetFailure(std::strerror(errno));
  struct stat existing {};
  existed_ = ::stat(target_.c_str(), &existing) == 0;
  if (existed_) {
    if (S_ISDIR(existing.st_mode)) return SetFailure("it is a folder");
    if (!S_ISREG(existing.st_mode)) return SetFailure("it is not a regular file");
    if (::access(target_.c_str(), W_OK) != 0) return SetFailure(std::strerror(errno));
    existingMode_ = existing.st_mode & 07777;
    existingUid_ = existing.st_uid;
    existingGid_ = existing.st_gid;
  }
  // A new file is created 0666 so the umask decides its mode; one that replaces a file stays
  // private until it takes that file's mode at Commit.
  const mode_t mode = existed_ ? 0600 : 0666;
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = TemporaryNameFor(target_);
    fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    const std::string why = std::strerror(errno);
    temp_.clear();
    return SetFailure(why);
  }
  return true;
}

bool ReplacingFile::Write(const std::string& bytes) {
  if (fd_ < 0) return SetFailure("not open");
  if (!WriteAll(fd_, bytes)) return SetFailure(std::strerror(errno));
  return true;
}

void ReplacingFile::Fail(const std::string& why) { SetFailure(why); }

bool ReplacingFile::Commit() {
  if (fd_ < 0) return SetFailure("not open");
  if (existed_) {
    if (::fchmod(fd_, existingMode_) != 0) return SetFailure(std::strerror(errno));
    // Only root can give the file back to another owner; anyone else owns what they write.
    if (::fchown(fd_, existingUid_, existingGid_) != 0) errno = 0;
  }
  if (::fsync(fd_) != 0) return SetFailure(std::strerror(errno));
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) return SetFailure(std::strerror(errno));
  if (::rename(temp_.c_str(), target_.c_str()) != 0) return SetFailure(std::strerror(errno));
  temp_.clear();
  return true;
}

bool ReplaceFileContents(const std::string& path, const std::string& bytes) {
  ReplacingFile file;
  return file.Open(path) && file.Write(bytes) && file.Commit();
}

}  // namespace sl
