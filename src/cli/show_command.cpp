// stacklinks-tool show: reads one puzzle of a file the way the game shows it and prints what the
// game's labels, clue list and save command would show.
#include <iostream>
#include <memory>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/options.h"
#include "puzzle/linked_letters.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "puzzle/show_puzzle.h"

namespace sl::cli {
namespace {

constexpr const char* kShowUsage = "show --file FILE --number N [--meanings FILE]";

int UsageError(const std::string& message) {
  std::cerr << "stacklinks-tool: " << message << "\nusage: stacklinks-tool " << kShowUsage
            << "\n";
  return kExitUsage;
}

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
  if (!options) return UsageError(error);
  const std::string file = options->Value("file");
  const std::optional<int32_t> number = ParsePositiveNumber(options->Value("number"));
  if (file.empty()) return UsageError("--file needs a file name");
  if (!number) return UsageError("--number needs a whole number of 1 or more");

  const int32_t count = CountPuzzles(file);
  std::unique_ptr<ClueSource> clues =
      MakeClueSource(options->Value("meanings", DefaultMeaningsFile()));
  Puzzle puzzle;
  const ShowOutcome outcome = ReadPuzzleInto(puzzle, file, *number, count, clues.get());
  switch (outcome.status) {
    case ShowStatus::NothingDone:
      std::cout << "no puzzle " << *number << " in " << file << "\n";
      return kExitNotFound;
    case ShowStatus::Failed:
      std::cout << kErrorInReadingPuzzle << "\n";
      return kExitFailed;
    case ShowStatus::Shown:
      break;
  }
  PrintPuzzle(std::cout, puzzle, *number, count);
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"show", kShowUsage,
     "0 puzzle shown, 1 Error in reading puzzle, 2 usage error, 3 no puzzle N in FILE", &RunShow});

}  // namespace
}  // namespace sl::cli
