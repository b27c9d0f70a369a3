#include "app/creation_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QShortcut>
#include <QTimer>

#include "app/form1.h"
#include "app/notices.h"
#include "common/numbers.h"
#include "common/text_lines.h"
#include "generation/dictionary.h"
#include "output/gui/picture_box.h"
#include "output/render/qpainter_surface.h"
#include "puzzle/puzzle_file.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

constexpr const char* kErrorInWritingPuzzle = "Error in writing puzzle";

void TellBatchOutcome(QWidget& window, const std::string& text) {
  Inform(window, FromNativePath(text));
}

}  // namespace

int32_t CreationSize(const std::string& labelText) {
  const int32_t size = RoundHalfEven(Val(labelText));
  return IsCreatedSize(size) ? size : kMaxPuzzleSize;
}

std::string CreatingStatus(int32_t size) { return "Creating a" + Str(size) + " words Puzzle ..."; }

CreationCommands::CreationCommands(Form1& form) : form_(form) {
  const Form1Widgets& w = form_.Controls();
  connect(w.cmdcreate, &BoxControl::MouseUp, this, [this] { Create(); });
  connect(w.mnucreate, &QAction::triggered, this, [this] { Create(); });
  connect(w.Command16, &BoxControl::MouseUp, this, [this] { Cancel(); });
  connect(w.Command18, &BoxControl::MouseUp, this, [this] { CreateMulti(); });
  // Stepping to another puzzle while a creation runs writes its own status texts; once that
  // command is done the creation's text comes back.
  connect(&form_, &Form1::PuzzleShown, this, [this] {
    if (!Creating()) return;
    QTimer::singleShot(0, this, [this] {
      if (Creating()) form_.SetStatus(runningStatus_);
    });
  });
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &form_);
  escape_->setContext(Qt::WindowShortcut);
  escape_->setEnabled(false);  // Escape clears a cell unless a creation runs
  connect(escape_, &QShortcut::activated, this, [this] { Cancel(); });
  connect(&job_, &CreationJob::PuzzleMade, this, &CreationCommands::OnPuzzleMade);
  connect(&job_, &CreationJob::Finished, this, &CreationCommands::OnFinished);
}

void CreationCommands::Create() {
  if (Creating()) return;
  GameState& state = form_.State();
  if (state.dictionary.ListCount() == 0) {
    MsgboxA(kLoadADictionaryFirst, "vbcritical+vbok");
    QCoreApplication::processEvents();
    return;
  }
  const int32_t size = CreationSize(form_.Label3().text().toStdString());
  if (size != state.puzzle.PuzzleSize) {
    // The dictionary holds only words of the current size.
    state.puzzle.PuzzleSize = size;
    form_.FollowPuzzleSize();
  }
  form_.SetBusyPointer(true);
  DrawGrid(form_.Picture2().Drawing(), form_.Scene());
  savedPuzzleFile_ = state.play.PuzzleFile;
  savedPuzzleNumber_ = state.play.PuzzleNumber;
  form_.Shape1().hide();
  state.play.CursorRow = -1;
  SetRunningStatus(CreatingStatus(size));
  form_.picouter().Inner().Clear();
  form_.picouter().Inner().hide();
  StartJob(Running::Create, state.dictionary.Items(), size, 1);
}

void CreationCommands::Cancel() {
  SetRunningStatus(kCancelingCreation);
  job_.RequestCancel();
}

void CreationCommands::SetRunningStatus(const std::string& text) {
  runningStatus_ = text;
  form_.SetStatus(text);
}

void CreationCommands::CreateMulti() {
  if (Creating()) return;
  GameState& state = form_.State();
  // The batch reads its own words of its size, so the shown puzzle, its size and the dictionary
  // of the window stay as they are.
  clsSimpleArray words;
  if (!ReadDictionaryWords(state.play.DictionaryFile, kBatchSize, words)) {
    form_.SetStatus(std::string(kErrorInDictionary));
    return;
  }
  if (words.ListCount() == 0) {
    TellBatchOutcome(form_, "The dictionary holds no words of" + Str(kBatchSize) +
                                " letters: no puzzles were made.");
    return;
  }
  batchFile_ = state.folders.BatchFile(std::to_string(kBatchSize) + kBatchFileSuffix);
  batchWritten_ = 0;
  batchWriteFailed_ = false;
  if (state.clues) state.clues->EnsureLoaded();
  form_.SetBusyPointer(true);
  SetRunningStatus(Str(kBatchSize) + Str(batchWritten_));
  StartJob(Running::Batch, words.Items(), kBatchSize, kBatchCount);
}

void CreationCommands::StartJob(Running what, std::vector<std::string> words, int size,
                                int count) {
  running_ = what;
  haveCreated_ = false;
  SetCreating(true);
  job_.Start(std::move(words), size, count, form_.State().random.Engine()());
}

void CreationCommands::SetCreating(bool creating) {
  form_.Controls().cmdcreate->setEnabled(!creating);
  form_.Controls().mnucreate->setEnabled(!creating);
  escape_->setEnabled(creating);
}

void CreationCommands::OnPuzzleMade(const GeneratedPuzzle& generated) {
  if (running_ == Running::Batch) {
    AppendBatchRecord(generated);
  } else {
    created_ = generated;
    haveCreated_ = true;
  }
}

void CreationCommands::OnFinished(CreateOutcome outcome) {
  const Running ended = running_;
  running_ = Running::Nothing;
  if (ended == Running::Batch) {
    EndBatch(outcome);
  } else if (outcome == CreateOutcome::Created && haveCreated_) {
    ShowCreated(created_);
  } else {
    // Cancelled, or no start word of the dictionary makes a chain: the previous puzzle comes
    // back either way, and the status line says which it was.
    form_.SetBusyPointer(false);
    MsgboxA(kCannotCreateAPuzzle, "vbok+vbcritical");
    QCoreApplication::processEvents();
    RestorePrevious();
    form_.SetStatus(std::string(outcome == CreateOutcome::NoChain ? kCannotCreateAPuzzle
                                                                  : kPuzzleCanceled));
  }
  Q_EMIT CreationEnded();
}

void CreationCommands::ShowCreated(const GeneratedPuzzle& generated) {
  GameState& state = form_.State();
  Puzzle created = state.puzzle;
  StorePuzzle(generated, created);
  LookUpRandomClues(state, created);
  const std::string tempFile = state.folders.TempPuzzleFile();
  if (!AppendPuzzle(tempFile, created, false)) {
    // Without the temporary file the puzzle cannot be shown or saved the usual way.
    form_.SetBusyPointer(false);
    MsgboxA("Cannot write the puzzle to file:" + std::string(kCrLf) +
                ToCp1252(FromNativePath(tempFile)),
            "vbok+vbcritical");
    RestorePrevious();
    form_.SetStatus(std::string(kErrorInWritingPuzzle));
    return;
  }
  // A puzzle of another size shown while the worker ran has moved the layout and the dictionary.
  const bool sizeMoved = state.puzzle.PuzzleSize != created.PuzzleSize;
  state.puzzle = std::move(created);
  if (sizeMoved) form_.FollowPuzzleSize();
  form_.RedrawPuzzle();
  state.play.PuzzleCount = 1;
  const bool shown = form_.ShowPuzzle(tempFile, 1) == ShowStatus::Shown;
  form_.picouter().Inner().show();
  // A failed read has said so on the status line already.
  if (shown) form_.SetStatus(std::string(kPuzzleCreated));
  SetCreating(false);
  form_.SetBusyPointer(false);
}

void CreationCommands::RestorePrevious() {
  PlayState& play = form_.State().play;
  play.PuzzleFile = savedPuzzleFile_;
  play.PuzzleNumber = savedPuzzleNumber_;
  // Another file may have been shown meanwhile: the count must be this file's again.
  play.PuzzleCount = savedPuzzleFile_.empty() ? 0 : CountPuzzles(savedPuzzleFile_);
  const bool shown = savedPuzzleNumber_ >= 1 &&
                     form_.ShowPuzzle(savedPuzzleFile_, savedPuzzleNumber_) == ShowStatus::Shown;
  if (!shown) {
    // No puzzle was shown before, or it cannot be read back: an empty grid, rather than a
    // puzzle of another file under this file's name.
    form_.ClearPuzzle();
    form_.RedrawPuzzle();
  }
  form_.picouter().Inner().show();
  SetCreating(false);
  // The marker stays hidden: no cell is selected after a creation (it shows again on the next
  // selection).
  form_.SetBusyPointer(false);
}

void CreationCommands::AppendBatchRecord(const GeneratedPuzzle& generated) {
  if (batchWriteFailed_) return;
  Puzzle record;
  StorePuzzle(generated, record);
  LookUpRandomClues(form_.State(), record);
  if (!AppendPuzzle(batchFile_, record, true)) {
    batchWriteFailed_ = true;
    job_.RequestCancel();
    return;
  }
  ++batchWritten_;
  SetRunningStatus(Str(kBatchSize) + Str(batchWritten_));
}

void CreationCommands::EndBatch(CreateOutcome outcome) {
  SetCreating(false);
  form_.SetBusyPointer(false);
  if (batchWriteFailed_) {
    TellBatchOutcome(form_, "The puzzles could not be written to file:" + std::string(kCrLf) +
                                batchFile_);
  } else if (outcome == CreateOutcome::NoChain && batchWritten_ == 0) {
    TellBatchOutcome(form_, "No puzzle of" + Str(kBatchSize) +
                                " words can be made from this dictionary: no puzzles were made.");
  } else {
    TellBatchOutcome(form_, "done");
  }
}

}  // namespace sl
