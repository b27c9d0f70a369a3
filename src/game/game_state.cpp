#include "game/game_state.h"

namespace sl {

void LookUpRandomClues(GameState& state, Puzzle& puzzle) {
  if (state.clues) state.clues->EnsureLoaded();
  LookUpClues(puzzle, -1, state.meanings, state.random);
}

}  // namespace sl
