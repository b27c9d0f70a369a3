#include "app/entries_keeper.h"

#include <QTimer>

#include "app/form1.h"
#include "puzzle/kept_entries.h"

namespace sl {

std::string KeptEntriesFile(const GameFolders& folders) {
  return folders.settingsFolder + kKeptEntriesFileName;
}

void KeepEntries(const Form1& form) {
  const GameState& state = form.State();
  SaveKeptEntries(KeptEntriesFile(state.folders), state.puzzle, state.play.PuzzleFile,
                  state.play.PuzzleNumber);
}

// Made after the window connected its first tick, so this runs once that tick is over.
EntriesKeeper::EntriesKeeper(Form1& form) : form_(form) {
  connect(&form_.Timer1(), &QTimer::timeout, this, &EntriesKeeper::RestoreAfterStart);
}

void EntriesKeeper::RestoreAfterStart() {
  GameState& state = form_.State();
  if (state.puzzle.Empty()) return;
  if (LoadKeptEntries(KeptEntriesFile(state.folders), state.play.PuzzleFile,
                      state.play.PuzzleNumber, state.puzzle)) {
    form_.RedrawPuzzle();
  }
}

}  // namespace sl
