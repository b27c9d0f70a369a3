#pragma once
// The puzzle sheet: heading, the empty grid of letter boxes with its link lines and row numbers,
// the linked letters, the numbered clues and the solution printed upside down in a corner. It is
// drawn from values only, so the window, the printer, the PDF book, the clipboard picture and the
// tests all draw the same sheet without touching the window.
#include <cstdint>
#include <string>

#include "common/surface.h"
#include "puzzle/puzzle.h"

namespace sl {

// The grid font of the game's settings: every text of the sheet but the solution is in it.
struct SheetFont {
  std::string name = kDefaultGridFont;  // GridFontName
  int32_t size = kDefaultGridFontSize;   // GridFontSize, points
};

// Everything a sheet shows.
struct SheetContent {
  Puzzle puzzle;        // words, links and clues
  int32_t number = 0;   // its number in the file, PuzzleNumber
  std::string file;     // the puzzle file's path as the system holds it (UTF-8), PuzzleFile
  SheetFont font;
};

enum class SheetKind {
  Picture = 0,  // the clipboard picture: origin (0, 0), thin boxes, solution at fixed pixels
  Printed = 1,  // a printed page: origin (1600, 1200), solution placed by the device resolution
};

inline constexpr int kSheetBox = 450;  // a letter box is this many twips square

// The heading's first line; the face of the solution lines.
inline constexpr const char* kSheetTitle =
    "Stacklinks Puzzle ... (Letters connected by a vertical line are same)";
inline constexpr const char* kSolutionFace = "courier new";

// Twips from the sheet's origin down to the top of word row r (0 to 12): r boxes of 450 at the
// on-screen grid's single-precision row pitch of 1.35, rounded halves to even.
int32_t SheetRowOffset(int32_t r);

// Draws the whole sheet. scale multiplies the grid font size (every caller passes 1).
void DrawPuzzleSheet(Surface& surface, const SheetContent& sheet, SheetKind kind,
                     float scale = 1.0f);

// The clipboard picture's size in twips.
inline constexpr int kPictureWidthTwips = 8000;
inline constexpr int kPictureHeightTwips = 13200;

// Draws "Clues" and the numbered clues with the top-left of the first clue at (x, y). On paper
// clues are wrapped as the clue panel wraps them: measured in the clue panel's font (the grid
// font at half its size) for a width of 10000 - (x + 400) twips. The picture is narrower than
// that: its clues are wrapped in the font they are printed in, to the picture's right margin.
void DrawClues(Surface& surface, const SheetContent& sheet, int x, int y,
               SheetKind kind = SheetKind::Printed);

// Prints the text upside down or turned by any angle (degrees) at device pixel (x, y) in a font
// of that face whose height in pixels is size x 20 / 15, rounded.
void DrawRotatedText(Surface& surface, int x, int y, const std::string& text,
                     const std::string& face, int size, int angle);

}  // namespace sl
