#include "generation/gui/creation_job.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QThreadPool>

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
  QObject receiver;  // its end disconnects the lambdas that refer to `run`
  QObject::connect(&job, &CreationJob::PuzzleMade, &receiver,
                   [&](const GeneratedPuzzle& p) { run.made.push_back(p); });
  QObject::connect(&job, &CreationJob::Finished, &receiver,
                   [&](CreateOutcome outcome) { run.outcome = outcome; });
  QSignalSpy spy(&job, &CreationJob::Finished);
  job.Start(words, 8, count, 3);
  during();
  EXPECT_TRUE(job.Running());
  EXPECT_TRUE(spy.wait(20000));
  return run;
}

TEST(CreationJob, CancelStopsARunAndTheNextDeliversThePuzzlesAskedFor) {
  CreationJob job;
  // Trying every start word would take thousands of whole-list attempts.
  JobRun run = RunJob(job, test::NeverLinkingWords(20000), 1, [&] { job.RequestCancel(); });
  EXPECT_EQ(run.outcome, CreateOutcome::Cancelled);
  EXPECT_TRUE(run.made.empty());

  // The next start clears the cancel.
  run = RunJob(job, test::RandomWords(5, 400, 8, "BCDLMR"), 30, [] {});
  EXPECT_EQ(run.outcome, CreateOutcome::Created);
  ASSERT_EQ(run.made.size(), 30u);
  for (const GeneratedPuzzle& puzzle : run.made) EXPECT_EQ(puzzle.words.size(), 8u);
  EXPECT_FALSE(job.Running());
}

TEST(CreationJob, EndingTheJobWhileItRunsStopsTheWorker) {
  auto job = std::make_unique<CreationJob>();
  job->Start(test::NeverLinkingWords(20000), 8, 1, 3);
  ASSERT_TRUE(job->Running());
  job.reset();  // a worker left running would go on through thousands of attempts
  QThreadPool& pool = *QThreadPool::globalInstance();
  EXPECT_TRUE(QTest::qWaitFor([&] { return pool.activeThreadCount() == 0; }, 5000));
}

}  // namespace
}  // namespace sl
