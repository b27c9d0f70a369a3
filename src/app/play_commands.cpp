#include "app/play_commands.h"

#include <QAction>

#include "app/form1.h"
#include "generation/meanings.h"
#include "puzzle/check.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/msgbox_style.h"

namespace sl {

namespace {
constexpr int32_t kRandomMeanings = -1;
}  // namespace

bool CreationRunning(const Form1& form) {
  const BoxControl* create = form.Button(QStringLiteral("cmdcreate"));
  return create != nullptr && !create->isEnabled();
}

PlayCommands::PlayCommands(Form1& form) : form_(form) {
  connect(form_.Button(QStringLiteral("cmddone")), &BoxControl::MouseUp, this, [this] { Check(); });
  BoxControl* solution = form_.Button(QStringLiteral("cmdshowsol"));
  connect(solution, &BoxControl::MouseDown, this, [this] { ShowSolution(); });
  connect(solution, &BoxControl::MouseUp, this, [this] { HideSolution(); });
  connect(form_.Button(QStringLiteral("cmdreset")), &BoxControl::MouseUp, this, [this] { Reset(); });
  connect(form_.MenuEntry(QStringLiteral("mnureset")), &QAction::triggered, this,
          [this] { Reset(); });
  connect(form_.Button(QStringLiteral("command15")), &BoxControl::MouseUp, this,
          [this] { RefreshClues(); });
}

void PlayCommands::Check() { form_.SetStatus(CheckPuzzle(form_.State().puzzle)); }

void PlayCommands::ShowSolution() {
  if (CreationRunning(form_) || form_.State().puzzle.Empty()) return;
  DrawSolution(form_.Picture2().Drawing(), form_.Scene());
}

void PlayCommands::HideSolution() { form_.RedrawPuzzle(); }

void PlayCommands::Reset() {
  PlayState& play = form_.State().play;
  if (play.PuzzleFile.empty()) return;
  if (MsgboxA(kResetQuestion, "vbquestion+vbyesno") != kMsgYes) return;
  // Copies: showing the puzzle sets both fields again.
  const std::string file = play.PuzzleFile;
  const int32_t number = play.PuzzleNumber;
  if (form_.ShowPuzzle(file, number) != ShowStatus::Failed) {
    form_.SetStatus(std::string(kPuzzleReset));
  }
}

void PlayCommands::RefreshClues() {
  GameState& state = form_.State();
  if (state.puzzle.Empty()) return;
  if (state.clues) state.clues->EnsureLoaded();
  LookUpClues(state.puzzle, kRandomMeanings, state.meanings, state.random);
  form_.DrawClueList();
}

}  // namespace sl
