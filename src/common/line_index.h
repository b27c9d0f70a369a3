#pragma once
// Where every line of a text file starts, so that line n is read without reading the lines
// before it. Lines end as SplitLines splits them: CR LF, a lone CR or a lone LF; a last line
// without a line end counts, and an empty file has no lines.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace sl {

// What tells one state of a file on disk from another: which file it is, its size and when it
// last changed.
struct FileStamp {
  uint64_t device = 0, inode = 0;
  int64_t size = -1;
  int64_t modifiedNs = 0, changedNs = 0;  // nanoseconds since the epoch

  // The file's stamp; nullopt when it cannot be read or is not a regular file.
  static std::optional<FileStamp> Of(const std::string& path);
  bool operator==(const FileStamp& other) const;
};

class LineIndex {
 public:
  // Indexes the file as it is now. False when it cannot be opened or read; the index is then
  // empty and matches no file.
  bool Build(const std::string& path);

  int64_t Count() const { return static_cast<int64_t>(starts_.size()); }

  // True when the file whose stamp is `now` is surely the one indexed. A file written again in
  // place keeps its inode, and the clock the file system stamps with is coarse, so two writes of
  // the same size moments apart can leave the same stamp: the index is trusted only when it was
  // built at least `quiet` seconds after the file's last change.
  bool Matches(const FileStamp& now, std::time_t quiet) const;

  // Line n (1-based) read from the file at `path`, without its line end; nullopt when n is out
  // of range or the read fails. The file is taken to be the one indexed.
  std::optional<std::string> Line(const std::string& path, int64_t n) const;

 private:
  FileStamp stamp_;
  int64_t builtAtNs_ = 0;  // when the reading began, in nanoseconds since the epoch
  std::vector<uint64_t> starts_;  // byte offset of every line's first byte
  uint64_t end_ = 0;              // bytes indexed
};

}  // namespace sl
