#include "app/spoken_controls.h"

#include "app/form1.h"
#include "app/letter_entry.h"

namespace sl {

SpokenControls::SpokenControls(Form1& form) : form_(form) {
  NameLabels();
  GridView& grid = form_.Picture2();
  CluePanel& clues = form_.picouter();
  grid.ShowsPuzzle(form_.State().puzzle, form_.State().geometry);
  connect(&form_, &Form1::PuzzleShown, &grid, &GridView::PuzzleReplaced);
  connect(&grid, &GridView::SelectedCellChanged, &clues,
          [&clues](int row, int) { clues.SetCurrentClue(row); });
  connect(&grid, &GridView::CellRequested, this, &SpokenControls::SelectCell);
  connect(&clues, &CluePanel::ClueChosen, &grid, [&grid](int k) { grid.SelectRow(k - 1); });
}

void SpokenControls::NameLabels() {
  const Form1Widgets& w = form_.Controls();
  w.Picture2->setAccessibleName(QStringLiteral("Puzzle grid"));
  w.Picture2->setAccessibleDescription(
      QStringLiteral("Arrow keys and Home select a cell, a letter fills it, Delete or Escape "
                     "empties it"));
  w.picouter->setAccessibleName(QStringLiteral("Clues"));
  w.picouter->setAccessibleDescription(
      QStringLiteral("Up and Down pick a clue, Enter goes to its word in the grid"));
  // The other labels are named by their text, which assistive tools hear change.
  w.Label3->SetSpokenPattern(QStringLiteral("Puzzle size %1"));
  w.Label3->setAccessibleDescription(
      QStringLiteral("The size of the next puzzle created; pressing it counts up from 8 to 12"));
  w.Label5->setAccessibleDescription(QStringLiteral("The letters of the linked cells"));
  w.Statx->setAccessibleDescription(QStringLiteral("Status"));
  w.Label1->setAccessibleDescription(QStringLiteral("Puzzle number"));
  w.label4->setAccessibleDescription(QStringLiteral("Puzzle file"));
  w.Label2->setAccessibleDescription(QStringLiteral("Dictionary"));
}

void SpokenControls::SelectCell(int row, int col) {
  const GridGeometry& geometry = form_.State().geometry;
  if (row < 1 || col < 1 || row > kMaxPuzzleSize || col > kMaxPuzzleSize) return;
  const int half = geometry.CellSize / 2;
  if (LetterEntry* entry = form_.FindCommands<LetterEntry>()) {
    entry->SelectAt(geometry.CellLeft[row][col] + half, geometry.CellTop[row][col] + half);
  }
}

}  // namespace sl
