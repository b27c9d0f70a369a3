#pragma once
// The numbered, wrapped clue list drawn into the clue panel's inner surface.
#include <vector>

#include "common/surface.h"
#include "puzzle/puzzle.h"

namespace sl {

inline constexpr int kClueNumberLeft = 100;
inline constexpr int kClueTextLeft = 450;

// Where a clue's lines lie on the surface, in twips from its top.
struct ClueSpan {
  int top = 0;
  int bottom = 0;
};

// Draws "--", the clues " 1." ... each wrapped to (innerWidth - 20 - 450), and "--", in the
// surface's current font at fontPoints. In a font so large that the numbers reach 450, the clue
// texts start right of them instead. Returns the height the inner surface should get: the
// print position after the last clue's lines plus 400. When spans is given it receives each
// clue's place, clue 1 first.
int DrawClueList(Surface& surface, const Puzzle& puzzle, int innerWidth, double fontPoints,
                 Colour text, std::vector<ClueSpan>* spans = nullptr);

}  // namespace sl
