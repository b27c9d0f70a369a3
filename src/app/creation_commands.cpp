#include "app/creation_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QShortcut>

#include "app/form1.h"
#include "app/notices.h"
#include "common/numbers.h"
#include "common/text_lines.h"
#include "generation/dictionary.h"
#include "output/render/qpainter_surface.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/native_path.h"
#include "toolkit/gui/picture_box.h"

namespace sl {
namespace {

constexpr const char* kErrorInWritingPuzzle = "Error in writing puzzle";

void TellBatchOutcome(QWidget& window, const std::string& text) {
  Inform(window, FromNativePath(text));
}

}  // namespace

CreationCommands::CreationCommands(Form1& form) : form_(form) {
  const Form1Widgets& w = form_.Controls();
  connect(w.cmdcreate, &BoxControl::MouseUp, this, [this] { Create(); });
  connect(w.mnucreate, &QAction::triggered, this, [this] { Create(); });
  connect(w.Command16, &BoxControl::MouseUp, this, [this] { Cancel(); });
  connect(w.Command18, &BoxControl::MouseUp, this, [this] { CreateMulti(); });
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &form_);
  escape_->setContext(Qt::WindowShortcut);
  escape_->setEnabled(false);  // Escape clears a cell unless a creation runs
  connect(escape_, &QShortcut::activated, this, [this] { Cancel(); });
  connect(&job_, &CreationJob::PuzzleMade, this, &CreationCommands::OnPuzzleMade);
  connect(&job_, &CreationJob::Finished, this, &CreationCommands::OnFinished);
}

CreationCommands::~CreationCommands() = default;

void CreationCommands::Create() {
  form_.Run(GameCommand::Create, [this] { StartCreate(); });
}

void CreationCommands::StartCreate() {
  const CreationStart start = form_.Controller().StartCreation(form_.Label3().text().toStdString());
  if (!start.started) {
    MsgboxA(kLoadADictionaryFirst, "vbcritical+vbok");
    QCoreApplication::processEvents();
    return;
  }
  if (start.sizeChanged) form_.ComputeGridLayout();
  form_.SetBusyPointer(true);
  DrawGrid(form_.Picture2().Drawing(), form_.Scene());
  form_.Shape1().hide();
  SetRunningStatus(CreatingStatus(start.size));
  form_.picouter().Inner().Clear();
  form_.picouter().Inner().hide();
  StartJob(Running::Create, start.words, start.size, 1);
}

void CreationCommands::Cancel() {
  form_.Run(GameCommand::CancelCreation, [this] {
    SetRunningStatus(kCancelingCreation);
    job_.RequestCancel();
  });
}

void CreationCommands::SetRunningStatus(const std::string& text) { form_.SetStatus(text); }

void CreationCommands::CreateMulti() {
  form_.Run(GameCommand::CreateMulti, [this] { StartBatch(); });
}

void CreationCommands::StartBatch() {
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
  if (state.clues) state.clues->EnsureLoaded();
  batch_ = std::make_unique<PuzzleBatch>(
      state.folders.BatchFile(std::to_string(kBatchSize) + kBatchFileSuffix), &state.meanings,
      state.random);
  form_.Controller().Begin(Activity::Creation);
  form_.SetBusyPointer(true);
  SetRunningStatus(Str(kBatchSize) + Str(0));
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
    if (!batch_->Add(generated)) {
      job_.RequestCancel();
      return;
    }
    SetRunningStatus(Str(kBatchSize) + Str(batch_->Written()));
  } else {
    created_ = generated;
    haveCreated_ = true;
  }
}

void CreationCommands::OnFinished(CreateOutcome outcome) {
  const Running ended = running_;
  running_ = Running::Nothing;
  SetCreating(false);
  form_.SetBusyPointer(false);
  ended == Running::Batch ? EndBatch(outcome) : EndCreate(outcome);
  form_.Controller().End();
  Q_EMIT CreationEnded();
}

void CreationCommands::EndCreate(CreateOutcome outcome) {
  const CreationEnd end =
      form_.Controller().FinishCreation(outcome, haveCreated_ ? &created_ : nullptr);
  form_.ShowCurrentPuzzle(end.sizeChanged);
  form_.picouter().Inner().show();
  switch (end.result) {
    case CreationEnd::Result::Created:
      form_.SetStatus(std::string(kPuzzleCreated));
      break;
    case CreationEnd::Result::Cancelled:
      // The player asked for it: the status line says so, no message box.
      form_.SetStatus(std::string(kPuzzleCanceled));
      break;
    case CreationEnd::Result::NoChain:
      MsgboxA(kCannotCreateAPuzzle, "vbok+vbcritical");
      QCoreApplication::processEvents();
      form_.SetStatus(std::string(kCannotCreateAPuzzle));
      break;
    case CreationEnd::Result::WriteFailed:
      MsgboxText(QStringLiteral("Cannot write the puzzle to file:\r\n") +
                     FromNativePath(form_.State().folders.TempPuzzleFile()),
                 "vbok+vbcritical");
      form_.SetStatus(std::string(kErrorInWritingPuzzle));
      break;
  }
}

void CreationCommands::EndBatch(CreateOutcome outcome) {
  const PuzzleBatch batch = *batch_;
  batch_.reset();
  if (batch.WriteFailed()) {
    TellBatchOutcome(form_, "The puzzles could not be written to file:" + std::string(kCrLf) +
                                batch.File());
  } else if (outcome == CreateOutcome::NoChain && batch.Written() == 0) {
    TellBatchOutcome(form_, "No puzzle of" + Str(kBatchSize) +
                                " words can be made from this dictionary: no puzzles were made.");
  } else {
    TellBatchOutcome(form_, "done");
  }
}

}  // namespace sl
