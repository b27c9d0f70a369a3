#pragma once
// What print and copy take from the game state: the puzzle on screen as a sheet, and a range of
// the puzzle file in play as a print job, both in the grid font of the settings.
#include <cstdint>

#include "game/game_state.h"
#include "output/print_run.h"
#include "output/puzzle_sheet.h"

namespace sl {

SheetContent CurrentSheet(const GameState& state);

PrintJob PrintJobOf(const GameState& state, int32_t first, int32_t last, int32_t puzzleCount);

}  // namespace sl
