#include "app/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

#include "app/appearance_commands.h"
#include "app/creation_commands.h"
#include "app/configuration.h"
#include "app/dictionary_commands.h"
#include "app/exit_commands.h"
#include "app/help_commands.h"
#include "app/letter_entry.h"
#include "app/navigation_commands.h"
#include "app/paper_commands.h"
#include "app/play_commands.h"
#include "app/size_label_command.h"
#include "app/tool_commands.h"
#include "common/files.h"
#include "options/gui/player_folders.h"
#include "output/gui/picture_box.h"
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
  state_.folders = PlayerGameFolders();
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
}

Form1::~Form1() { SetBusyPointer(false); }

bool Form1::CreationRunning() const {
  const CreationCommands* creation = FindCommands<CreationCommands>();
  return creation != nullptr && creation->Creating();
}

bool Form1::DictionaryReading() const {
  const DictionaryCommands* dictionary = FindCommands<DictionaryCommands>();
  return dictionary != nullptr && dictionary->Reading();
}

QWidget& Form1::Shape1() { return w_.Picture2->Marker(); }

// The built-in defaults are those the game state starts with (GridLook, GridGeometry,
// Appearance). The print dialog object is made with the window (by the paper commands); the
// options window's font list is filled when that window is first made.
void Form1::StartUp() {
  PlayState& play = state_.play;
  const GameFolders& folders = state_.folders;
  MakeWritableFolders(folders);
  if (state_.clues) state_.clues->StartLoading();
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
  w_.Label3->setText(QString::number(state_.puzzle.PuzzleSize));
  w_.Timer1->start();
}

void Form1::FirstTick() {
  PlayState& play = state_.play;
  SetBusyPointer(true);
  ComputeGridLayout();
  w_.Timer1->stop();
  Q_EMIT DictionaryNeeded();
  ClearPuzzle();
  if (play.PuzzleFile.empty() || !FileExists(play.PuzzleFile)) {
    play.PuzzleFile = StartingFile(kDefaultPuzzleFile, state_.folders);
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
  }
  SetStatus(QString());
  SetBusyPointer(false);
}

void Form1::ClearPuzzle() {
  Puzzle& puzzle = state_.puzzle;
  for (auto& row : puzzle.Entry) row.fill(std::string());
  for (auto& row : puzzle.Solution) row.fill(std::string());
  puzzle.Wlist.clear();
  w_.picouter->Clear();
  w_.Label1->clear();
  w_.label4->clear();
}

ShowStatus Form1::ShowPuzzle(const std::string& path, int32_t n) {
  PlayState& play = state_.play;
  if (n > play.PuzzleCount) return ShowStatus::NothingDone;
  SetStatus(std::string(kReadingPuzzleFile));
  const ShowOutcome outcome =
      ReadPuzzleInto(state_.puzzle, path, n, play.PuzzleCount, state_.clues.get());
  if (outcome.status == ShowStatus::Failed) {
    SetStatus(std::string(kErrorInReadingPuzzle));
    return outcome.status;
  }
  if (outcome.status != ShowStatus::Shown) return outcome.status;
  if (outcome.sizeChanged) FollowPuzzleSize();
  w_.Label5->setText(FromCp1252(LinkedLettersText(state_.puzzle)));
  RedrawPuzzle();
  DrawClueList();
  play.PuzzleNumber = n;
  play.PuzzleFile = path;
  ShowPositionLabels();
  w_.label4->setText(FromNativePath(FileNameOf(path)));
  w_.label4->setToolTip(FromNativePath(path));
  w_.Label3->setText(QString::number(state_.puzzle.PuzzleSize));
  Shape1().hide();
  play.CursorRow = -1;
  Q_EMIT PuzzleShown();
  return ShowStatus::Shown;
}

void Form1::ShowPositionLabels() {
  const QString position =
      QString::fromStdString(PositionText(state_.play.PuzzleNumber, state_.play.PuzzleCount));
  w_.Label1->setText(position);
  w_.Command8->setToolTip(position);
  w_.Command5->setToolTip(position);
}

void Form1::ComputeGridLayout() {
  sl::ComputeGridLayout(state_.geometry, state_.puzzle.PuzzleSize, kGridSurfaceWidth);
}

void Form1::FollowPuzzleSize() {
  ComputeGridLayout();
  Q_EMIT DictionaryNeeded();
}

GridScene Form1::Scene() const {
  return GridScene{state_.puzzle, state_.geometry, state_.look,
                   state_.appearance.SchemeColours[kBackgroundSlot], state_.appearance.FontColour};
}

void Form1::RedrawPuzzle() { sl::RedrawPuzzle(w_.Picture2->Drawing(), Scene()); }

void Form1::DrawCell(const std::string& text, int r, int c) {
  sl::DrawCell(w_.Picture2->Drawing(), Scene(), text, r, c);
}

void Form1::DrawClueList() {
  w_.picouter->DrawClues(state_.puzzle, state_.look.GridFontName,
                         state_.look.GridFontSize / 2.0, state_.appearance.FontColour,
                         state_.appearance.SchemeColours[kBackgroundSlot]);
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
