#pragma once
// Runs the generator on a worker thread, over its own copy of the dictionary, so the window
// keeps repainting and answering while puzzles are made. Made puzzles and the end of the run
// arrive as signals on the thread that owns the job.
#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "generation/generator.h"
#include "toolkit/gui/worker_thread.h"

namespace sl {

class CreationJob : public QObject {
  Q_OBJECT

 public:
  explicit CreationJob(QObject* parent = nullptr);
  // Asks a running job to stop and waits for it (one attempt at most).
  ~CreationJob() override;

  // Makes up to `count` puzzles of the words of `size` letters. The generator, and what it has
  // learnt about start words, is kept for the next run over the same words and size. Ignored
  // while a run is going on.
  void Start(std::vector<std::string> words, int size, int count, uint32_t seed);
  // True from Start until Finished is signalled (the worker may have ended a little earlier).
  bool Running() const { return worker_.Running(); }

  // The run stops after the attempt that is running.
  void RequestCancel() { cancel_.store(true); }

 Q_SIGNALS:
  void PuzzleMade(const sl::GeneratedPuzzle& puzzle);
  // Created when every puzzle asked for was made; otherwise why the run stopped early.
  void Finished(sl::CreateOutcome outcome);

 private:
  void Run(const std::vector<std::string>& words, int size, int count, uint32_t seed);
  void ShowMade();

  WorkerThread worker_;
  std::atomic<bool> cancel_{false};
  std::mutex madeLock_;
  std::vector<GeneratedPuzzle> made_;  // guarded by madeLock_
  // Touched only by the worker while a run goes on; runs never overlap and each ends joined.
  std::shared_ptr<PuzzleGenerator> generator_;
  CreateOutcome outcome_ = CreateOutcome::Created;  // written by the worker, read after the join
};

}  // namespace sl
