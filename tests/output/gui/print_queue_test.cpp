// Printing on a real print queue: a cupsd of the test's own, on a socket in a temporary folder,
// with one queue that takes jobs and one that refuses them. Skipped where cupsd is not installed
// or the test is not root (cupsd needs root to start).
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QPrinter>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "output/gui/print_dialog.h"
#include "output/gui/printing.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

constexpr const char* kCupsd = "/usr/sbin/cupsd";

class TestPrintSystem {
 public:
  explicit TestPrintSystem(const test::TempFolder& folder) : root_(folder.File("cups")) {
    for (const char* sub : {"", "/spool", "/tmp", "/cache", "/state"}) {
      ::mkdir((root_ + sub).c_str(), 0755);
    }
    Write("cupsd.conf", "Listen " + Socket() +
                            "\nLogLevel warn\nBrowsing No\nWebInterface No\n"
                            "<Location />\nOrder allow,deny\nAllow all\n</Location>\n");
    Write("cups-files.conf", "ServerRoot " + root_ + "\nRequestRoot " + root_ + "/spool\nTempDir " +
                                 root_ + "/tmp\nCacheDir " + root_ + "/cache\nStateDir " + root_ +
                                 "/state\nErrorLog " + root_ + "/error_log\nAccessLog " + root_ +
                                 "/access_log\nFileDevice Yes\nSandboxing Relaxed\n");
    Write("printers.conf", Queue("taking", true) + Queue("refusing", false));
    pid_ = ::fork();
    if (pid_ == 0) {
      const std::string conf = root_ + "/cupsd.conf";
      const std::string files = root_ + "/cups-files.conf";
      ::execl(kCupsd, kCupsd, "-f", "-c", conf.c_str(), "-s", files.c_str(), nullptr);
      ::_exit(127);
    }
    // Everything this thread asks of the print system, Qt's printing included, goes here.
    cupsSetServer(Socket().c_str());
    for (int i = 0; i < 200 && !Ready(); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  ~TestPrintSystem() {
    if (pid_ > 0) {
      ::kill(pid_, SIGTERM);
      ::waitpid(pid_, nullptr, 0);
    }
  }

  bool Ready() const {
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
    cupsFreeDests(count, dests);
    return count == 2;
  }

  // The titles of every job the queue was given, in order.
  static std::vector<std::string> JobTitles(const char* queue) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue, 0, CUPS_WHICHJOBS_ALL);
    std::vector<std::string> titles;
    for (int i = 0; i < count; ++i) titles.emplace_back(jobs[i].title);
    cupsFreeJobs(count, jobs);
    return titles;
  }

 private:
  std::string Socket() const { return root_ + "/cups.sock"; }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(root_ + "/" + name) << text;
  }
  static std::string Queue(const std::string& name, bool accepting) {
    return "<Printer " + name + ">\nState Idle\nAccepting " + (accepting ? "Yes" : "No") +
           "\nDeviceURI file:///dev/null\n</Printer>\n";
  }

  std::string root_;
  pid_t pid_ = -1;
};

TEST(PrintQueue, ARefusedJobIsAFailureAndATakenJobIsNamed) {
  if (::geteuid() != 0 || ::access(kCupsd, X_OK) != 0) GTEST_SKIP() << "needs root and cupsd";
  test::TempFolder folder;
  TestPrintSystem cups(folder);
  if (!cups.Ready()) GTEST_SKIP() << "the test's cupsd did not start";

  PrintJob job;
  job.file = folder.Write("puzzles.txt",
                          "3;010203;010203;CAT,1;BAT,1;RAT,1;\r\n"
                          "3;010203;010203;COT,1;BAT,1;RAT,1;\r\n");
  job.first = 1;
  job.last = 2;
  job.puzzleCount = 2;
  clsPrintDialog dialog;

  dialog.Printer().setPrinterName(QStringLiteral("refusing"));
  ASSERT_EQ(dialog.Printer().printerName(), QStringLiteral("refusing"));
  const PrinterRun refused = PrintOnPrinter(dialog, job, nullptr, nullptr);
  EXPECT_TRUE(refused.outcome.failed);
  EXPECT_EQ(refused.outcome.printed, 0);
  EXPECT_EQ(refused.outcome.error, "the printer refusing is not accepting jobs");
  EXPECT_TRUE(TestPrintSystem::JobTitles("refusing").empty());

  dialog.Printer().setPrinterName(QStringLiteral("taking"));
  const PrinterRun taken = PrintOnPrinter(dialog, job, nullptr, nullptr);
  EXPECT_FALSE(taken.outcome.failed) << taken.outcome.error;
  EXPECT_EQ(taken.outcome.printed, 2);
  EXPECT_EQ(TestPrintSystem::JobTitles("taking"),
            std::vector<std::string>{"Stacklinks \u2013 puzzles.txt 1-2"});
}

}  // namespace
}  // namespace sl
