#include "generation/gui/list_tool_job.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <string>

#include "support/temp_folder.h"

namespace sl {
namespace {

TEST(ListToolJob, RunsOffTheWindowThreadAndReportsTheLastProgress) {
  test::TempFolder folder;
  std::string lines;
  for (int i = 0; i < 30000; ++i) lines += "  line " + std::to_string(i % 7) + "\r\n";
  ListToolJob job;
  QSignalSpy progress(&job, &ListToolJob::Progress);
  QSignalSpy finished(&job, &ListToolJob::Finished);
  ListToolResult result;
  QObject::connect(&job, &ListToolJob::Finished, [&](const ListToolResult& r) { result = r; });
  job.Start(ListTool::Trim, folder.Write("big.txt", lines), 5, nullptr);
  ASSERT_TRUE(finished.wait(20000));
  EXPECT_EQ(result.outcome, ListToolResult::Outcome::Done);
  EXPECT_EQ(result.message, "done");
  ASSERT_GE(progress.count(), 1);
  EXPECT_EQ(progress.last()[0].toString(), QStringLiteral(" 30000"));
  EXPECT_EQ(folder.Read("big-withpn.txt").substr(0, 16), "line 0\r\nline 1\r\n");
}

}  // namespace
}  // namespace sl
