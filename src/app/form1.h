#pragma once
// The main window: owns the game state and the controls, and performs the operations every
// command shares (start-up, showing a puzzle, drawing). The commands themselves live in command
// classes (navigation_commands.h and others), each created by one line of the constructor.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/form1_layout.h"
#include "game/game_controller.h"
#include "options/gui/colour_roles.h"
#include "puzzle/grid_drawing.h"
#include "puzzle/gui/clue_panel.h"
#include "puzzle/gui/grid_view.h"
#include "puzzle/show_puzzle.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/fit_label.h"
#include "toolkit/gui/fn_dialog.h"

namespace sl {

class AppearanceCommands;

class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);
  ~Form1() override;

  GameController& Controller() { return game_; }
  GameState& State() { return game_.State(); }
  const GameState& State() const { return game_.State(); }
  // Every command goes through here: it runs now, after the job that is running, or not at
  // all, as the controller's command table says; a refusal's reason goes on the status line.
  void Run(GameCommand command, std::function<void()> action);

  // --- Controls ---
  GridView& Picture2() { return *w_.Picture2; }
  CluePanel& picouter() { return *w_.picouter; }
  QWidget& Shape1();
  QGroupBox& Frame1() { return *w_.Frame1; }
  QLabel& Statx() { return *w_.Statx; }
  QLabel& Label1() { return *w_.Label1; }
  QLabel& label4() { return *w_.label4; }
  ClickLabel& Label3() { return *w_.Label3; }
  QLabel& Label5() { return *w_.Label5; }
  QLabel& Label2() { return *w_.Label2; }
  FNDialog& gf1() { return *w_.gf1; }
  QTimer& Timer1() { return *w_.Timer1; }
  // Every control, the push buttons and menu entries included.
  const Form1Widgets& Controls() const { return w_; }
  // The widgets of every window that take the scheme's colours, each with its role. A window
  // made later registers its own widgets here.
  ColourRoles& Roles() { return roles_; }

  // --- Start-up ---
  // The folders the game reads its data from and writes its files to (those of this run unless
  // set before StartUp, as tests do to run on folders of their own).
  void SetFolders(const GameFolders& folders) { State().folders = folders; }
  // The load step: built-in defaults, folders, colours, then arms Timer1.
  void StartUp();
  // The one tick after the window is shown: grid layout, dictionary, puzzle file, first puzzle.
  void FirstTick();

  // --- Puzzle ---
  // Empties entries, solution and words, the clue panel, Label1 and label4.
  void ClearPuzzle();
  // Reads puzzle n of the file (PuzzleCount must be set for it) and shows it: grid, linked
  // letters, clues and labels. Nothing happens when n is beyond PuzzleCount; a puzzle that
  // cannot be read shows as an empty grid at its position, with "Error in reading puzzle".
  ShowStatus ShowPuzzle(const std::string& path, int32_t n);
  // Draws what the controller reports it has shown.
  ShowStatus Present(const ShowReport& report);
  // Draws the puzzle in play as it stands: grid, linked letters, clues and labels; the grid
  // layout and the dictionary follow a changed size first.
  void ShowCurrentPuzzle(bool sizeChanged);

  // --- Drawing ---
  void ComputeGridLayout();
  // PuzzleSize has changed: the grid layout follows it and the dictionary is read for it.
  void FollowPuzzleSize();
  GridScene Scene() const;
  void RedrawPuzzle();
  void DrawCell(const std::string& text, int r, int c);
  void DrawClueList();

  // --- Status ---
  void SetStatus(const QString& text);
  void SetStatus(const std::string& cp1252Text);
  void SetBusyPointer(bool busy);

  // Creates a command object that lives as long as the window. Its constructor takes the window
  // and connects the controls it serves.
  template <class Commands>
  Commands& AddCommands() {
    auto commands = std::make_unique<Commands>(*this);
    Commands& added = *commands;
    commands_.push_back(std::move(commands));
    return added;
  }
  // The command object of that class, or null.
  template <class Commands>
  Commands* FindCommands() const {
    for (const auto& commands : commands_) {
      if (auto* found = dynamic_cast<Commands*>(commands.get())) return found;
    }
    return nullptr;
  }

 Q_SIGNALS:
  // The dictionary for the current PuzzleSize must be (re)loaded: at the first tick and after
  // a shown puzzle changed the size. Connected by the dictionary commands.
  void DictionaryNeeded();
  // A puzzle was read and drawn.
  void PuzzleShown();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowPositionLabels();

  GameController game_;
  ColourRoles roles_;
  Form1Widgets w_;
  std::vector<std::unique_ptr<QObject>> commands_;
  AppearanceCommands* appearance_ = nullptr;
};

}  // namespace sl
