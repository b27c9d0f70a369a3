#pragma once
// What a screen reader learns about the main window beyond its buttons: the grid as a table of
// the puzzle's cells, the clue list with its current clue (the one of the selected cell's word),
// and the labels with what each of them shows.
#include <QObject>

namespace sl {

class Form1;

class SpokenControls : public QObject {
  Q_OBJECT

 public:
  explicit SpokenControls(Form1& form);

 private:
  void NameLabels();
  // Selects cell (row, col), 1-based, as moving the mouse onto it does.
  void SelectCell(int row, int col);

  Form1& form_;
};

}  // namespace sl
