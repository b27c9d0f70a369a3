#pragma once
// The game's controller: owns the puzzle, the play state and the settings, decides by the
// command table what may run while a creation, a list tool or a print run goes on, and carries
// out the puzzle side of the commands. It never calls a window: the main window forwards input
// here and draws what the answers report.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/command_table.h"
#include "game/game_state.h"
#include "generation/generator.h"
#include "puzzle/navigation.h"
#include "puzzle/show_puzzle.h"

namespace sl {

inline constexpr const char* kLoadADictionaryFirst = "Load a Dictionary first";
inline constexpr const char* kCannotCreateAPuzzle = "Cannot create a Puzzle";
inline constexpr const char* kPuzzleCanceled = "Puzzle canceled";
inline constexpr const char* kPuzzleCreated = "Puzzle created";
inline constexpr const char* kCancelingCreation = "Canceling puzzle creation ...";

// The size a creation uses for the size label's text: the nearest whole number, 12 when that is
// not from 8 to 12.
int32_t CreationSize(const std::string& labelText);
// "Creating a 10 words Puzzle ...".
std::string CreatingStatus(int32_t size);

// What showing a puzzle did.
struct ShowReport {
  ShowStatus status = ShowStatus::NothingDone;
  bool sizeChanged = false;  // the grid layout and the dictionary must follow PuzzleSize
};

struct CreationStart {
  bool started = false;      // false: no words of the size: "Load a Dictionary first"
  int32_t size = 0;
  bool sizeChanged = false;  // the grid layout must follow PuzzleSize (the words are read)
  std::vector<std::string> words;
};

struct CreationEnd {
  enum class Result { Created, Cancelled, NoChain, WriteFailed } result = Result::Cancelled;
  bool sizeChanged = false;  // the puzzle back on screen has another size than the creation's
};

class GameController {
 public:
  GameState& State() { return state_; }
  const GameState& State() const { return state_; }

  // --- The command table ---
  Activity Running() const { return activity_; }
  // Runs the action now, keeps it until the running job has ended (a later request of the same
  // command takes the place of one still waiting), or refuses it, as the table says. Returns the
  // admission and, for a refusal, the status text that says why ("" for a quiet one).
  std::pair<Admission, std::string> Request(GameCommand command, std::function<void()> action);
  // A job starts; only one runs at a time (the table never lets a command start a job while
  // another runs).
  void Begin(Activity activity) { activity_ = activity; }
  // The job has ended: the commands that waited run in the order they came, until one of them
  // starts a job of its own.
  void End();
  size_t Waiting() const { return waiting_.size(); }

  // --- Showing puzzles ---
  // Reads puzzle n of the file (PuzzleCount must be set for it) and makes it the puzzle on
  // screen. A puzzle that cannot be read still becomes the position in play, with an empty grid:
  // the position shown, Next and Previous and the grid never disagree. NothingDone when n is
  // beyond PuzzleCount.
  ShowReport ShowPuzzle(const std::string& path, int32_t n);
  // Counts the file's puzzles and shows the first; NothingDone for a file without puzzles.
  ShowReport LoadPuzzleFile(const std::string& path);
  // The puzzle number a navigation button leads to: nullopt when it stays (no file, or one
  // puzzle); `unreadable` is set when the file has become empty or unreadable.
  std::optional<int32_t> NavigationTarget(NavCommand command, int button, bool& unreadable);
  // Empties words, solution and entries (the size stays).
  void ClearPuzzle();

  // --- Creating a puzzle ---
  // Checks the dictionary for the size on the size label, reading it again when the size
  // differs from PuzzleSize, then keeps the puzzle on screen aside and starts the creation: the
  // grid is the empty one of the new size until FinishCreation.
  CreationStart StartCreation(const std::string& sizeLabelText);
  // Created (made holds the puzzle): it is written as the only record of the temporary puzzle
  // file and read back from there. Otherwise the kept puzzle comes back as the player left it,
  // entries and all. The job stays running until End().
  CreationEnd FinishCreation(CreateOutcome outcome, const GeneratedPuzzle* made);

 private:
  struct Kept {
    Puzzle puzzle;
    PlayState play;
  };
  void RestoreKept();

  GameState state_;
  Activity activity_ = Activity::Idle;
  std::deque<std::pair<GameCommand, std::function<void()>>> waiting_;
  Kept kept_;
};

}  // namespace sl
