#include "game/paper_of_state.h"

namespace sl {
namespace {

SheetFont GridFont(const GridLook& look) { return {look.GridFontName, look.GridFontSize}; }

}  // namespace

SheetContent CurrentSheet(const GameState& state) {
  SheetContent sheet;
  sheet.puzzle = state.puzzle;
  sheet.number = state.play.PuzzleNumber;
  sheet.file = state.play.PuzzleFile;
  sheet.font = GridFont(state.look);
  return sheet;
}

PrintJob PrintJobOf(const GameState& state, int32_t first, int32_t last, int32_t puzzleCount) {
  PrintJob job;
  job.file = state.play.PuzzleFile;
  job.first = first;
  job.last = last;
  job.puzzleCount = puzzleCount;
  job.font = GridFont(state.look);
  return job;
}

}  // namespace sl
