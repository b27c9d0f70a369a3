#include "puzzle/puzzle_file.h"

#include <ctime>
#include <limits>
#include <mutex>

#include "common/line_index.h"
#include "common/text_lines.h"
#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

// An index built this long (in seconds) after the file's last change is trusted while the file's
// stamp stays the same; a file changed more recently is indexed again at every use.
constexpr std::time_t kQuietSeconds = 2;

// The line index of the puzzle file in use, kept between commands so that stepping through a
// big file and counting it cost no whole-file read. Rebuilt whenever the file on disk is not the
// one indexed; shared by every thread that reads puzzle files.
class PuzzleFileIndex {
 public:
  template <typename Use>
  auto With(const std::string& path, Use&& use) {
    const std::lock_guard<std::mutex> lock(mutex_);
    const std::optional<FileStamp> now = FileStamp::Of(path);
    const bool current = now && path == path_ && index_.Matches(*now, kQuietSeconds);
    if (!current) {
      path_ = path;
      if (!index_.Build(path)) path_.clear();
    }
    return use(path_.empty() ? nullptr : &index_);
  }

  void Forget(const std::string& path) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (path == path_) path_.clear();
  }

 private:
  std::mutex mutex_;
  std::string path_;  // empty when nothing is indexed
  LineIndex index_;
};

PuzzleFileIndex& Index() {
  static PuzzleFileIndex index;
  return index;
}

}  // namespace

int32_t CountPuzzles(const std::string& path) {
  return Index().With(path, [](const LineIndex* index) -> int32_t {
    if (!index || index->Count() > std::numeric_limits<int32_t>::max()) return 0;
    return static_cast<int32_t>(index->Count());
  });
}

std::optional<std::string> ReadPuzzleLine(const std::string& path, int32_t n) {
  if (n < 1) return std::nullopt;
  return Index().With(path, [&](const LineIndex* index) -> std::optional<std::string> {
    if (!index) return std::nullopt;
    return index->Line(path, n);
  });
}

bool AppendPuzzle(const std::string& path, const Puzzle& puzzle, bool append) {
  const std::vector<std::string> record{FormatPuzzleRecord(puzzle)};
  const bool written = append ? AppendLines(path, record) : WriteLinesReplacing(path, record);
  Index().Forget(path);
  return written;
}

std::string EnsureExtension(const std::string& name, const std::string& extension) {
  // An empty name is a cancelled dialog: it must stay empty, not become ".txt".
  if (name.empty() || name.find('.') != std::string::npos) return name;
  return name + "." + extension;
}

}  // namespace sl
