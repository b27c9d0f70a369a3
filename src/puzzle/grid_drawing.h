#pragma once
// Drawing the grid, its cells, row numbers and link lines on a surface.
#include <string>

#include "common/surface.h"
#include "puzzle/puzzle.h"

namespace sl {

struct GridScene {
  const Puzzle& puzzle;
  const GridGeometry& geometry;
  const GridLook& look;
  Colour background;  // the grid surface's background
  Colour text;        // letters, row numbers and link lines
};

// Clears the surface and draws every cell frame and the row numbers.
void DrawGrid(Surface& surface, const GridScene& scene);
// Redraws the inside of cell (r, c) and prints the text centred in it.
void DrawCell(Surface& surface, const GridScene& scene, const std::string& text, int r, int c);
// DrawGrid, every cell with its entry, then the link lines.
void RedrawPuzzle(Surface& surface, const GridScene& scene);
// RedrawPuzzle, then every cell with its solution letter (entries untouched).
void DrawSolution(Surface& surface, const GridScene& scene);

}  // namespace sl
