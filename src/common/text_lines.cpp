#include "common/text_lines.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "common/files.h"

namespace sl {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return false;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  char buffer[1 << 16];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
  bool ok = !std::ferror(f);
  std::fclose(f);
  if (!ok) bytes.clear();
  return ok;
}

bool ReadLines(const std::string& path, std::vector<std::string>& lines) {
  std::string bytes;
  if (!ReadFileBytes(path, bytes)) {
    lines.clear();
    return false;
  }
  lines = SplitLines(bytes);
  return true;
}

LineReader::LineReader(const std::string& path) {
  if (!path.empty()) file_ = std::fopen(path.c_str(), "rb");
  if (file_) {
    // Reading a directory "succeeds" on Linux until the first read; fail it up front.
    struct stat st {};
    if (fstat(fileno(file_), &st) != 0 || S_ISDIR(st.st_mode)) {
      std::fclose(file_);
      file_ = nullptr;
    }
  }
}

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

int LineReader::Get() { return std::getc(file_); }

int LineReader::Peek() {
  int ch = std::getc(file_);
  if (ch != EOF) std::ungetc(ch, file_);
  return ch;
}

bool LineReader::Next(std::string& line) {
  line.clear();
  if (!file_) return false;
  int ch = Get();
  if (ch == EOF) {
    failed_ = std::ferror(file_) != 0;
    return false;
  }
  while (ch != EOF) {
    if (ch == '\n') return true;
    if (ch == '\r') {
      if (Peek() == '\n') Get();
      return true;
    }
    line.push_back(static_cast<char>(ch));
    ch = Get();
  }
  failed_ = std::ferror(file_) != 0;
  return !failed_;
}

namespace {

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string data;
  for (const auto& line : lines) {
    data += line;
    data += kCrLf;
  }
  return data;
}

}  // namespace

bool WriteLinesReplacing(const std::string& path, const std::vector<std::string>& lines) {
  return ReplaceFileContents(path, JoinCrLf(lines));
}

namespace {

// True when the file's last byte is not a line end, so appended lines would join its last line.
bool LastLineUnended(const std::string& path, off_t size) {
  if (size <= 0) return false;
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  char last = '\n';
  bool unended = ::pread(fd, &last, 1, size - 1) == 1 && last != '\n' && last != '\r';
  ::close(fd);
  return unended;
}

}  // namespace

bool AppendLines(const std::string& path, const std::vector<std::string>& lines) {
  if (path.empty()) return false;
  // Without O_NONBLOCK opening a FIFO would wait for a reader; it is refused below instead.
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) return false;
  struct stat st {};
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok) {
    // A file made elsewhere may lack its final line end; end that line first.
    std::string data = LastLineUnended(path, st.st_size) ? kCrLf : "";
    data += JoinCrLf(lines);
    // One write call, so a record is never interleaved; a failed write (disk full) is cut back
    // off so no half line is left behind.
    ok = WriteAll(fd, data);
    if (!ok && ::ftruncate(fd, st.st_size) != 0) ok = false;
  }
  if (::close(fd) != 0) ok = false;
  return ok;
}

}  // namespace sl
