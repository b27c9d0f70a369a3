#include "generation/gui/creation_job.h"

#include <new>
#include <utility>

namespace sl {

CreationJob::CreationJob(QObject* parent) : QObject(parent) {
  connect(&worker_, &WorkerThread::Woken, this, &CreationJob::ShowMade);
  connect(&worker_, &WorkerThread::Finished, this, [this] {
    ShowMade();  // puzzles made after the last wake-up
    Q_EMIT Finished(outcome_);
  });
}

CreationJob::~CreationJob() {
  RequestCancel();
  worker_.Join();  // before the generator the worker uses goes
}

void CreationJob::Start(std::vector<std::string> words, int size, int count, uint32_t seed) {
  if (worker_.Running()) return;
  cancel_.store(false);
  worker_.Start([this, words = std::move(words), size, count, seed] {
    Run(words, size, count, seed);
  });
}

void CreationJob::Run(const std::vector<std::string>& words, int size, int count,
                      uint32_t seed) {
  CreateOutcome outcome = CreateOutcome::Created;
  try {
    if (!generator_ || !generator_->BuiltFrom(words, size)) {
      generator_ = std::make_shared<PuzzleGenerator>(words, size);
    }
    Random random(seed);
    outcome = MakePuzzles(*generator_, random, cancel_, count, [this](GeneratedPuzzle&& made) {
      {
        std::lock_guard<std::mutex> lock(madeLock_);
        made_.push_back(std::move(made));
      }
      worker_.Wake();
      return true;
    });
  } catch (const std::bad_alloc&) {
    // Out of memory inside an attempt ends the run like a cancel; nothing half made is kept.
    generator_.reset();
    outcome = CreateOutcome::Cancelled;
  }
  outcome_ = outcome;
}

void CreationJob::ShowMade() {
  std::vector<GeneratedPuzzle> made;
  {
    std::lock_guard<std::mutex> lock(madeLock_);
    made.swap(made_);
  }
  for (const GeneratedPuzzle& puzzle : made) Q_EMIT PuzzleMade(puzzle);
}

}  // namespace sl
