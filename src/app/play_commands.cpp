#include "app/play_commands.h"

#include <QAction>

#include "app/form1.h"
#include "puzzle/check.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/msgbox_style.h"

namespace sl {

PlayCommands::PlayCommands(Form1& form) : form_(form) {
  const Form1Widgets& w = form_.Controls();
  connect(w.cmddone, &BoxControl::MouseUp, this, [this] { Check(); });
  connect(w.cmdshowsol, &BoxControl::MouseDown, this, [this] { ShowSolution(); });
  connect(w.cmdshowsol, &BoxControl::MouseUp, this, [this] { HideSolution(); });
  connect(w.cmdreset, &BoxControl::MouseUp, this, [this] { Reset(); });
  connect(w.mnureset, &QAction::triggered, this, [this] { Reset(); });
  connect(w.command15, &BoxControl::MouseUp, this, [this] { RefreshClues(); });
}

void PlayCommands::Check() {
  form_.Run(GameCommand::Check, [this] { form_.SetStatus(CheckPuzzle(form_.State().puzzle)); });
}

void PlayCommands::ShowSolution() {
  form_.Run(GameCommand::ShowSolution, [this] {
    if (form_.State().puzzle.Empty()) return;
    DrawSolution(form_.Picture2().Drawing(), form_.Scene());
    form_.Picture2().SolutionShown(true);
  });
}

void PlayCommands::HideSolution() {
  form_.Run(GameCommand::ShowSolution, [this] {
    form_.Picture2().SolutionShown(false);
    form_.RedrawPuzzle();
  });
}

void PlayCommands::Reset() {
  form_.Run(GameCommand::Reset, [this] {
    const PlayState& play = form_.State().play;
    if (play.PuzzleFile.empty()) return;
    if (MsgboxA(kResetQuestion, "vbquestion+vbyesno") != kMsgYes) return;
    // Copies: showing the puzzle sets both fields again.
    const std::string file = play.PuzzleFile;
    const int32_t number = play.PuzzleNumber;
    if (form_.ShowPuzzle(file, number) != ShowStatus::Failed) {
      form_.SetStatus(std::string(kPuzzleReset));
    }
  });
}

void PlayCommands::RefreshClues() {
  form_.Run(GameCommand::RefreshClues, [this] {
    GameState& state = form_.State();
    if (state.puzzle.Empty()) return;
    LookUpRandomClues(state, state.puzzle);
    form_.DrawClueList();
  });
}

}  // namespace sl
