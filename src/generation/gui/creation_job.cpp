#include "generation/gui/creation_job.h"

#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>
#include <new>

namespace sl {

CreationJob::CreationJob(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<GeneratedPuzzle>::resultReadyAt, this,
          [this](int index) { Q_EMIT PuzzleMade(watcher_.resultAt(index)); });
  connect(&watcher_, &QFutureWatcher<GeneratedPuzzle>::finished, this,
          [this] {
            running_ = false;
            Q_EMIT Finished(outcome_.load());
          });
}

CreationJob::~CreationJob() {
  RequestCancel();
  watcher_.waitForFinished();
}

void CreationJob::Start(std::vector<std::string> words, int size, int count, uint32_t seed) {
  if (running_) return;
  running_ = true;
  cancel_.store(false);
  watcher_.setFuture(QtConcurrent::run(
      [this, words = std::move(words), size, count, seed](
          QPromise<GeneratedPuzzle>& promise) mutable {
        Run(promise, std::move(words), size, count, seed);
      }));
}

void CreationJob::Run(QPromise<GeneratedPuzzle>& promise, std::vector<std::string> words,
                      int size, int count, uint32_t seed) {
  CreateOutcome outcome = CreateOutcome::Created;
  try {
    if (!generator_ || !generator_->BuiltFrom(words, size)) {
      generator_ = std::make_shared<PuzzleGenerator>(words, size);
    }
    Random random(seed);
    outcome = MakePuzzles(*generator_, random, cancel_, count, [&promise](GeneratedPuzzle&& made) {
      promise.addResult(std::move(made));
      return true;
    });
  } catch (const std::bad_alloc&) {
    // Out of memory inside an attempt ends the run like a cancel; nothing half made is kept.
    generator_.reset();
    outcome = CreateOutcome::Cancelled;
  }
  outcome_.store(outcome);
}

}  // namespace sl
