// stacklinks-tool print (a PDF book of a range) and picture (the clipboard picture as a PNG),
// run with no display and no platform chosen, as on a build machine.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;

class PaperCommandsTest : public ::testing::Test {
 protected:
  test::CommandResult Tool(const std::string& arguments, const std::string& meaningsFile = "") {
    return test::RunCommand("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " +
                            ShellQuote(STACKLINKS_TOOL) + " " + arguments + " --meanings " +
                            ShellQuote(meaningsFile.empty() ? meanings : meaningsFile));
  }
  std::string Print(const std::string& range, const std::string& pdf) const {
    return "print --file " + ShellQuote(file) + " --range " + ShellQuote(range) + " --pdf " +
           ShellQuote(pdf);
  }
  // The text of one page as pdftotext reads it.
  static std::string PageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return test::RunCommand("pdftotext -f " + n + " -l " + n + " " + ShellQuote(pdf) + " -").out;
  }

  test::TempFolder folder;
  // Four three-word puzzles; the third is damaged (too few fields).
  std::string file = folder.Write("book.txt",
                                  "3;010203;010203;CAT,1;BAT,1;RAT,1;\r\n"
                                  "3;010203;010203;COT,1;BAT,1;RAT,1;\r\n"
                                  "3;010203;CAT,1;\r\n"
                                  "3;010203;010203;CUT,1;BAT,1;RAT,1;\r\n");
  std::string meanings = folder.Write("mean6.txt",
                                      "BAT:a club used for hitting a ball\r\nCAT:a small feline\r\n"
                                      "COT:a narrow bed\r\nCUT:a share of the profits\r\n"
                                      "RAT:a rodent\r\n");
};

TEST_F(PaperCommandsTest, PrintMakesOnePagePerPuzzleOfTheRange) {
  const std::string pdf = folder.File("book.pdf");
  const test::CommandResult result = Tool(Print(" 2 - 9 ", pdf));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // Puzzles 2, 3 and 4; the damaged third keeps its page (blank, as the print run tests show).
  EXPECT_EQ(result.out, " 2 puzzles printed\n");
  const std::string info = test::RunCommand("pdfinfo " + ShellQuote(pdf)).out;
  EXPECT_EQ(std::atoi(info.c_str() + info.find("Pages:") + 6), 3) << info;
  // The sheet's own texts are checked with the sheet; here: the right puzzle, clued from the file.
  const std::string second = PageText(pdf, 1);
  for (const std::string& text : {"Puz# 2:" + file, std::string("a narrow bed")}) {
    EXPECT_NE(second.find(text), std::string::npos) << text << " not in:\n" << second;
  }
  EXPECT_NE(PageText(pdf, 3).find("a share of the profits"), std::string::npos);
}

TEST_F(PaperCommandsTest, PrintRefusesABadRangeAndFilesItCannotReadOrWrite) {
  const std::string pdf = folder.File("none.pdf");
  // The range checks themselves are the print window's; here their texts reach stderr.
  const test::CommandResult result = Tool(Print("5-9", pdf));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "Print range not correct\n");
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(Tool(Print("1-1", folder.File("no/such/folder.pdf"))).exitCode, 1);
  EXPECT_EQ(Tool(Print("1-1", pdf), folder.File("no.txt")).exitCode, 1);
  EXPECT_EQ(folder.Read("none.pdf"), "<missing>");
  EXPECT_EQ(Tool("print --file " + ShellQuote(file) + " --range 1-1").exitCode, 2);
}

// The heading shows the path as the system names it, not as code-page bytes.
TEST_F(PaperCommandsTest, PrintShowsAFolderNameWithAccentsAsItIs) {
  ASSERT_EQ(::mkdir(folder.File("\xC3\x9C" "bung").c_str(), 0755), 0);
  const std::string accented = folder.File("\xC3\x9C" "bung/book.txt");
  ASSERT_EQ(std::rename(file.c_str(), accented.c_str()), 0);
  file = accented;
  const std::string pdf = folder.File("\xC3\x9C" "bung/book.pdf");
  const test::CommandResult result = Tool(Print("1-1", pdf));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string page = PageText(pdf, 1);
  EXPECT_NE(page.find("Puz# 1:" + accented), std::string::npos) << page;
}

// A book that cannot be written whole is a failure, and the file that was there stays.
TEST_F(PaperCommandsTest, PrintThatCannotWriteTheWholeBookFailsAndKeepsTheOldFile) {
  // A file-size limit of 4 KiB makes the writes fail part-way (the signal it raises is ignored).
  const std::string pdf = folder.Write("kept.pdf", "old book");
  const test::CommandResult cut =
      test::RunCommand("trap '' XFSZ; ulimit -f 4; env -u QT_QPA_PLATFORM -u DISPLAY " +
                       ShellQuote(STACKLINKS_TOOL) + " " + Print("1-4", pdf) + " --meanings " +
                       ShellQuote(meanings));
  EXPECT_EQ(cut.exitCode, 1) << cut.out;
  EXPECT_EQ(cut.out, "");
  EXPECT_NE(cut.err.find("cannot write " + pdf + ": "), std::string::npos) << cut.err;
  EXPECT_EQ(folder.Read("kept.pdf"), "old book");
  EXPECT_EQ(test::RunCommand("ls -A " + ShellQuote(folder.Path())).out,
            "book.txt\nkept.pdf\nmean6.txt\n");  // no half-written temporary file
}

TEST_F(PaperCommandsTest, PictureWritesTheClipboardPictureAsPng) {
  const std::string picture = "picture --file " + ShellQuote(file) + " --png ";
  const test::CommandResult result =
      Tool(picture + ShellQuote(folder.File("p.png")) + " --number 4");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // The PNG signature, then the header's width (533) and height (880).
  const std::string bytes = folder.Read("p.png");
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x02\x15\0\0\x03\x70", 8));
  const std::string other = picture + ShellQuote(folder.File("q.png")) + " --number ";
  EXPECT_EQ(Tool(other + "3").exitCode, 1);  // damaged
  EXPECT_EQ(Tool(other + "5").exitCode, 3);  // no such puzzle
  EXPECT_EQ(Tool(other + "0").exitCode, 2);
  EXPECT_EQ(folder.Read("q.png"), "<missing>");
}

}  // namespace
}  // namespace sl
