#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

#include "app/appearance_commands.h"
#include "app/creation_commands.h"
#include "app/configuration.h"
#include "app/dictionary_commands.h"
#include "app/entries_keeper.h"
#include "app/exit_commands.h"
#include "app/help_commands.h"
#include "app/keyboard_access.h"
#include "app/letter_entry.h"
#include "app/navigation_commands.h"
#include "app/paper_commands.h"
#include "app/play_commands.h"
#include "app/size_label_command.h"
#include "app/spoken_controls.h"
#include "app/tool_commands.h"
#include "common/files.h"
#include "options/gui/player_folders.h"
#include "toolkit/gui/picture_box.h"
#include "output/render/qpainter_surface.h"
#include "puzzle/gui/clue_panel.h"
#include "puzzle/gui/grid_view.h"
#include "puzzle/grid_layout.h"
#include "puzzle/linked_letters.h"
#include "puzzle/puzzle_file.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/busy_pointer.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/fit_label.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

constexpr const char* kCaption = "   Stacklinks";

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
  State().folders = PlayerGameFolders();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromLatin1(kCaption));
  w_ = BuildForm1Controls(*this, roles_);
  connect(w_.Timer1, &QTimer::timeout, this, &Form1::FirstTick);

  // One line per command class.
  AddCommands<NavigationCommands>();
  AddCommands<DictionaryCommands>();
  AddCommands<CreationCommands>();
  AddCommands<SizeLabelCommand>();
  AddCommands<LetterEntry>();
  AddCommands<PlayCommands>();
  AddCommands<ExitCommands>();
  AddCommands<HelpCommands>();
  AddCommands<ToolCommands>();
  appearance_ = &AddCommands<AppearanceCommands>();
  AddCommands<PaperCommands>();
  AddCommands<KeyboardAccess>();
  AddCommands<SpokenControls>();
  AddCommands<EntriesKeeper>();
}

Form1::~Form1() { SetBusyPointer(false); }

void Form1::Run(GameCommand command, std::function<void()> action) {
  const auto [admission, refusal] = game_.Request(command, std::move(action));
  if (admission == Admission::Refused && !refusal.empty()) SetStatus(refusal);
}

QWidget& Form1::Shape1() { return w_.Picture2->Marker(); }

// The built-in defaults are those the game state starts with (GridLook, GridGeometry,
// Appearance). The print dialog object is made with the window (by the paper commands); the
// options window's font list is filled when that window is first made.
void Form1::StartUp() {
  PlayState& play = State().play;
  const GameFolders& folders = State().folders;
  MakeWritableFolders(folders);
  if (State().clues) State().clues->StartLoading();
  MsgForm::SetUp(this);
  roles_.Register(MsgForm::Instance(), ColourRole::MessageWindow);
  appearance_->ReadSchemeList();
  ReadcfgFile(*this);
  appearance_->LoadColourScheme();
  appearance_->ApplyColours();
  if (!FileExists(play.DictionaryFile)) {
    play.DictionaryFile = StartingFile(kDefaultDictionaryFile, folders);
  }
  SetBusyPointer(true);
  Shape1().hide();
  w_.Label3->setText(QString::number(State().puzzle.PuzzleSize));
  w_.Timer1->start();
}

void Form1::FirstTick() {
  PlayState& play = State().play;
  SetBusyPointer(true);
  ComputeGridLayout();
  w_.Timer1->stop();
  Q_EMIT DictionaryNeeded();
  ClearPuzzle();
  if (play.PuzzleFile.empty() || !FileExists(play.PuzzleFile)) {
    play.PuzzleFile = StartingFile(kDefaultPuzzleFile, State().folders);
    if (!FileExists(play.PuzzleFile)) {
      play.PuzzleFile.clear();
      SetStatus(QString());
      play.PuzzleNumber = 0;
      SetBusyPointer(false);
      return;
    }
    play.PuzzleNumber = 1;
  }
  SetBusyPointer(true);
  play.PuzzleCount = CountPuzzles(play.PuzzleFile);
  if (play.PuzzleNumber < 1) play.PuzzleNumber = 1;
  if (ShowPuzzle(play.PuzzleFile, play.PuzzleNumber) == ShowStatus::Failed) {
    play.PuzzleNumber = 0;
    play.PuzzleFile.clear();
    ClearPuzzle();
  }
  SetStatus(QString());
  SetBusyPointer(false);
}

void Form1::ClearPuzzle() {
  game_.ClearPuzzle();
  w_.picouter->Clear();
  w_.Label1->clear();
  w_.label4->clear();
}

ShowStatus Form1::ShowPuzzle(const std::string& path, int32_t n) {
  if (n > State().play.PuzzleCount) return ShowStatus::NothingDone;
  SetStatus(std::string(kReadingPuzzleFile));
  return Present(game_.ShowPuzzle(path, n));
}

ShowStatus Form1::Present(const ShowReport& report) {
  if (report.status == ShowStatus::NothingDone) return report.status;
  ShowCurrentPuzzle(report.sizeChanged);
  if (report.status == ShowStatus::Failed) SetStatus(std::string(kErrorInReadingPuzzle));
  return report.status;
}

void Form1::ShowCurrentPuzzle(bool sizeChanged) {
  const Puzzle& puzzle = State().puzzle;
  const PlayState& play = State().play;
  if (sizeChanged) FollowPuzzleSize();
  w_.Label5->setText(FromCp1252(LinkedLettersText(puzzle)));
  if (puzzle.Empty()) {
    // No puzzle, or one that could not be read: a blank surface, no clues.
    w_.Picture2->Clear();
    w_.picouter->Clear();
  } else {
    RedrawPuzzle();
    DrawClueList();
  }
  if (play.PuzzleFile.empty() || play.PuzzleNumber < 1) {
    w_.Label1->clear();
    w_.label4->clear();
  } else {
    ShowPositionLabels();
    w_.label4->setText(FromNativePath(FileNameOf(play.PuzzleFile)));
    w_.label4->setToolTip(FromNativePath(play.PuzzleFile));
  }
  w_.Label3->setText(QString::number(puzzle.PuzzleSize));
  Shape1().hide();
  Q_EMIT PuzzleShown();
}

void Form1::ShowPositionLabels() {
  const QString position =
      QString::fromStdString(PositionText(State().play.PuzzleNumber, State().play.PuzzleCount));
  w_.Label1->setText(position);
  w_.Command8->setToolTip(position);
  w_.Command5->setToolTip(position);
}

void Form1::ComputeGridLayout() {
  sl::ComputeGridLayout(State().geometry, State().puzzle.PuzzleSize, kGridSurfaceWidth);
}

void Form1::FollowPuzzleSize() {
  ComputeGridLayout();
  Q_EMIT DictionaryNeeded();
}

GridScene Form1::Scene() const {
  const GameState& state = State();
  return GridScene{state.puzzle, state.geometry, state.look,
                   state.appearance.SchemeColours[kBackgroundSlot], state.appearance.FontColour};
}

void Form1::RedrawPuzzle() { sl::RedrawPuzzle(w_.Picture2->Drawing(), Scene()); }

void Form1::DrawCell(const std::string& text, int r, int c) {
  sl::DrawCell(w_.Picture2->Drawing(), Scene(), text, r, c);
}

void Form1::DrawClueList() {
  const GameState& state = State();
  w_.picouter->DrawClues(state.puzzle, state.look.GridFontName, state.look.GridFontSize / 2.0,
                         state.appearance.FontColour,
                         state.appearance.SchemeColours[kBackgroundSlot]);
}

void Form1::SetStatus(const QString& text) { w_.Statx->SetFittedText(text); }

void Form1::SetStatus(const std::string& cp1252Text) { SetStatus(FromCp1252(cp1252Text)); }

void Form1::SetBusyPointer(bool busy) { ShowBusyPointer(busy); }

void Form1::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the game: every other window (options, help, about, print,
  // message) goes first. One that will not close is hidden, so only the main window is left.
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window == this || !window->isVisible()) continue;
    if (!window->close()) window->hide();
  }
  appearance_->UnloadOptionsWindow();
  MsgForm::Unload();
  SetBusyPointer(false);
  event->accept();
}

}  // namespace sl
