#include "app/dictionary_commands.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <memory>

#include "app/file_prompt.h"
#include "app/form1.h"
#include "common/files.h"
#include "generation/dictionary.h"
#include "generation/meanings.h"
#include "generation/meanings_preload.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/native_path.h"

namespace sl {
namespace {

// Clues of shown puzzles from "mean6.txt" in the data folder. The file is read on a thread of
// its own from the start-up on, and taken when the first puzzle is shown; the status line says
// so while that waits. A file that could not be read then is tried again each time.
class WindowClueSource final : public ClueSource {
 public:
  explicit WindowClueSource(Form1& form) : form_(form) {}

  void StartLoading() override { preload_.Start(MeaningsFile()); }
  bool EnsureLoaded() override {
    GameState& state = form_.State();
    if (!state.meanings.Empty()) return true;
    form_.SetStatus(std::string(kReadingMeanings));
    form_.Statx().repaint();  // the wait for the worker's read holds the event loop
    if (preload_.TakeInto(state.meanings)) return true;
    return state.meanings.Read(MeaningsFile());
  }
  void LookUpFirstClues(Puzzle& puzzle) override {
    LookUpClues(puzzle, 1, form_.State().meanings, form_.State().random);
  }

 private:
  std::string MeaningsFile() const { return form_.State().folders.MeaningsFile(); }

  Form1& form_;
  MeaningsPreload preload_;
};

}  // namespace

DictionaryCommands::DictionaryCommands(Form1& form) : form_(form) {
  connect(form_.Controls().cmdloadict, &BoxControl::MouseUp, this, [this] { LoadDictionary(); });
  connect(form_.Controls().mnudict, &QAction::triggered, this, [this] { LoadDictionary(); });
  connect(&form_, &Form1::DictionaryNeeded, this,
          [this] { ReadDictionary(form_.State().play.DictionaryFile); });
  form_.State().clues = std::make_unique<WindowClueSource>(form_);
  escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), &form_);
  escape_->setContext(Qt::WindowShortcut);
  escape_->setEnabled(false);  // Escape clears a cell unless a read runs
  connect(escape_, &QShortcut::activated, this, [this] { CancelReading(); });
  connect(&job_, &DictionaryJob::Finished, this, &DictionaryCommands::OnReadFinished);
}

void DictionaryCommands::LoadDictionary() {
  form_.Run(GameCommand::LoadDictionary, [this] {
    const std::string name =
        AskForFile(form_, {"Select a Dictionary file", "*.txt;*.dic", "OPEN"});
    if (!name.empty()) StartReading(name);
  });
}

void DictionaryCommands::LoadDictionaryNamed(const std::string& path) {
  form_.Run(GameCommand::LoadDictionary, [this, path] { StartReading(path); });
}

void DictionaryCommands::StartReading(const std::string& path) {
  form_.Controller().Begin(Activity::DictionaryRead);
  SetReading(true);
  job_.Start(path, form_.State().puzzle.PuzzleSize);
}

void DictionaryCommands::CancelReading() {
  if (Reading()) job_.RequestCancel();
}

void DictionaryCommands::SetReading(bool reading) {
  form_.SetBusyPointer(reading);
  form_.Controls().cmdcreate->setEnabled(!reading);
  form_.Controls().mnucreate->setEnabled(!reading);
  escape_->setEnabled(reading);
  if (!reading) return;
  form_.SetStatus(std::string(kReadingDictionary));
  form_.Statx().repaint();  // on screen even when the read ends before the next paint
}

void DictionaryCommands::OnReadFinished(const std::shared_ptr<DictionaryRead>& result) {
  if (result->read && result->size != form_.State().puzzle.PuzzleSize) {
    // A puzzle of another size was shown meanwhile: the words of that size are wanted now.
    job_.Start(result->path, form_.State().puzzle.PuzzleSize);
    return;
  }
  SetReading(false);
  if (result->read) {
    form_.State().dictionary = std::move(result->words);
    SetDictionaryFile(result->path);
    form_.SetStatus(std::string(kDictionaryRead));
  } else {
    form_.SetStatus(std::string(result->cancelled ? kDictionaryReadCanceled : kErrorInDictionary));
  }
  form_.Controller().End();
}

void DictionaryCommands::SetDictionaryFile(const std::string& path) {
  form_.State().play.DictionaryFile = path;
  form_.Label2().setText(FromNativePath(FileNameOf(path)));
  form_.Label2().setToolTip(FromNativePath(path));
}

bool DictionaryCommands::ReadDictionary(const std::string& path) {
  GameState& state = form_.State();
  form_.SetBusyPointer(true);
  form_.SetStatus(std::string(kReadingDictionary));
  form_.Statx().repaint();  // the read holds the event loop: show the text before it starts
  const bool ok = ReadDictionaryWords(path, state.puzzle.PuzzleSize, state.dictionary);
  if (ok) SetDictionaryFile(path);
  form_.SetStatus(std::string(ok ? kDictionaryRead : kErrorInDictionary));
  form_.SetBusyPointer(false);
  return ok;
}

}  // namespace sl
