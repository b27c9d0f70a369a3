// Cancelling a job, starting the next and making several puzzles are played through in the
// creation command tests.
#include "generation/gui/creation_job.h"

#include <gtest/gtest.h>

#include "support/generation_fixtures.h"

namespace sl {
namespace {

TEST(CreationJob, EndingTheJobWhileItRunsStopsTheWorker) {
  auto job = std::make_unique<CreationJob>();
  job->Start(test::NeverLinkingWords(20000), 8, 1, 3);
  // Without the cancel the destructor would wait through thousands of hopeless attempts; a
  // worker left running would use the freed job (caught by the sanitizer builds).
  job.reset();
}

}  // namespace
}  // namespace sl
