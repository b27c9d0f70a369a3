#pragma once
// Text files as lines. A line ends at CR LF, a lone CR or a lone LF; files are written with CR LF.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace sl {

inline constexpr const char* kCrLf = "\r\n";

// Splits text into lines. A final line without a line end counts; a line end at the very end
// does not start another (empty) line, so "a\r\n" is one line and "" is none.
std::vector<std::string> SplitLines(std::string_view text);

// Reads a whole file as bytes. False when it cannot be opened or read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Reads a file's lines. False (and no lines) when it cannot be opened or read.
bool ReadLines(const std::string& path, std::vector<std::string>& lines);

// Streams a file line by line without holding it all in memory.
class LineReader {
 public:
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool IsOpen() const { return file_ != nullptr; }
  // The next line without its line end; false at the end of the file or on a read error.
  bool Next(std::string& line);
  // True when reading stopped because of an error rather than the end of the file.
  bool Failed() const { return failed_; }

 private:
  int Peek();
  int Get();
  std::FILE* file_ = nullptr;
  bool failed_ = false;
};

// Writes the lines, each ended by CR LF, replacing the file through a temporary file beside it,
// so that a failed write never leaves a truncated file. False on any error.
bool WriteLinesReplacing(const std::string& path, const std::vector<std::string>& lines);

// Appends the lines, each ended by CR LF, creating the file when missing. A last line without a
// line end is ended first. Only a regular file is written: a folder, FIFO or device is refused at
// once. False on any error, and the file keeps its old length.
bool AppendLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace sl
