#include "generation/list_transforms.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_set>

#include "common/numbers.h"
#include "generation/text_case.h"

namespace sl {
namespace {

bool LessWithoutCase(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(UpperCp1252(a[i]));
    const auto y = static_cast<unsigned char>(UpperCp1252(b[i]));
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

std::string_view TrimBlanks(std::string_view line) {
  const size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t semi; (semi = line.find(';', start)) != std::string::npos; start = semi + 1) {
    fields.push_back(line.substr(start, semi - start));
  }
  fields.push_back(line.substr(start));
  return fields;
}

}  // namespace

std::vector<std::string> ShuffleLines(std::vector<std::string> lines, int32_t maxKey,
                                      Random& random) {
  std::vector<int32_t> keys(lines.size());
  for (int32_t& key : keys) key = 1 + random.Below(maxKey);
  std::vector<size_t> order(lines.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (keys[a] != keys[b]) return keys[a] < keys[b];
    return LessWithoutCase(lines[a], lines[b]);
  });
  std::vector<std::string> shuffled;
  shuffled.reserve(lines.size());
  for (size_t i : order) shuffled.push_back(std::move(lines[i]));
  return shuffled;
}

std::optional<std::vector<std::string>> DropNeighbourRepeats(const std::vector<std::string>& lines,
                                                             const ToolProgress& progress) {
  std::vector<std::string> kept;
  const std::string* previous = nullptr;
  for (const std::string& line : lines) {
    if (progress.Cancelled()) return std::nullopt;
    if (previous ? line == *previous : line.empty()) continue;
    previous = &line;
    kept.push_back(line);
    if (progress.Showing()) progress.Show("no dup" + Str(static_cast<long long>(kept.size())));
  }
  return kept;
}

std::optional<std::vector<std::string>> DropRepeats(const std::vector<std::string>& lines,
                                                    const ToolProgress& progress) {
  // One set of the lines in upper case answers "seen before?" at once, where searching the kept
  // lines would take time growing with the square of the file.
  std::unordered_set<std::string> seen;
  std::vector<std::string> kept;
  long long read = 0;
  for (const std::string& line : lines) {
    if (progress.Cancelled()) return std::nullopt;
    ++read;
    if (seen.insert(ToUpperCp1252(line)).second) kept.push_back(line);
    if (progress.Showing()) progress.Show(Str(read) + Str(static_cast<long long>(kept.size())));
  }
  return kept;
}

std::optional<std::vector<std::string>> TrimLines(const std::vector<std::string>& lines,
                                                  const ToolProgress& progress) {
  std::vector<std::string> kept;
  long long read = 0;
  for (const std::string& line : lines) {
    if (progress.Cancelled()) return std::nullopt;
    if (progress.Showing()) progress.Show(Str(++read));
    const std::string_view trimmed = TrimBlanks(line);
    if (!trimmed.empty()) kept.emplace_back(trimmed);
  }
  return kept;
}

MeaningNumbered AddMeaningNumbers(const std::vector<std::string>& lines, const Meanings& meanings,
                                  Random& random, const ToolProgress& progress) {
  MeaningNumbered result;
  int64_t number = 0;
  for (const std::string& line : lines) {
    if (progress.Cancelled()) {
      result.cancelled = true;
      return result;
    }
    ++number;
    std::vector<std::string> fields = SplitFields(line);
    // Fields 1..k-1 are words; the last field k is one too unless the line ends with ";".
    if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
    const size_t words = fields.size() - 1;
    if (words > kMaxWordFields) {
      result.refusedLine = number;
      result.refusedFields = words;
      result.lines.clear();
      return result;
    }
    std::string out = fields[0] + ";";
    for (size_t i = 1; i < fields.size(); ++i) {
      int32_t m = -1;  // stays -1 for a word without meanings
      LookUpClue(meanings, fields[i], m, random);
      out += fields[i] + "," + std::to_string(m) + ";";
    }
    result.lines.push_back(std::move(out));
    if (progress.Showing()) progress.Show("source" + Str(number));
  }
  return result;
}

}  // namespace sl
