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
  form_.Run(GameCommand::LoadPuzzleFile, [this] {
    const std::string name =
        AskForFile(form_, {"Select a puzzle file to load", "*.txt", "OPEN"});
    if (!name.empty()) form_.Present(form_.Controller().LoadPuzzleFile(name));
  });
}

void NavigationCommands::LoadPuzzleFileNamed(const std::string& path) {
  form_.Run(GameCommand::LoadPuzzleFile,
            [this, path] { form_.Present(form_.Controller().LoadPuzzleFile(path)); });
}

void NavigationCommands::Navigate(NavCommand command, int button) {
  form_.Run(GameCommand::Navigate, [this, command, button] {
    bool unreadable = false;
    const std::optional<int32_t> target =
        form_.Controller().NavigationTarget(command, button, unreadable);
    // A file that has become empty or unreadable since it was opened is a read error, not a
    // "Puzzle read".
    if (unreadable) form_.SetStatus(std::string(kErrorInReadingPuzzle));
    if (!target) return;
    if (form_.ShowPuzzle(form_.State().play.PuzzleFile, *target) == ShowStatus::Shown) {
      form_.SetStatus(std::string(kPuzzleRead));
    }
  });
}

void NavigationCommands::SavePuzzle() {
  form_.Run(GameCommand::SavePuzzle, [this] {
    // An empty puzzle would be written as a record without words: refuse before asking.
    if (form_.State().puzzle.Empty()) {
      Inform(form_, QStringLiteral("There is no puzzle to save: show or create one first."));
      return;
    }
    const std::string name = EnsureExtension(
        AskForFile(form_, {"Select a file to save current puzzle", "*.txt", "SAVE"}), "txt");
    if (!name.empty()) WritePuzzle(name);
  });
}

void NavigationCommands::SavePuzzleTo(const std::string& path) {
  form_.Run(GameCommand::SavePuzzle, [this, path] { WritePuzzle(path); });
}

void NavigationCommands::WritePuzzle(const std::string& path) {
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
