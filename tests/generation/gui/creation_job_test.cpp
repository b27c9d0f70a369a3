// Cancelling a job, starting the next and making several puzzles are played through in the
// creation command tests.
#include "generation/gui/creation_job.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QThreadPool>

#include "support/generation_fixtures.h"

namespace sl {
namespace {

TEST(CreationJob, EndingTheJobWhileItRunsStopsTheWorker) {
  auto job = std::make_unique<CreationJob>();
  job->Start(test::NeverLinkingWords(20000), 8, 1, 3);
  job.reset();  // a worker left running would go on through thousands of attempts
  QThreadPool& pool = *QThreadPool::globalInstance();
  EXPECT_TRUE(QTest::qWaitFor([&] { return pool.activeThreadCount() == 0; }, 5000));
}

}  // namespace
}  // namespace sl
