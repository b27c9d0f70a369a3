// stacklinks-tool ipuz: puzzles of a file as ipuz files that other crossword players open, one
// file a puzzle, each written whole or not at all. Every puzzle is read and turned into ipuz
// text before the first file is written, so a refusal writes nothing.
#include <sys/stat.h>

#include <iostream>
#include <memory>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/file_batch.h"
#include "cli/options.h"
#include "common/files.h"
#include "output/ipuz.h"
#include "output/print_range.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/show_puzzle.h"

namespace sl::cli {
namespace {

constexpr const char* kIpuzUsage =
    "ipuz --file FILE (--number N | --range A-B) --out PATH [--meanings FILE]";

struct Range {
  int32_t first = 0;
  int32_t last = 0;
};

// "N" from --number or "A-B" from --range, A not above B; nullopt sets error.
std::optional<Range> ChosenRange(const Options& options, std::string& error) {
  if (options.Has("number") == options.Has("range")) {
    error = "give either --number N or --range A-B";
    return std::nullopt;
  }
  if (options.Has("number")) {
    const std::optional<int32_t> n = ParsePositiveNumber(options.Value("number"));
    if (!n) error = "--number needs a whole number of 1 or more";
    return n ? std::optional<Range>({*n, *n}) : std::nullopt;
  }
  const std::string text = options.Value("range");
  const size_t dash = text.find('-');
  const std::optional<int32_t> first =
      dash == std::string::npos ? std::nullopt : ParsePositiveNumber(text.substr(0, dash));
  const std::optional<int32_t> last =
      dash == std::string::npos ? std::nullopt : ParsePositiveNumber(text.substr(dash + 1));
  if (!first || !last || *first > *last) {
    error = "--range needs A-B, two whole numbers of 1 or more with A not above B";
    return std::nullopt;
  }
  return Range{*first, *last};
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Reads puzzles first..last as the game shows them and turns each into ipuz text, named after
// the puzzle file and its number. False (with the reason on stderr) at the first that cannot be.
bool IpuzFiles(const std::string& file, Range range, int32_t count, ClueSource& clues,
               std::vector<NamedText>& files) {
  for (int32_t n = range.first; n <= range.last; ++n) {
    Puzzle puzzle;
    const std::string where = "puzzle " + std::to_string(n) + " of " + file;
    if (ReadPuzzleInto(puzzle, file, n, count, &clues).status != ShowStatus::Shown) {
      Failure(where + ": " + kErrorInReadingPuzzle);
      return false;
    }
    if (const std::string problem = IpuzGridProblem(puzzle); !problem.empty()) {
      Failure(where + " is not a full grid: " + problem);
      return false;
    }
    files.push_back({FileNameOf(NamedAfterPuzzleFile(file, n, n, ".ipuz")),
                     IpuzText(puzzle, FileNameOf(file), n)});
  }
  return true;
}

int RunIpuz(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options = ParseOptions(args,
                                                      {{"file", true, true},
                                                       {"number", true, false},
                                                       {"range", true, false},
                                                       {"out", true, true},
                                                       {"meanings", true, false}},
                                                      error);
  if (!options) return UsageError(kIpuzUsage, error);
  const std::string file = options->Value("file");
  const std::string out = options->Value("out");
  if (file.empty()) return UsageError(kIpuzUsage, "--file needs a file name");
  if (out.empty()) return UsageError(kIpuzUsage, "--out needs a file or folder name");
  std::optional<Range> range = ChosenRange(*options, error);
  if (!range) return UsageError(kIpuzUsage, error);

  const int32_t count = CountPuzzles(file);
  if (range->first > count) {
    std::cerr << "stacklinks-tool: no puzzle " << range->first << " in " << file << "\n";
    return kExitNotFound;
  }
  range->last = std::min(range->last, count);  // a range past the end stops at the last puzzle

  const std::string meanings = options->Value("meanings", DefaultMeaningsFile());
  std::unique_ptr<ClueSource> clues = MakeClueSource(meanings);
  if (!clues->EnsureLoaded()) return Failure("cannot read the meanings file " + meanings);

  std::vector<NamedText> files;
  if (!IpuzFiles(file, *range, count, *clues, files)) return kExitFailed;

  // One puzzle goes to the file --out names (replacing it: that is what was asked), unless --out
  // is a folder; a range always goes into a folder, where no file is replaced.
  const bool intoFolder = options->Has("range") || IsFolder(out);
  const std::optional<std::vector<std::string>> written =
      intoFolder ? WriteNewFilesInFolder(out, files, error)
                 : WriteOneFile(out, files.front().text, error);
  if (!written) return Failure(error);
  for (const std::string& path : *written) std::cout << path << "\n";
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"ipuz", kIpuzUsage,
     "0 files written, 1 Error in reading puzzle, a puzzle that is not a full grid, a file that "
     "cannot be read or written, or a file in the folder that would be replaced; nothing "
     "written, 2 usage error, 3 no puzzle A in FILE",
     &RunIpuz});

}  // namespace
}  // namespace sl::cli
