#include "app/letter_entry.h"

#include "app/form1.h"
#include "puzzle/gui/grid_view.h"

namespace sl {

LetterEntry::LetterEntry(Form1& form) : form_(form) {
  GridView& grid = form_.Picture2();
  connect(&grid, &GridView::MouseMoved, this,
          [this](int, int, int x, int y) { SelectAt(x, y); });
  connect(&grid, &GridView::KeyReleased, this, [this](int key, int) { OnKeyReleased(key); });
  connect(&grid, &GridView::CharTyped, this, &LetterEntry::TypeCharacter);
}

void LetterEntry::OnKeyReleased(int key) {
  switch (key) {
    case Qt::Key_Home: MoveCursor("H"); break;
    case Qt::Key_Up: MoveCursor("U"); break;
    case Qt::Key_Down: MoveCursor("D"); break;
    case Qt::Key_Left: MoveCursor("L"); break;
    case Qt::Key_Right: MoveCursor("R"); break;
    case Qt::Key_Delete:
    case Qt::Key_Escape: ClearSelectedCell(); break;
    default: break;
  }
}

void LetterEntry::MoveCursor(const std::string& direction) {
  form_.Run(GameCommand::SelectCell, [this, direction] {
    const PlayState& play = form_.State().play;
    const std::optional<Cell> cell =
        sl::MoveCursor(form_.State().puzzle, play.CursorRow, play.CursorCol, direction);
    if (cell) Select(*cell, KeyboardMarkerPosition(form_.State().geometry, *cell));
  });
}

void LetterEntry::SelectAt(int xTwips, int yTwips) {
  form_.Run(GameCommand::SelectCell, [this, xTwips, yTwips] {
    const GameState& state = form_.State();
    if (state.puzzle.Empty()) {
      form_.Picture2().ShowMarker(false);
      return;
    }
    const std::optional<Cell> cell = CellAtPoint(state.puzzle, state.geometry, xTwips, yTwips);
    if (cell) Select(*cell, MouseMarkerPosition(state.geometry, *cell));
  });
}

void LetterEntry::Select(const Cell& cell, const Point& marker) {
  GridView& grid = form_.Picture2();
  grid.MoveMarker(marker.x, marker.y);
  grid.ShowMarker(true);
  form_.State().play.CursorRow = cell.row;
  form_.State().play.CursorCol = cell.col;
  grid.setFocus(Qt::OtherFocusReason);
}

void LetterEntry::TypeCharacter(const QString& text) {
  if (text.isEmpty()) return;
  form_.Run(GameCommand::TypeLetter, [this, code = text.toUcs4().front()] {
    const PlayState& play = form_.State().play;
    const std::optional<std::string> letter =
        EnterLetter(form_.State().puzzle, play.CursorRow, play.CursorCol, code);
    if (letter) form_.DrawCell(*letter, play.CursorRow, play.CursorCol);
  });
}

void LetterEntry::ClearSelectedCell() {
  form_.Run(GameCommand::TypeLetter, [this] {
    const PlayState& play = form_.State().play;
    if (sl::ClearSelectedCell(form_.State().puzzle, play.CursorRow, play.CursorCol)) {
      form_.DrawCell(".", play.CursorRow, play.CursorCol);
    }
  });
}

}  // namespace sl
