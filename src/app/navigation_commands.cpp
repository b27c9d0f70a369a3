#include "app/navigation_commands.h"

#include <QAction>
#include <QCoreApplication>

#include "app/file_prompt.h"
#include "app/form1.h"
#include "app/notices.h"
#include "common/numbers.h"
#include "common/text_lines.h"
#include "puzzle/puzzle_file.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/native_path.h"

namespace sl {
NavigationCommands::NavigationCommands(Form1& form) : form_(form) {
  const Form1Widgets& w = form_.Controls();
  connect(w.Command9, &BoxControl::MouseUp, this, [this] { LoadPuzzleFile(); });
  connect(w.mnuloadpuz, &QAction::triggered, this, [this] { LoadPuzzleFile(); });
  ConnectButton(*w.Command8, NavCommand::Next);
  ConnectButton(*w.Command5, NavCommand::Previous);
  ConnectButton(*w.Command11, NavCommand::Random);
  connect(w.mnusave, &QAction::triggered, this, [this] { SavePuzzle(); });
}

void NavigationCommands::ConnectButton(BoxControl& button, NavCommand command) {
  connect(&button, &BoxControl::MouseUp, this,
          [this, command](int mouseButton) { Navigate(command, mouseButton); });
}

void NavigationCommands::LoadPuzzleFile() {
  const std::string name = AskForFile(form_, {"Select a puzzle file to load", "*.txt", "OPEN"});
  if (!name.empty()) LoadPuzzleFileNamed(name);
}

void NavigationCommands::LoadPuzzleFileNamed(const std::string& path) {
  const int32_t count = CountPuzzles(path);
  if (count == 0) return;
  form_.State().play.PuzzleCount = count;
  form_.ShowPuzzle(path, 1);
}

void NavigationCommands::Navigate(NavCommand command, int button) {
  PlayState& play = form_.State().play;
  if (play.PuzzleFile.empty()) return;
  play.PuzzleCount = CountPuzzles(play.PuzzleFile);
  // A file that has become empty or unreadable since it was opened is a read error, not a
  // "Puzzle read".
  if (play.PuzzleCount == 0) {
    form_.SetStatus(std::string(kErrorInReadingPuzzle));
    return;
  }
  if (play.PuzzleCount == 1) return;
  play.PuzzleNumber = ChooseNavigationNumber(command, play.PuzzleNumber, play.PuzzleCount, button,
                                             form_.State().random);
  if (form_.ShowPuzzle(play.PuzzleFile, play.PuzzleNumber) == ShowStatus::Shown) {
    form_.SetStatus(std::string(kPuzzleRead));
  }
}

void NavigationCommands::SavePuzzle() {
  // An empty puzzle would be written as a record without words: refuse before asking.
  if (form_.State().puzzle.Empty()) {
    Inform(form_, QStringLiteral("There is no puzzle to save: show or create one first."));
    return;
  }
  const std::string name = EnsureExtension(
      AskForFile(form_, {"Select a file to save current puzzle", "*.txt", "SAVE"}), "txt");
  if (!name.empty()) SavePuzzleTo(name);
}

void NavigationCommands::SavePuzzleTo(const std::string& path) {
  if (form_.State().puzzle.Empty()) return;
  if (!AppendPuzzle(path, form_.State().puzzle, true)) {
    Warn(form_, QStringLiteral("The puzzle could not be written to file:\r\n") +
                    FromNativePath(path) + QStringLiteral("\r\nThe file was left as it was."));
    return;
  }
  const std::string text = std::string("Puzzle appended to file:") + kCrLf + path + kCrLf +
                           Str(CountPuzzles(path)) + " puzzles";
  Inform(form_, FromNativePath(text));
  QCoreApplication::processEvents();
}

}  // namespace sl
