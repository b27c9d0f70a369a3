#pragma once
// Creating puzzles from the dictionary: Create (cmdcreate, mnucreate), its cancel (Command16, or
// Escape while creating) and the hidden batch CreateMulti (Command18). The generator runs on a
// worker thread; the window stays responsive and shows the creation on its status line. The
// controller keeps the puzzle before the creation and says what other commands do meanwhile.
#include <QObject>
#include <cstdint>
#include <memory>
#include <string>

#include "game/puzzle_batch.h"
#include "generation/gui/creation_job.h"

class QShortcut;

namespace sl {

class Form1;

class CreationCommands : public QObject {
  Q_OBJECT

 public:
  explicit CreationCommands(Form1& form);
  ~CreationCommands() override;

  // Starts creating a puzzle of the size label's size.
  void Create();
  // Asks a running creation to stop after its current attempt.
  void Cancel();
  // Appends kBatchCount new puzzles of size kBatchSize to "8puzadd.txt" in the batch folder (the
  // current folder, or the player's data folder when the game is installed).
  // A dictionary without words of that size, or without any chain, is reported and nothing is
  // written.
  void CreateMulti();

 Q_SIGNALS:
  // A creation or a batch has ended, the window shows its outcome and the commands that waited
  // for it have run.
  void CreationEnded();

 private:
  enum class Running { Nothing, Create, Batch };

  void StartCreate();
  void StartBatch();
  void StartJob(Running what, std::vector<std::string> words, int size, int count);
  void SetCreating(bool creating);
  void SetRunningStatus(const std::string& text);
  void OnPuzzleMade(const GeneratedPuzzle& generated);
  void OnFinished(CreateOutcome outcome);
  void EndCreate(CreateOutcome outcome);
  void EndBatch(CreateOutcome outcome);

  Form1& form_;
  CreationJob job_;
  QShortcut* escape_ = nullptr;
  Running running_ = Running::Nothing;

  GeneratedPuzzle created_;
  bool haveCreated_ = false;
  std::unique_ptr<PuzzleBatch> batch_;
};

}  // namespace sl
