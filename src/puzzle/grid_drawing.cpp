#include "puzzle/grid_drawing.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/surface_text.h"
#include "puzzle/grid_layout.h"
#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

// The clear covers the whole grid surface, also below the 6400 twips a square would need, where
// the bottom row of a 12-word grid reaches.
constexpr int kGridClearExtent = std::max({6400, kGridSurfaceWidth, kGridSurfaceHeight});
constexpr double kRowNumberPoints = 9;
// The row numbers keep a font of their own, whatever font the letters were last drawn in.
constexpr const char* kRowNumberFace = "Arial";
constexpr double kLetterPointsAfterGrid = 10;
constexpr int kCellErase = 40;  // the part of a cell DrawCell repaints, inside the frame
constexpr int kLinkLineWidth = 2;

enum GridStyleValue { kFlat = 0, kRaised = 1, kSunk = 2 };

int32_t Rows(const GridScene& scene) {
  return std::clamp(scene.puzzle.PuzzleSize, 0, kMaxPuzzleSize);
}

void DrawFlatSquare(Surface& surface, const GridScene& scene, int x, int y) {
  const int s = scene.geometry.CellSize;
  surface.FillRect(x, y, x + s, y + s, scene.background);
  surface.FrameRect(x, y, x + s, y + s, kBlack, scene.look.BoxLineWidth);
}

void DrawCellFrame(Surface& surface, const GridScene& scene, int x, int y) {
  const int style = scene.look.GridStyle;
  if (style == kFlat) {
    DrawFlatSquare(surface, scene, x, y);
    return;
  }
  if (style != kRaised && style != kSunk) return;
  const int s = scene.geometry.CellSize;
  const int x2 = x + s - scene.look.BoxInset;
  const int y2 = y + s - scene.look.BoxInset;
  const int width = scene.look.BoxLineWidth;
  // A sunk cell is dark at the top left and light at the bottom right; raised is the reverse.
  const Colour topLeft = style == kSunk ? kBlack : kWhite;
  const Colour bottomRight = style == kSunk ? kWhite : kBlack;
  surface.FillRect(x, y, x2, y2, scene.background);
  surface.Line(x, y, x2, y, topLeft, width);
  surface.Line(x, y, x, y2, topLeft, width);
  surface.Line(x2, y, x2, y2, bottomRight, width);
  surface.Line(x, y2, x2, y2, bottomRight, width);
}

void DrawLinkLines(Surface& surface, const GridScene& scene) {
  const GridGeometry& g = scene.geometry;
  const int32_t n = Rows(scene);
  const double s = g.CellSize;
  for (int32_t i = 1; i <= n - 1; ++i) {
    const double y1 = g.CellTop[i + 1][1] - s / 2.5;
    const double y2 = y1 + s / 3 + 32;
    for (int32_t p : LinkColumns(scene.puzzle.LinkPositions[i])) {
      if (p < 1 || p > n) continue;  // a column the grid does not have
      const int x = RoundHalfEven(g.CellLeft[i][p] + s / 2);
      surface.Line(x, RoundHalfEven(y1), x, RoundHalfEven(y2), scene.text, kLinkLineWidth);
    }
  }
}

}  // namespace

void DrawGrid(Surface& surface, const GridScene& scene) {
  const GridGeometry& g = scene.geometry;
  const double s = g.CellSize;
  surface.FillRect(0, 0, kGridClearExtent, kGridClearExtent, scene.background);
  FontStyle rowNumbers;
  rowNumbers.name = kRowNumberFace;
  rowNumbers.points = kRowNumberPoints;
  surface.SetFont(rowNumbers);
  const int32_t n = Rows(scene);
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) {
      DrawCellFrame(surface, scene, g.CellLeft[r][c], g.CellTop[r][c]);
    }
    const int x = RoundHalfEven(g.CellLeft[r][1] - s / 1.5);
    const int y = RoundHalfEven(g.CellTop[r][1] + s / 4);
    surface.DrawText(x, y, TwoDigits(r), scene.text);
  }
  SetFontPoints(surface, kLetterPointsAfterGrid);
}

void DrawCell(Surface& surface, const GridScene& scene, const std::string& text, int r, int c) {
  if (r < 0 || r >= kGridSpan || c < 0 || c >= kGridSpan) return;
  const GridGeometry& g = scene.geometry;
  const int s = g.CellSize;
  const int x = g.CellLeft[r][c];
  const int y = g.CellTop[r][c];
  FontStyle font = surface.Font();
  font.underline = false;
  surface.SetFont(font);
  surface.FillRect(x + kCellErase, y + kCellErase, x + s - kCellErase, y + s - kCellErase,
                   scene.background);
  if (scene.look.GridStyle == kFlat) DrawFlatSquare(surface, scene, x, y);
  if (text.empty()) return;

  font.name = scene.look.GridFontName;
  font.points = scene.look.GridFontSize;
  surface.SetFont(font);
  int w = surface.TextWidth(text);
  int h = surface.TextHeight(text);
  // A size too big for the cells is drawn as large as still fits inside the frame; the setting
  // itself stays as chosen.
  const double room = s - 2.0 * kCellErase;
  if (w > room || h > room) {
    const double shrink = std::min(room / std::max(w, 1), room / std::max(h, 1));
    font.points = std::max(1.0, font.points * shrink);
    surface.SetFont(font);
    w = surface.TextWidth(text);
    h = surface.TextHeight(text);
  }
  surface.DrawText(RoundHalfEven(x + (s - w) / 2.0), RoundHalfEven(y + (s - h) / 2.0), text,
                   scene.text);
}

void RedrawPuzzle(Surface& surface, const GridScene& scene) {
  DrawGrid(surface, scene);
  const int32_t n = Rows(scene);
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) DrawCell(surface, scene, scene.puzzle.Entry[r][c], r, c);
  }
  DrawLinkLines(surface, scene);
}

void DrawSolution(Surface& surface, const GridScene& scene) {
  RedrawPuzzle(surface, scene);
  const int32_t n = Rows(scene);
  for (int32_t r = 1; r <= n; ++r) {
    for (int32_t c = 1; c <= n; ++c) DrawCell(surface, scene, scene.puzzle.Solution[r][c], r, c);
  }
}

}  // namespace sl
