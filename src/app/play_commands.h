#pragma once
// Playing the shown puzzle: check (cmddone), show the solution while held (cmdshowsol), reset
// after a question (cmdreset, mnureset) and new clues (command15).
#include <QObject>

namespace sl {

class Form1;

inline constexpr const char* kPuzzleReset = "Puzzle reset";
inline constexpr const char* kResetQuestion = "Reset puzzle?";

class PlayCommands : public QObject {
  Q_OBJECT

 public:
  explicit PlayCommands(Form1& form);

  // "Fill all letters first", "Not done yet" or "All done !" on the status line.
  void Check();
  // Draws every solution letter over the grid; the entries stay as they are.
  void ShowSolution();
  // Draws the grid with the entries again.
  void HideSolution();
  // Asks "Reset puzzle?" and on Yes reads the puzzle again from its file.
  void Reset();
  // Draws every word's clue afresh at random from its meanings.
  void RefreshClues();

 private:
  Form1& form_;
};

}  // namespace sl
