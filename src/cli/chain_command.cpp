// stacklinks-tool chain: one attempt of the generator from a given start word, printed as the
// puzzle record the game would write.
#include <iostream>

#include "cli/command_registry.h"
#include "cli/options.h"
#include "cli/puzzle_making.h"
#include "game/puzzle_batch.h"
#include "puzzle/puzzle_record.h"

namespace sl::cli {
namespace {

constexpr const char* kChainUsage = "chain --dict FILE --size N --start WORD";

int RunChain(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options = ParseOptions(
      args, {{"dict", true, true}, {"size", true, true}, {"start", true, true}}, error);
  if (!options) return UsageError(kChainUsage, error);
  const std::optional<int32_t> size = ParsePuzzleSize(options->Value("size"));
  if (!size) return UsageError(kChainUsage, "--size needs a whole number from 8 to 12");

  const std::string dict = options->Value("dict");
  const std::optional<std::vector<std::string>> words = ReadDictionaryFile(dict, *size);
  if (!words) return Failure("cannot read the dictionary " + dict);
  const WordTable table(*words, *size);
  const std::string start = options->Value("start");
  int32_t row = 0;
  while (row < table.Count() && table.Word(row) != start) ++row;
  if (row == table.Count()) {
    Failure(start + " is not a word of " + std::to_string(*size) + " letters in " + dict);
    return kExitNotFound;
  }

  const Chain chain = BuildChain(table, row);
  if (static_cast<int32_t>(chain.size()) != *size) {
    std::cout << "no chain\n";
    return kExitFailed;
  }
  std::cout << FormatPuzzleRecord(RecordOf(ChainPuzzle(table, chain))) << "\n";
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"chain", kChainUsage,
     "0 record printed, 1 no chain or the dictionary cannot be read, 2 usage error, "
     "3 WORD is not a word of N letters in the dictionary",
     &RunChain});

}  // namespace
}  // namespace sl::cli
