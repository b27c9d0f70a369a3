#include "common/line_index.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <new>
#include <tuple>

namespace sl {
namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

int64_t Nanoseconds(int64_t seconds, int64_t nanoseconds) {
  return seconds * 1000000000 + nanoseconds;
}

FileStamp StampOf(const struct stat& st) {
  FileStamp stamp;
  stamp.device = st.st_dev;
  stamp.inode = st.st_ino;
  stamp.size = st.st_size;
  stamp.modifiedNs = Nanoseconds(st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
  stamp.changedNs = Nanoseconds(st.st_ctim.tv_sec, st.st_ctim.tv_nsec);
  return stamp;
}

// Closes the descriptor when it goes out of scope.
struct Descriptor {
  int fd;
  explicit Descriptor(const std::string& path) : fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
};

std::optional<FileStamp> RegularFileStamp(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return StampOf(st);
}

// Reads up to `length` bytes at `offset`; the count read, or -1 on an error.
ssize_t ReadAt(int fd, char* into, size_t length, uint64_t offset) {
  size_t done = 0;
  while (done < length) {
    const ssize_t n = ::pread(fd, into + done, length - done, static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

}  // namespace

std::optional<FileStamp> FileStamp::Of(const std::string& path) {
  struct stat st {};
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  return StampOf(st);
}

bool FileStamp::operator==(const FileStamp& other) const {
  const auto key = [](const FileStamp& s) {
    return std::tie(s.device, s.inode, s.size, s.modifiedNs, s.changedNs);
  };
  return key(*this) == key(other);
}

bool LineIndex::Matches(const FileStamp& now, std::time_t quiet) const {
  // The change time moves with every write and every touch of the times, so it is the one to ask.
  return stamp_.size >= 0 && now == stamp_ &&
         stamp_.changedNs + Nanoseconds(quiet, 0) <= builtAtNs_;
}

bool LineIndex::Build(const std::string& path) {
  stamp_ = FileStamp();
  starts_.clear();
  end_ = 0;
  // The file system stamps times from the same real-time clock.
  builtAtNs_ = std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
                   .count();
  if (path.empty()) return false;
  const Descriptor file(path);
  if (file.fd < 0) return false;
  const std::optional<FileStamp> before = RegularFileStamp(file.fd);
  if (!before) return false;

  std::vector<uint64_t> starts;
  uint64_t offset = 0;
  try {
    static constexpr size_t kBlock = 1 << 16;
    std::unique_ptr<char[]> block(new char[kBlock]);
    bool open = false;     // a line has started and not ended
    bool afterCr = false;  // the last byte was a CR: an LF now completes its CR LF
    for (;;) {
      const ssize_t n = ReadAt(file.fd, block.get(), kBlock, offset);
      if (n < 0) return false;
      if (n == 0) break;
      const char* p = block.get();
      const char* const end = p + n;
      while (p < end) {
        if (afterCr && *p == '\n') ++p;
        afterCr = false;
        if (p == end) break;
        if (!open) {
          starts.push_back(offset + static_cast<uint64_t>(p - block.get()));
          open = true;
        }
        while (p < end && !IsLineEnd(*p)) ++p;
        if (p == end) break;
        afterCr = *p == '\r';
        open = false;
        ++p;
      }
      offset += static_cast<uint64_t>(n);
    }
  } catch (const std::bad_alloc&) {
    return false;
  }
  // A file that changed while it was read gives an index that no stamp matches, so the next use
  // reads it again.
  const std::optional<FileStamp> after = RegularFileStamp(file.fd);
  stamp_ = after && *after == *before ? *before : FileStamp();
  starts_ = std::move(starts);
  end_ = offset;
  return true;
}

std::optional<std::string> LineIndex::Line(const std::string& path, int64_t n) const {
  if (n < 1 || n > Count()) return std::nullopt;
  const uint64_t start = starts_[static_cast<size_t>(n - 1)];
  const uint64_t stop =
      n < Count() ? starts_[static_cast<size_t>(n)] : end_;
  if (stop < start) return std::nullopt;
  const Descriptor file(path);
  if (file.fd < 0) return std::nullopt;
  std::string line;
  try {
    line.resize(static_cast<size_t>(stop - start));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
  const ssize_t got = ReadAt(file.fd, line.data(), line.size(), start);
  if (got < 0) return std::nullopt;
  line.resize(static_cast<size_t>(got));
  size_t length = 0;
  while (length < line.size() && !IsLineEnd(line[length])) ++length;
  line.resize(length);
  return line;
}

}  // namespace sl
