// stacklinks-tool ipuz: puzzles of a file as ipuz files that other crossword players open, one
// file a puzzle, each written whole or not at all.
#include <sys/stat.h>

#include <functional>
#include <iostream>
#include <memory>

#include "cli/clue_source_factory.h"
#include "cli/command_registry.h"
#include "cli/options.h"
#include "cli/output_files.h"
#include "common/files.h"
#include "common/text_lines.h"
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

// Hands puzzles first..last of the file, each read as the game reads a record (with first
// meanings as clues when clues is given), to use in order; the file is read once, line by line.
// False, with the reason on stderr, at the first puzzle that cannot be read or has holes in its
// grid, or when use says false.
bool ForEachPuzzle(const std::string& file, Range range, ClueSource* clues,
                   const std::function<bool(int32_t n, const Puzzle& puzzle)>& use) {
  LineReader reader(file);
  std::string line;
  for (int32_t n = 1; n <= range.last; ++n) {
    const bool read = reader.Next(line);
    if (n < range.first) continue;
    const std::string where = "puzzle " + std::to_string(n) + " of " + file;
    Puzzle puzzle;
    if (!read || !ApplyRecordLine(puzzle, line, clues)) {
      Failure(where + ": " + kErrorInReadingPuzzle);
      return false;
    }
    if (const std::string problem = IpuzGridProblem(puzzle); !problem.empty()) {
      Failure(where + " is not a full grid: " + problem);
      return false;
    }
    if (!use(n, puzzle)) return false;
  }
  return true;
}

std::string IpuzFileName(const std::string& file, int32_t n) {
  return FileNameOf(NamedAfterPuzzleFile(file, n, n, ".ipuz"));
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

  // Every puzzle is checked before the first file is written, so a refusal writes nothing.
  std::vector<std::string> names;
  const bool readable = ForEachPuzzle(file, *range, nullptr, [&](int32_t n, const Puzzle&) {
    names.push_back(IpuzFileName(file, n));
    return true;
  });
  if (!readable) return kExitFailed;

  // One puzzle goes to the file --out names (replacing it: that is what was asked), unless --out
  // is a folder; a range always goes into a folder, where no file is replaced.
  OutputFiles output = options->Has("range") || IsFolder(out)
                           ? OutputFiles::NewInFolder(out, names)
                           : OutputFiles::Replacing(out);
  if (!output.Check(error)) return Failure(error);
  const bool written = ForEachPuzzle(file, *range, clues.get(), [&](int32_t n, const Puzzle& p) {
    if (output.WriteNext(IpuzText(p, FileNameOf(file), n), error)) return true;
    Failure(error);
    return false;
  });
  if (!written) {
    output.Abandon();  // a failed write, or the puzzle file changed since it was checked
    return kExitFailed;
  }
  for (const std::string& path : output.Written()) std::cout << path << "\n";
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
