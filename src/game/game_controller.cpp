#include "game/game_controller.h"

#include "common/numbers.h"
#include "generation/dictionary.h"
#include "game/puzzle_batch.h"
#include "puzzle/puzzle_file.h"

namespace sl {

int32_t CreationSize(const std::string& labelText) {
  const int32_t size = RoundHalfEven(Val(labelText));
  return IsCreatedSize(size) ? size : kMaxPuzzleSize;
}

std::string CreatingStatus(int32_t size) { return "Creating a" + Str(size) + " words Puzzle ..."; }

std::pair<Admission, std::string> GameController::Request(GameCommand command,
                                                          std::function<void()> action) {
  const Admission admission = AdmissionOf(command, activity_);
  switch (admission) {
    case Admission::Runs:
      action();
      return {admission, {}};
    case Admission::Waits:
      for (auto& waiting : waiting_) {
        if (waiting.first == command) {
          waiting.second = std::move(action);
          return {admission, {}};
        }
      }
      waiting_.emplace_back(command, std::move(action));
      return {admission, {}};
    case Admission::Refused: break;
  }
  return {admission, RefusalText(command, activity_)};
}

void GameController::End() {
  activity_ = Activity::Idle;
  while (!waiting_.empty() && activity_ == Activity::Idle) {
    std::function<void()> action = std::move(waiting_.front().second);
    waiting_.pop_front();
    action();
  }
}

ShowReport GameController::ShowPuzzle(const std::string& path, int32_t n) {
  PlayState& play = state_.play;
  if (n > play.PuzzleCount) return {};
  const int32_t sizeBefore = state_.puzzle.PuzzleSize;
  const ShowOutcome outcome =
      ReadPuzzleInto(state_.puzzle, path, n, play.PuzzleCount, state_.clues.get());
  if (outcome.status == ShowStatus::NothingDone) return {};
  if (outcome.status == ShowStatus::Failed) ClearPuzzle();
  play.PuzzleNumber = n;
  play.PuzzleFile = path;
  play.CursorRow = -1;
  return {outcome.status, state_.puzzle.PuzzleSize != sizeBefore};
}

ShowReport GameController::LoadPuzzleFile(const std::string& path) {
  const int32_t count = CountPuzzles(path);
  if (count == 0) return {};
  state_.play.PuzzleCount = count;
  return ShowPuzzle(path, 1);
}

std::optional<int32_t> GameController::NavigationTarget(NavCommand command, int button,
                                                       bool& unreadable) {
  PlayState& play = state_.play;
  unreadable = false;
  if (play.PuzzleFile.empty()) return std::nullopt;
  play.PuzzleCount = CountPuzzles(play.PuzzleFile);
  // A file that has become empty or unreadable since it was opened is a read error.
  if (play.PuzzleCount == 0) {
    unreadable = true;
    return std::nullopt;
  }
  if (play.PuzzleCount == 1) return std::nullopt;
  return ChooseNavigationNumber(command, play.PuzzleNumber, play.PuzzleCount, button,
                                state_.random);
}

void GameController::ClearPuzzle() {
  Puzzle& puzzle = state_.puzzle;
  for (auto& row : puzzle.Entry) row.fill(std::string());
  for (auto& row : puzzle.Solution) row.fill(std::string());
  puzzle.Wlist.clear();
}

CreationStart GameController::StartCreation(const std::string& sizeLabelText) {
  CreationStart start;
  start.size = CreationSize(sizeLabelText);
  if (start.size != state_.puzzle.PuzzleSize) {
    // The dictionary holds only words of the current size: read the words of the label's size
    // first, and change nothing when there are none.
    clsSimpleArray words;
    if (!ReadDictionaryWords(state_.play.DictionaryFile, start.size, words) ||
        words.ListCount() == 0) {
      return start;
    }
    state_.dictionary = std::move(words);
    start.sizeChanged = true;
  } else if (state_.dictionary.ListCount() == 0) {
    return start;
  }
  kept_ = {state_.puzzle, state_.play};
  ClearPuzzle();
  state_.puzzle.PuzzleSize = start.size;
  state_.play.CursorRow = -1;
  activity_ = Activity::Creation;
  start.started = true;
  start.words = state_.dictionary.Items();
  return start;
}

CreationEnd GameController::FinishCreation(CreateOutcome outcome, const GeneratedPuzzle* made) {
  CreationEnd end;
  const int32_t creationSize = state_.puzzle.PuzzleSize;
  if (outcome != CreateOutcome::Created || made == nullptr) {
    end.result = outcome == CreateOutcome::NoChain ? CreationEnd::Result::NoChain
                                                   : CreationEnd::Result::Cancelled;
    RestoreKept();
  } else {
    if (state_.clues) state_.clues->EnsureLoaded();
    const Puzzle created = RecordOf(*made, state_.meanings, state_.random);
    const std::string tempFile = state_.folders.TempPuzzleFile();
    if (!AppendPuzzle(tempFile, created, false)) {
      // Without the temporary file the puzzle cannot be shown or saved the usual way.
      end.result = CreationEnd::Result::WriteFailed;
      RestoreKept();
    } else {
      end.result = CreationEnd::Result::Created;
      // Read back as every puzzle is; should that fail, the puzzle just written is shown as it
      // stands, still as puzzle 1 of the temporary file.
      Puzzle shown = created;
      if (ReadPuzzleInto(shown, tempFile, 1, 1, state_.clues.get()).status == ShowStatus::Shown) {
        state_.puzzle = std::move(shown);
      } else {
        state_.puzzle = created;
      }
      state_.play.PuzzleFile = tempFile;
      state_.play.PuzzleNumber = 1;
      state_.play.PuzzleCount = 1;
      state_.play.CursorRow = -1;
    }
  }
  end.sizeChanged = state_.puzzle.PuzzleSize != creationSize;
  return end;
}

void GameController::RestoreKept() {
  state_.puzzle = kept_.puzzle;
  const std::string dictionaryFile = state_.play.DictionaryFile;
  state_.play = kept_.play;
  state_.play.DictionaryFile = dictionaryFile;
  state_.play.CursorRow = -1;  // no cell is selected after a creation
}

}  // namespace sl
