#pragma once
// Creating puzzles from the dictionary: Create (cmdcreate, mnucreate), its cancel (Command16, or
// Escape while creating) and the hidden batch CreateMulti (Command18). The generator runs on a
// worker thread; the window stays responsive and shows the creation on its status line. Whether
// a creation runs is known here alone (Creating); the window and the other commands ask.
#include <QObject>
#include <cstdint>
#include <string>

#include "generation/gui/creation_job.h"

class QShortcut;

namespace sl {

class Form1;

inline constexpr const char* kLoadADictionaryFirst = "Load a Dictionary first";
inline constexpr const char* kCannotCreateAPuzzle = "Cannot create a Puzzle";
inline constexpr const char* kPuzzleCanceled = "Puzzle canceled";
inline constexpr const char* kPuzzleCreated = "Puzzle created";
inline constexpr const char* kCancelingCreation = "Canceling puzzle creation ...";
inline constexpr const char* kBatchFileSuffix = "puzadd.txt";
inline constexpr int kBatchSize = 8;
inline constexpr int kBatchCount = 1000;

// The size a creation uses for the size label's text: the nearest whole number, 12 when that is
// not from 8 to 12.
int32_t CreationSize(const std::string& labelText);
// "Creating a 10 words Puzzle ...".
std::string CreatingStatus(int32_t size);

class CreationCommands : public QObject {
  Q_OBJECT

 public:
  explicit CreationCommands(Form1& form);

  // Starts creating a puzzle of the size label's size; ignored while a creation runs.
  void Create();
  // Asks a running creation to stop after its current attempt.
  void Cancel();
  // Appends kBatchCount new puzzles of size kBatchSize to "8puzadd.txt" in the batch folder (the
  // current folder, or the player's data folder when the game is installed).
  // A dictionary without words of that size, or without any chain, is reported and nothing is
  // written.
  void CreateMulti();
  // True from the start of a creation or batch until its outcome is shown.
  bool Creating() const { return running_ != Running::Nothing; }

 Q_SIGNALS:
  // A creation or a batch has ended and the window shows its outcome.
  void CreationEnded();

 private:
  enum class Running { Nothing, Create, Batch };

  void StartJob(Running what, std::vector<std::string> words, int size, int count);
  void SetCreating(bool creating);
  // The running creation's text on the status line; shown again after a puzzle another command
  // shows meanwhile has written its own.
  void SetRunningStatus(const std::string& text);
  void OnPuzzleMade(const GeneratedPuzzle& generated);
  void OnFinished(CreateOutcome outcome);
  void ShowCreated(const GeneratedPuzzle& generated);
  // Back to the puzzle shown before the creation, read again from its file.
  void RestorePrevious();
  void AppendBatchRecord(const GeneratedPuzzle& generated);
  void EndBatch(CreateOutcome outcome);

  Form1& form_;
  CreationJob job_;
  QShortcut* escape_ = nullptr;
  Running running_ = Running::Nothing;
  std::string runningStatus_;

  std::string savedPuzzleFile_;  // the puzzle shown before the creation, for a cancel
  int32_t savedPuzzleNumber_ = 0;
  GeneratedPuzzle created_;
  bool haveCreated_ = false;

  std::string batchFile_;
  int32_t batchWritten_ = 0;
  bool batchWriteFailed_ = false;
};

}  // namespace sl
