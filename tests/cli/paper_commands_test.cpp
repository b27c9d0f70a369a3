// stacklinks-tool print (a PDF book of a range) and picture (the clipboard picture as a PNG),
// run with no display and no platform chosen, as on a build machine.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::ShellQuote;

test::CommandResult Tool(const std::string& arguments) {
  return test::RunCommand("env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY " +
                          ShellQuote(STACKLINKS_TOOL) + " " + arguments);
}

class PaperCommandsTest : public ::testing::Test {
 protected:
  // Four three-word puzzles; the third is damaged (too few fields).
  PaperCommandsTest() {
    std::string records;
    const char* firstWords[] = {"CAT", "COT", "", "CUT"};
    for (const char* word : firstWords) {
      records += *word ? std::string("3;010203;010203;") + word + ",1;BAT,1;RAT,1;\r\n"
                       : std::string("3;010203;CAT,1;\r\n");
    }
    file = folder.Write("book.txt", records);
    meanings = folder.Write("mean6.txt",
                            "BAT:a club used for hitting a ball\r\nCAT:a small feline\r\n"
                            "COT:a narrow bed\r\nCUT:a share of the profits\r\n"
                            "RAT:a rodent\r\n");
  }
  std::string Print(const std::string& range, const std::string& pdf) const {
    return "print --file " + ShellQuote(file) + " --range " + ShellQuote(range) + " --pdf " +
           ShellQuote(pdf) + " --meanings " + ShellQuote(meanings);
  }
  static int PdfPages(const std::string& pdf) {
    const std::string info = test::RunCommand("pdfinfo " + ShellQuote(pdf)).out;
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
  }
  // The text of one page as pdftotext reads it.
  static std::string PageText(const std::string& pdf, int page) {
    const std::string n = std::to_string(page);
    return test::RunCommand("pdftotext -f " + n + " -l " + n + " " + ShellQuote(pdf) + " -").out;
  }

  test::TempFolder folder;
  std::string file;
  std::string meanings;
};

TEST_F(PaperCommandsTest, PrintMakesOnePagePerPuzzleOfTheRange) {
  const std::string pdf = folder.File("book.pdf");
  const test::CommandResult result = Tool(Print(" 2 - 9 ", pdf));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // Puzzles 2, 3 and 4; the damaged third keeps its page blank.
  EXPECT_EQ(result.out, " 2 puzzles printed\n");
  EXPECT_EQ(PdfPages(pdf), 3);

  const std::string second = PageText(pdf, 1);
  for (const std::string& text : {"Puz# 2:" + file, std::string("Clues"),
                                  std::string("a narrow bed"), std::string("a club used"),
                                  std::string("Linked Letters: ABRT"), std::string("03"),
                                  std::string("1.COT"), std::string("3.RAT")}) {
    EXPECT_NE(second.find(text), std::string::npos) << text << " not in:\n" << second;
  }
  EXPECT_EQ(PageText(pdf, 2).find_first_not_of(" \n\f"), std::string::npos);
  EXPECT_NE(PageText(pdf, 3).find("a share of the profits"), std::string::npos);
}

TEST_F(PaperCommandsTest, PrintChecksTheRangeAsThePrintWindowDoes) {
  const std::string pdf = folder.File("none.pdf");
  // The checks themselves are the print window's; here their texts reach stderr.
  const std::pair<const char*, const char*> cases[] = {{"3-2", "Specify print range"},
                                                       {"5-9", "Print range not correct"}};
  for (const auto& [range, message] : cases) {
    const test::CommandResult result = Tool(Print(range, pdf));
    EXPECT_EQ(result.exitCode, 1) << range;
    EXPECT_EQ(result.err, std::string(message) + "\n") << range;
    EXPECT_EQ(result.out, "") << range;
  }
  EXPECT_EQ(folder.Read("none.pdf"), "<missing>");

  // Files that cannot be read or written are errors, and nothing is written.
  EXPECT_EQ(Tool(Print("1-1", folder.File("no/such/folder.pdf"))).exitCode, 1);
  const std::string missingMeanings = "print --file " + ShellQuote(file) +
                                      " --range 1-1 --pdf " + ShellQuote(pdf) +
                                      " --meanings " + ShellQuote(folder.File("nothing.txt"));
  EXPECT_EQ(Tool(missingMeanings).exitCode, 1);
  EXPECT_EQ(folder.Read("none.pdf"), "<missing>");
  EXPECT_EQ(Tool("print --file " + ShellQuote(file) + " --range 1-1").exitCode, 2);
}

// Width and height of a PNG file, from its header.
std::pair<uint32_t, uint32_t> PngSize(const std::string& bytes) {
  const auto word = [&](size_t at) {
    uint32_t value = 0;
    for (size_t i = at; i < at + 4 && i < bytes.size(); ++i) {
      value = value << 8 | static_cast<unsigned char>(bytes[i]);
    }
    return value;
  };
  return {word(16), word(20)};
}

TEST_F(PaperCommandsTest, PictureWritesTheClipboardPictureAsPng) {
  const std::string png = folder.File("p.png");
  test::CommandResult result = Tool("picture --file " + ShellQuote(file) + " --number 4 --png " +
                                    ShellQuote(png) + " --meanings " + ShellQuote(meanings));
  ASSERT_EQ(result.exitCode, 0) << result.err;
  const std::string bytes = folder.Read("p.png");
  EXPECT_EQ(bytes.substr(1, 3), "PNG");
  EXPECT_EQ(PngSize(bytes), (std::pair<uint32_t, uint32_t>{533, 880}));

  const std::string picture = "picture --png " + ShellQuote(folder.File("q.png")) +
                              " --meanings " + ShellQuote(meanings) + " --file " +
                              ShellQuote(file) + " --number ";
  EXPECT_EQ(Tool(picture + "3").exitCode, 1);  // damaged
  EXPECT_EQ(Tool(picture + "5").exitCode, 3);  // no such puzzle
  EXPECT_EQ(Tool(picture + "0").exitCode, 2);
  EXPECT_EQ(folder.Read("q.png"), "<missing>");
}

}  // namespace
}  // namespace sl
