#include "output/puzzle_sheet.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/surface_text.h"
#include "puzzle/linked_letters.h"
#include "puzzle/puzzle_record.h"
#include "puzzle/wrap_text.h"

namespace sl {
namespace {

constexpr float kRowPitch = 1.35f;  // the on-screen grid's row pitch, single precision
constexpr float kSolutionPixelsPerTwip = 6.85f;

// Where each kind of sheet starts and how heavy its boxes are.
struct Placement {
  int x0;
  int y0;
  int boxLineWidth;
};

Placement PlacementOf(SheetKind kind) {
  return kind == SheetKind::Printed ? Placement{1600, 1200, 3} : Placement{0, 0, 1};
}

constexpr int kLinkLineWidth = 5;
constexpr double kHeadingPoints = 7;
constexpr double kCluesCaptionPoints = 11;
constexpr double kCluePoints = 9;
constexpr int kClueTextIndent = 400;
constexpr int kClueRightEdge = 10000;
constexpr int kGapBetweenClues = 90;
constexpr int kPictureRightMargin = 150;

int32_t Rows(const Puzzle& puzzle) { return std::clamp(puzzle.PuzzleSize, 0, kMaxPuzzleSize); }

std::string Word(const Puzzle& puzzle, int k) {
  return k >= 1 && static_cast<size_t>(k) <= puzzle.Wlist.size() ? puzzle.Wlist[k - 1] : "";
}

// " 1.WORD  2.WORD ..." for words first to last; the numbers run on past the puzzle's size with
// empty words.
std::string SolutionPieces(const Puzzle& puzzle, int first, int last) {
  std::string text;
  for (int k = first; k <= last; ++k) text += Str(k) + "." + Word(puzzle, k) + " ";
  return text;
}

void SetFont(Surface& surface, const std::string& name, double points) {
  FontStyle font = surface.Font();
  font.name = name;
  font.points = points;
  font.bold = false;
  surface.SetFont(font);
}

void DrawHeading(Surface& surface, const SheetContent& sheet, const Placement& at) {
  SetFontPoints(surface, kHeadingPoints);
  surface.DrawText(at.x0 + kSheetBox, at.y0 + 300, kSheetTitle, kBlack);
  // The path is the system's text, not the game's files' code page.
  surface.DrawSystemText(at.x0 + kSheetBox, at.y0 + 100,
                         "Puz#" + Str(sheet.number) + ":" + sheet.file, kBlack);
}

void DrawBoxes(Surface& surface, const Puzzle& puzzle, const Placement& at) {
  const int32_t n = Rows(puzzle);
  for (int32_t r = 1; r <= n; ++r) {
    const int top = at.y0 + SheetRowOffset(r);
    for (int32_t c = 1; c <= n; ++c) {
      if (puzzle.Solution[r][c].empty()) continue;
      const int left = at.x0 + c * kSheetBox;
      surface.FrameRect(left, top, left + kSheetBox, top + kSheetBox, kBlack, at.boxLineWidth);
    }
  }
}

// Each link line bridges the gap between two rows and just touches both boxes: it starts 180
// above the lower box and is 182 long.
void DrawLinkLines(Surface& surface, const Puzzle& puzzle, const Placement& at) {
  const int32_t n = Rows(puzzle);
  for (int32_t i = 1; i <= n - 1; ++i) {
    const int y1 = RoundHalfEven(at.y0 + SheetRowOffset(i + 1) - kSheetBox / 2.5);
    const int y2 = RoundHalfEven(y1 + kSheetBox / 3.0 + 32);
    for (int32_t p : LinkColumns(puzzle.LinkPositions[i])) {
      if (p < 1 || p > n) continue;  // a column the grid does not have
      const int x = at.x0 + p * kSheetBox + kSheetBox / 2;
      surface.Line(x, y1, x, y2, kBlack, kLinkLineWidth);
    }
  }
}

// "01" to "N", centred in the box-sized slot left of each row by the surface's own measures.
void DrawRowNumbers(Surface& surface, const Puzzle& puzzle, const Placement& at, double points) {
  SetFontPoints(surface, points);
  const int32_t n = Rows(puzzle);
  for (int32_t r = 1; r <= n; ++r) {
    const std::string text = TwoDigits(r);
    const double x = at.x0 + RoundHalfEven(kSheetBox - surface.TextWidth(text)) / 2.0;
    const double y =
        at.y0 + SheetRowOffset(r) + RoundHalfEven(kSheetBox - surface.TextHeight(text)) / 2.0;
    surface.DrawText(RoundHalfEven(x), RoundHalfEven(y), text, kBlack);
  }
}

// The words, upside down so that a solver does not read them by accident: on paper placed by the
// device's resolution, on the picture at fixed pixels.
void DrawSolutionLines(Surface& surface, const SheetContent& sheet, SheetKind kind) {
  const std::string line1 =
      " Puz#" + Str(sheet.number) + ": " + SolutionPieces(sheet.puzzle, 1, 6);
  const std::string line2 = SolutionPieces(sheet.puzzle, 7, kMaxPuzzleSize);
  if (kind == SheetKind::Picture) {
    DrawRotatedText(surface, 500, 860, line1, kSolutionFace, 6, 180);
    DrawRotatedText(surface, 500, 850, line2, kSolutionFace, 6, 180);
    return;
  }
  const float f = kSolutionPixelsPerTwip / static_cast<float>(surface.TwipsPerPixelX());
  const auto at = [f](double twips) { return RoundHalfEven(twips * f); };
  DrawRotatedText(surface, at(1400), at(2200), line1, kSolutionFace, at(12), 180);
  DrawRotatedText(surface, at(1400), at(2170), line2, kSolutionFace, at(12), 180);
}

}  // namespace

int32_t SheetRowOffset(int32_t r) {
  return RoundHalfEven(static_cast<double>(r) * kSheetBox * static_cast<double>(kRowPitch));
}

void DrawPuzzleSheet(Surface& surface, const SheetContent& sheet, SheetKind kind, float scale) {
  const Puzzle& puzzle = sheet.puzzle;
  const Placement at = PlacementOf(kind);
  const double gridPoints = sheet.font.size * static_cast<double>(scale);
  SetFont(surface, sheet.font.name, gridPoints);

  DrawClues(surface, sheet, at.x0 + kSheetBox,
            RoundHalfEven(at.y0 + (Rows(puzzle) + 1) * kSheetBox + 2650.0), kind);
  SetFontBold(surface, false);
  DrawHeading(surface, sheet, at);

  SetFontPoints(surface, gridPoints);
  DrawBoxes(surface, puzzle, at);

  SetFontPoints(surface, sheet.font.size * 0.6);
  surface.DrawText(at.x0 + kSheetBox,
                   at.y0 + SheetRowOffset(Rows(puzzle)) + kSheetBox + kSheetBox / 2,
                   LinkedLettersText(puzzle), kBlack);

  DrawLinkLines(surface, puzzle, at);
  DrawRowNumbers(surface, puzzle, at, gridPoints * 0.6);
  SetFontPoints(surface, sheet.font.size);
  DrawSolutionLines(surface, sheet, kind);
}

void DrawClues(Surface& surface, const SheetContent& sheet, int x, int y, SheetKind kind) {
  const Puzzle& puzzle = sheet.puzzle;
  SetFontPoints(surface, kCluesCaptionPoints);
  surface.DrawText(x, y - 300, "Clues", kBlack);

  const int xt = x + kClueTextIndent;
  const bool picture = kind == SheetKind::Picture;
  const int width = (picture ? kPictureWidthTwips - kPictureRightMargin : kClueRightEdge) - xt;
  const FontStyle printFont = [&] {
    SetFontPoints(surface, kCluePoints);
    SetFontBold(surface, false);
    return surface.Font();
  }();
  FontStyle panelFont = printFont;
  if (!picture) {
    panelFont.name = sheet.font.name;
    panelFont.points = sheet.font.size / 2.0;  // the clue panel keeps the half point (17 -> 8.5)
  }

  int yy = y;
  for (int32_t i = 1; i <= Rows(puzzle); ++i) {
    surface.DrawText(x, yy, Str(i) + ".", kBlack);
    surface.SetFont(panelFont);
    const std::vector<std::string> lines = WrapText(puzzle.Clue[i], surface, width);
    surface.SetFont(printFont);
    int line = yy;
    for (const std::string& text : lines) line = PrintLine(surface, xt, line, text, kBlack);
    yy = line + kGapBetweenClues;
  }
}

void DrawRotatedText(Surface& surface, int x, int y, const std::string& text,
                     const std::string& face, int size, int angle) {
  surface.DrawRotatedText(x, y, text, face, RoundHalfEven(size * 20.0 / 15.0), angle * 10,
                          kBlack);
}

}  // namespace sl
