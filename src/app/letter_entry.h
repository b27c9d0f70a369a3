#pragma once
// Letter entry on the grid surface Picture2: a cell is selected by moving the mouse over it or
// with Home and the arrow keys, marked by Shape1, filled by typing a letter and emptied by
// Delete or Escape.
#include <QObject>
#include <QString>
#include <string>

#include "puzzle/cursor.h"

namespace sl {

class Form1;

class LetterEntry : public QObject {
  Q_OBJECT

 public:
  explicit LetterEntry(Form1& form);

  // Home ("H") or an arrow ("R", "L", "D", "U"): selects the next cell with a letter.
  void MoveCursor(const std::string& direction);
  // The mouse is over (x, y), in twips on the grid surface.
  void SelectAt(int xTwips, int yTwips);
  // A character was typed: a letter goes, in capitals, into the selected cell.
  void TypeCharacter(const QString& text);
  // Delete or Escape: the selected cell shows "." again.
  void ClearSelectedCell();

 private:
  void OnKeyReleased(int key);
  void Select(const Cell& cell, const Point& marker);

  Form1& form_;
};

}  // namespace sl
