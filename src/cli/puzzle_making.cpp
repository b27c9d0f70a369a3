#include "cli/puzzle_making.h"

#include "cli/options.h"
#include "generation/dictionary.h"

namespace sl::cli {

std::optional<int32_t> ParsePuzzleSize(const std::string& text) {
  const std::optional<int32_t> size = ParsePositiveNumber(text);
  if (!size || !IsCreatedSize(*size)) return std::nullopt;
  return size;
}

std::optional<std::vector<std::string>> ReadDictionaryFile(const std::string& path,
                                                           int32_t size) {
  clsSimpleArray dictionary;
  if (!ReadDictionaryWords(path, size, dictionary)) return std::nullopt;
  return dictionary.Items();
}


}  // namespace sl::cli
