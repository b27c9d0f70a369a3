#include "generation/gui/creation_job.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "support/generation_fixtures.h"

namespace sl {
namespace {

struct JobRun {
  std::vector<GeneratedPuzzle> made;
  CreateOutcome outcome = CreateOutcome::Created;
};

// Starts the job, lets `during` act right after the start, and waits for the end.
template <class During>
JobRun RunJob(CreationJob& job, const std::vector<std::string>& words, int count, During during) {
  JobRun run;
  const auto made = QObject::connect(&job, &CreationJob::PuzzleMade,
                                     [&](const GeneratedPuzzle& p) { run.made.push_back(p); });
  const auto finished = QObject::connect(&job, &CreationJob::Finished,
                                         [&](CreateOutcome outcome) { run.outcome = outcome; });
  QSignalSpy spy(&job, &CreationJob::Finished);
  job.Start(words, 8, count, 3);
  during();
  EXPECT_TRUE(job.Running());
  EXPECT_TRUE(spy.wait(20000));
  QObject::disconnect(made);
  QObject::disconnect(finished);
  return run;
}

TEST(CreationJob, DeliversThePuzzlesAskedForInOrderThenTheEnd) {
  CreationJob job;
  const std::vector<std::string> words = test::RandomWords(5, 400, 8, "BCDLMR");
  const JobRun run = RunJob(job, words, 30, [] {});
  EXPECT_EQ(run.outcome, CreateOutcome::Created);
  ASSERT_EQ(run.made.size(), 30u);
  for (const GeneratedPuzzle& puzzle : run.made) EXPECT_EQ(puzzle.words.size(), 8u);
  EXPECT_FALSE(job.Running());
}

TEST(CreationJob, CancelStopsAfterTheCurrentAttemptAndTheNextRunStartsAfresh) {
  CreationJob job;
  // Trying every start word would take thousands of whole-list attempts.
  const std::vector<std::string> slow = test::NeverLinkingWords(20000);
  JobRun run = RunJob(job, slow, 1, [&] { job.RequestCancel(); });
  EXPECT_EQ(run.outcome, CreateOutcome::Cancelled);
  EXPECT_TRUE(run.made.empty());

  // The flag is cleared by the next start; a list without chains then ends on its own.
  run = RunJob(job, {"XAAAAAAA", "YAAEAAEA"}, 1, [] {});
  EXPECT_EQ(run.outcome, CreateOutcome::NoChain);
}

TEST(CreationJob, EndingTheJobWhileItRunsStopsTheWorker) {
  auto job = std::make_unique<CreationJob>();
  job->Start(test::NeverLinkingWords(20000), 8, 1, 3);
  ASSERT_TRUE(job->Running());
  job.reset();  // must neither hang nor leave a worker touching a dead object
  SUCCEED();
}

}  // namespace
}  // namespace sl
