#include "puzzle/puzzle_file.h"

#include <limits>

#include "common/text_lines.h"
#include "puzzle/puzzle_record.h"

namespace sl {

int32_t CountPuzzles(const std::string& path) {
  LineReader reader(path);
  if (!reader.IsOpen()) return 0;
  int32_t count = 0;
  std::string line;
  while (reader.Next(line)) {
    if (count == std::numeric_limits<int32_t>::max()) return 0;
    ++count;
  }
  return reader.Failed() ? 0 : count;
}

std::optional<std::string> ReadPuzzleLine(const std::string& path, int32_t n) {
  if (n < 1) return std::nullopt;
  LineReader reader(path);
  std::string line;
  for (int32_t i = 1; i <= n; ++i) {
    if (!reader.Next(line)) return std::nullopt;
  }
  return line;
}

bool AppendPuzzle(const std::string& path, const Puzzle& puzzle, bool append) {
  const std::vector<std::string> record{FormatPuzzleRecord(puzzle)};
  return append ? AppendLines(path, record) : WriteLinesReplacing(path, record);
}

std::string EnsureExtension(const std::string& name, const std::string& extension) {
  // An empty name is a cancelled dialog: it must stay empty, not become ".txt".
  if (name.empty() || name.find('.') != std::string::npos) return name;
  return name + "." + extension;
}

}  // namespace sl
