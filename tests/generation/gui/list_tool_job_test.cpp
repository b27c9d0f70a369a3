#include "generation/gui/list_tool_job.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>

#include "support/temp_folder.h"

namespace sl {
namespace {

class ListToolJobTest : public ::testing::Test {
 protected:
  // Starts the tool, lets `during` act right after the start, and waits for the end.
  template <class During>
  ListToolResult Run(ListTool tool, const std::string& source, During during) {
    ListToolResult result;
    QObject receiver;
    QObject::connect(&job, &ListToolJob::Finished, &receiver,
                     [&](const ListToolResult& r) { result = r; });
    QSignalSpy finished(&job, &ListToolJob::Finished);
    job.Start(tool, source, 5, nullptr);
    during();
    EXPECT_TRUE(job.Running());
    EXPECT_TRUE(finished.wait(20000));
    EXPECT_FALSE(job.Running());
    return result;
  }
  test::TempFolder folder;
  ListToolJob job;
  QSignalSpy progress{&job, &ListToolJob::Progress};
};

TEST_F(ListToolJobTest, RunsOffTheWindowThreadAndReportsTheLastProgress) {
  std::string lines;
  for (int i = 0; i < 30000; ++i) lines += "  line " + std::to_string(i % 7) + "\r\n";
  const std::string source = folder.Write("big.txt", lines);
  const ListToolResult result = Run(ListTool::Trim, source, [] {});
  EXPECT_EQ(result.outcome, ListToolResult::Outcome::Done);
  EXPECT_EQ(result.message, "done");
  ASSERT_GE(progress.count(), 1);
  EXPECT_EQ(progress.last()[0].toString(), QStringLiteral(" 30000"));
  EXPECT_EQ(folder.Read("big-withpn.txt").substr(0, 16), "line 0\r\nline 1\r\n");
}

}  // namespace
}  // namespace sl
