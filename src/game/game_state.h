#pragma once
// Everything the game holds while it runs, owned by the game controller and changed through the
// core's functions. The window's commands reach it through Form1::State().
#include <memory>
#include <string>
#include <vector>

#include "common/random.h"
#include "generation/meanings.h"
#include "generation/simple_array.h"
#include "options/colour_table.h"
#include "options/game_folders.h"
#include "puzzle/puzzle.h"
#include "puzzle/show_puzzle.h"

namespace sl {

struct GameState {
  GameFolders folders;  // where the data are read and the game's own files written
  Puzzle puzzle;
  PlayState play;
  GridGeometry geometry;
  GridLook look;
  Random random;

  Appearance appearance;  // the scheme, its colour table and the grid's ink
  std::vector<std::string> SchemeList;  // the scheme names of "all.col", read at start-up

  // Where shown puzzles get their clues; none until the meanings are set up (no clues then).
  std::unique_ptr<ClueSource> clues;

  clsSimpleArray dictionary;  // the words of PuzzleSize letters from DictionaryFile
  Meanings meanings;          // "mean6.txt", read once when the first puzzle is shown
};

// Random meaning numbers and their clues for every word of the puzzle, from the meanings (read
// first when no puzzle has been shown yet).
void LookUpRandomClues(GameState& state, Puzzle& puzzle);

}  // namespace sl
