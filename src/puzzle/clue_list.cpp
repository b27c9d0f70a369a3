#include "puzzle/clue_list.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/surface_text.h"
#include "puzzle/wrap_text.h"

namespace sl {
namespace {

constexpr int kGapBetweenClues = 48;
constexpr int kSpaceBelowList = 400;
constexpr int kRightMargin = 20;
constexpr const char* kListEnd = "--";
// Where the clue texts start: 450, or further right where a large font's widest number (" 12.",
// and a blank after it) would run into them.
int ClueTextLeft(Surface& surface) {
  return std::max(kClueTextLeft, kClueNumberLeft + surface.TextWidth(Str(kMaxPuzzleSize) + ". "));
}

}  // namespace

int DrawClueList(Surface& surface, const Puzzle& puzzle, int innerWidth, double fontPoints,
                 Colour text, std::vector<ClueSpan>* spans) {
  SetFontPoints(surface, fontPoints);
  if (spans) spans->clear();

  int y = PrintLine(surface, kClueNumberLeft, 0, kListEnd, text);
  int endOfClues = y;
  const int textLeft = ClueTextLeft(surface);
  const int wrapWidth = innerWidth - kRightMargin - textLeft;
  const size_t clues = std::min(puzzle.Wlist.size(), static_cast<size_t>(kMaxPuzzleSize));
  for (size_t i = 1; i <= clues; ++i) {
    const int top = y;
    // The number sits on the first line of its clue.
    surface.DrawText(kClueNumberLeft, y, Str(static_cast<long long>(i)) + ".", text);
    for (const std::string& line : WrapText(puzzle.Clue[i], surface, wrapWidth)) {
      y = PrintLine(surface, textLeft, y, line, text);
    }
    endOfClues = y;
    if (spans) spans->push_back({top, y});
    y += kGapBetweenClues;
  }
  PrintLine(surface, kClueNumberLeft, y, kListEnd, text);
  return endOfClues + kSpaceBelowList;
}

}  // namespace sl
