// stacklinks-tool create: appends new puzzles to a puzzle file. Ctrl-C stops after the attempt
// that is running; every record written by then stays whole.
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>
#include <string>

#include "cli/command_registry.h"
#include "cli/options.h"
#include "cli/puzzle_making.h"
#include "game/puzzle_batch.h"
#include "generation/meanings.h"
#include "puzzle/puzzle_file.h"

namespace sl::cli {
namespace {

constexpr const char* kCreateUsage =
    "create --dict FILE --size N --count K --out FILE [--meanings FILE] [--seed S]";
constexpr int kExitInterrupted = 130;

// Set by Ctrl-C; the generator reads it after every attempt. A lock-free atomic may be written
// from a signal handler.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) { interrupted.store(true); }

// Restores the previous Ctrl-C handling when the command ends.
class InterruptGuard {
 public:
  InterruptGuard() : previous_(std::signal(SIGINT, OnInterrupt)) { interrupted.store(false); }
  ~InterruptGuard() { std::signal(SIGINT, previous_); }
  InterruptGuard(const InterruptGuard&) = delete;
  InterruptGuard& operator=(const InterruptGuard&) = delete;

 private:
  void (*previous_)(int);
};

// The progress bar goes to standard error only when that is a terminal: in a log file it would
// be a line of carriage returns.
bool ShowsProgress() { return ::isatty(STDERR_FILENO) == 1; }

void ShowProgress(int32_t done, int32_t total) {
  if (!ShowsProgress()) return;
  constexpr int kWidth = 30;
  const int filled = static_cast<int>(static_cast<int64_t>(done) * kWidth / total);
  std::cerr << "\rcreating [" << std::string(filled, '#') << std::string(kWidth - filled, '.')
            << "] " << done << "/" << total << std::flush;
}

int RunCreate(const std::vector<std::string>& args) {
  std::string error;
  const std::optional<Options> options =
      ParseOptions(args,
                   {{"dict", true, true},
                    {"size", true, true},
                    {"count", true, true},
                    {"out", true, true},
                    {"meanings", true, false},
                    {"seed", true, false}},
                   error);
  if (!options) return UsageError(kCreateUsage, error);
  const std::optional<int32_t> size = ParsePuzzleSize(options->Value("size"));
  if (!size) return UsageError(kCreateUsage, "--size needs a whole number from 8 to 12");
  const std::optional<int32_t> count = ParsePositiveNumber(options->Value("count"));
  if (!count) return UsageError(kCreateUsage, "--count needs a whole number of 1 or more");
  const std::optional<int32_t> seed = ParsePositiveNumber(options->Value("seed", "1"));
  if (!seed) return UsageError(kCreateUsage, "--seed needs a whole number of 1 or more");
  const std::string out = options->Value("out");
  if (out.empty()) return UsageError(kCreateUsage, "--out needs a file name");
  // A FIFO would hold the run until something reads it, a device or folder cannot take records.
  struct stat target {};
  if (::stat(out.c_str(), &target) == 0 && !S_ISREG(target.st_mode)) {
    return Failure(out + " is not a regular file");
  }

  const std::string dict = options->Value("dict");
  const std::optional<std::vector<std::string>> words = ReadDictionaryFile(dict, *size);
  if (!words) return Failure("cannot read the dictionary " + dict);
  Meanings meanings;
  const bool withMeanings = options->Has("meanings");
  if (withMeanings && !meanings.Read(options->Value("meanings"))) {
    return Failure("cannot read the meanings file " + options->Value("meanings"));
  }

  Random random = options->Has("seed") ? Random(static_cast<uint32_t>(*seed)) : Random();
  PuzzleGenerator generator(*words, *size);
  PuzzleBatch batch(out, withMeanings ? &meanings : nullptr, random);
  const InterruptGuard guard;
  const CreateOutcome outcome =
      MakePuzzles(generator, random, interrupted, *count, [&](GeneratedPuzzle&& made) {
        if (!batch.Add(made)) return false;
        ShowProgress(batch.Written(), *count);
        return true;
      });
  if (ShowsProgress()) std::cerr << "\n";  // below the progress bar
  if (batch.WriteFailed()) return Failure("cannot write to " + out);
  if (outcome == CreateOutcome::NoChain) {
    return Failure("no puzzle of size " + std::to_string(*size) + " can be made from " + dict);
  }
  if (outcome == CreateOutcome::Cancelled) {
    std::cerr << "interrupted: " << batch.Written() << " puzzles written to " << out << "\n";
    return kExitInterrupted;
  }
  return kExitOk;
}

const bool kRegistered = RegisterCommand(
    {"create", kCreateUsage,
     "0 all puzzles written, 1 no puzzle can be made, or a file cannot be read or written "
     "(--out must be a regular file), 2 usage error, 130 interrupted by Ctrl-C",
     &RunCreate});

}  // namespace
}  // namespace sl::cli
