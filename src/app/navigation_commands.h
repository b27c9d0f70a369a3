#pragma once
// Moving through puzzle files: load a file (Command9, mnuloadpuz), next (Command8), previous
// (Command5), random (Command11), and save the shown puzzle to a file (mnusave).
#include <QObject>
#include <string>

#include "puzzle/navigation.h"

namespace sl {

class BoxControl;
class Form1;

inline constexpr const char* kPuzzleRead = "Puzzle read";

class NavigationCommands : public QObject {
  Q_OBJECT

 public:
  explicit NavigationCommands(Form1& form);

  // Asks for a puzzle file and shows its first puzzle.
  void LoadPuzzleFile();
  // Shows puzzle 1 of the file; a file without puzzles is ignored.
  void LoadPuzzleFileNamed(const std::string& path);
  // Next, previous or random puzzle of the open file; button 2 (right) picks the last or first.
  void Navigate(NavCommand command, int button);
  // Asks for a file and appends the shown puzzle to it.
  void SavePuzzle();
  // Appends the shown puzzle to the file and tells how many puzzles it now holds.
  void SavePuzzleTo(const std::string& path);

 private:
  void ConnectButton(BoxControl& button, NavCommand command);
  void WritePuzzle(const std::string& path);

  Form1& form_;
};

}  // namespace sl
