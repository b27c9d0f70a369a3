#include "generation/line_scan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace sl {

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool ScanLines(const std::string& path, size_t keep, const LineSink& sink,
               const std::atomic<bool>* cancel) {
  if (path.empty()) return false;
  // Opening a FIFO would wait for a writer, for ever when none comes: it is refused instead.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  std::unique_ptr<std::FILE, FileCloser> file(::fdopen(fd, "rb"));
  if (!file) {
    ::close(fd);
    return false;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode) || S_ISFIFO(st.st_mode)) return false;
  if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) return false;

  std::string head;
  size_t length = 0;
  bool afterCr = false;
  bool open = false;  // a line has started and not yet ended
  static constexpr size_t kBlock = 1 << 16;
  std::unique_ptr<char[]> block(new char[kBlock]);
  size_t n;
  while ((n = std::fread(block.get(), 1, kBlock, file.get())) > 0) {
    if (cancel && cancel->load()) return false;
    const char* p = block.get();
    const char* end = p + n;
    while (p < end) {
      if (afterCr && *p == '\n') {  // the LF of a CR LF
        afterCr = false;
        ++p;
        continue;
      }
      afterCr = false;
      // Take the run of ordinary bytes up to the next line end in one step.
      const char* stop = p;
      while (stop < end && *stop != '\r' && *stop != '\n') ++stop;
      size_t run = static_cast<size_t>(stop - p);
      if (run > 0) {
        open = true;
        if (head.size() < keep) head.append(p, std::min(run, keep - head.size()));
        length += run;
      }
      p = stop;
      if (p == end) break;
      afterCr = *p == '\r';
      ++p;
      sink(head, length);
      head.clear();
      length = 0;
      open = false;
    }
  }
  if (std::ferror(file.get())) return false;
  if (open) sink(head, length);
  return true;
}

}  // namespace sl
