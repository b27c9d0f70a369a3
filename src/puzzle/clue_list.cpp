#include "puzzle/clue_list.h"

#include <algorithm>

#include "common/numbers.h"
#include "puzzle/wrap_text.h"

namespace sl {
namespace {

constexpr int kGapBetweenClues = 48;
constexpr int kSpaceBelowList = 400;
constexpr int kRightMargin = 20;
constexpr const char* kListEnd = "--";

// Prints one line at (x, y) and returns the next line's y, as a printed line advances. An empty
// line still takes the height of one line.
int PrintLine(Surface& surface, int x, int y, const std::string& text, Colour colour) {
  surface.DrawText(x, y, text, colour);
  return y + surface.TextHeight(text.empty() ? " " : text);
}

}  // namespace

int DrawClueList(Surface& surface, const Puzzle& puzzle, int innerWidth, double fontPoints,
                 Colour text) {
  FontStyle font = surface.Font();
  font.points = fontPoints;
  surface.SetFont(font);

  int y = PrintLine(surface, kClueNumberLeft, 0, kListEnd, text);
  int endOfClues = y;
  const int wrapWidth = innerWidth - kRightMargin - kClueTextLeft;
  const size_t clues = std::min(puzzle.Wlist.size(), static_cast<size_t>(kMaxPuzzleSize));
  for (size_t i = 1; i <= clues; ++i) {
    // The number sits on the first line of its clue.
    surface.DrawText(kClueNumberLeft, y, Str(static_cast<long long>(i)) + ".", text);
    for (const std::string& line : WrapText(puzzle.Clue[i], surface, wrapWidth)) {
      y = PrintLine(surface, kClueTextLeft, y, line, text);
    }
    endOfClues = y;
    y += kGapBetweenClues;
  }
  PrintLine(surface, kClueNumberLeft, y, kListEnd, text);
  return endOfClues + kSpaceBelowList;
}

}  // namespace sl
