// stacklinks-tool show: reads one puzzle of a file the way the game shows it and prints what the
// game's labels, clue list and save command would show.
#include <iostream>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/options.h"
#include "cli/shown_puzzle.h"
#include "puzzle/linked_letters.h"
#include "puzzle/puzzle_record.h"
#include "puzzle/show_puzzle.h"

namespace sl::cli {
namespace {

constexpr const char* kShowUsage = "show --file FILE --number N [--meanings FILE]";

void PrintPuzzle(std::ostream& out, const Puzzle& puzzle, int32_t n, int32_t count) {
  out << PositionText(n, count) << "\n";
  out << LinkedLettersText(puzzle) << "\n";
  for (size_t k = 1; k <= puzzle.Wlist.size() && k < puzzle.Clue.size(); ++k) {
    out << k << "\t" << puzzle.Wlist[k - 1] << "\t" << puzzle.Clue[k] << "\n";
  }
  out << FormatPuzzleRecord(puzzle) << "\n";
}

int RunShow(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options = ParseOptions(
      args, {{"file", true, true}, {"number", true, true}, {"meanings", true, false}}, error);
  if (!options) return UsageError(kShowUsage, error);
  const std::string file = options->Value("file");
  const std::optional<int32_t> number = ParsePositiveNumber(options->Value("number"));
  if (file.empty()) return UsageError(kShowUsage, "--file needs a file name");
  if (!number) return UsageError(kShowUsage, "--number needs a whole number of 1 or more");

  int exitCode = kExitOk;
  const std::optional<ShownPuzzle> shown =
      ReadShownPuzzle(file, *number, options->Value("meanings", DefaultMeaningsFile()), exitCode);
  if (!shown) return exitCode;
  PrintPuzzle(std::cout, shown->puzzle, *number, shown->count);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"show", kShowUsage,
     "0 puzzle shown, 1 Error in reading puzzle, 2 usage error, 3 no puzzle N in FILE", &RunShow});

}  // namespace
}  // namespace sl::cli
