#include "cli/shown_puzzle.h"

#include <iostream>
#include <memory>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/show_puzzle.h"

namespace sl::cli {

std::optional<ShownPuzzle> ReadShownPuzzle(const std::string& file, int32_t n,
                                           const std::string& meaningsPath, int& exitCode) {
  ShownPuzzle shown;
  shown.count = CountPuzzles(file);
  std::unique_ptr<ClueSource> clues = MakeClueSource(meaningsPath);
  switch (ReadPuzzleInto(shown.puzzle, file, n, shown.count, clues.get()).status) {
    case ShowStatus::NothingDone:
      std::cout << "no puzzle " << n << " in " << file << "\n";
      exitCode = kExitNotFound;
      return std::nullopt;
    case ShowStatus::Failed:
      std::cout << kErrorInReadingPuzzle << "\n";
      exitCode = kExitFailed;
      return std::nullopt;
    case ShowStatus::Shown:
      break;
  }
  exitCode = kExitOk;
  return shown;
}

}  // namespace sl::cli
