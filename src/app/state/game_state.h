#pragma once
// Everything the game holds while it runs, owned by the main window and changed through the
// core's functions. Commands reach it through Form1::State().
#include <array>
#include <memory>
#include <string>

#include "common/colour.h"
#include "common/random.h"
#include "generation/meanings.h"
#include "generation/simple_array.h"
#include "puzzle/puzzle.h"
#include "puzzle/show_puzzle.h"

namespace sl {

inline constexpr int kSchemeSlots = 14;
inline constexpr int kBackgroundSlot = 2;  // windows, frames, labels and drawing surfaces
inline constexpr int kMenuBarSlot = 3;
inline constexpr int kButtonSlot = 4;      // buttons and the size label

// The calm look the game has until a colour scheme is applied: a pale blue-grey window with a
// slightly deeper button colour, and dark ink.
inline constexpr std::array<Colour, kSchemeSlots> kDefaultSchemeColours = {
    0, 0, RGB(220, 228, 238), RGB(240, 244, 249), RGB(200, 213, 229), 0, 0, 0, 0, 0, 0, 0, 0, 0};
inline constexpr Colour kDefaultFontColour = RGB(26, 34, 60);
// The text of the message and about windows: a dark grey, softer than black.
inline constexpr Colour kMessageTextColour = RGB(28, 28, 28);

struct GameState {
  Puzzle puzzle;
  PlayState play;
  GridGeometry geometry;
  GridLook look;
  Random random;

  std::string SchemeName = "xp.col";  // the colour scheme in use, kept in the configuration
  std::array<Colour, kSchemeSlots> SchemeColours = kDefaultSchemeColours;
  Colour FontColour = kDefaultFontColour;  // letters of the grid and of the clue list

  // Twips per screen pixel, recorded at start-up.
  double TwipsPerPixelX = 15;
  double TwipsPerPixelY = 15;

  // Where shown puzzles get their clues; none until the meanings are set up (no clues then).
  std::unique_ptr<ClueSource> clues;

  clsSimpleArray dictionary;  // the words of PuzzleSize letters from DictionaryFile
  Meanings meanings;          // "mean6.txt", read once when the first puzzle is shown
};

}  // namespace sl
