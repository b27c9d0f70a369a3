// The maintenance tools: their line transformations, output names, and whole runs over files
// (messages, refusals, whole-or-nothing output).
#include "generation/list_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "support/temp_folder.h"

namespace sl {
namespace {

using Lines = std::vector<std::string>;
using Outcome = ListToolResult::Outcome;

// A prepared line with that many word fields: "3;EMU;EMU;EMU;".
std::string Fields(int words) {
  std::string line = std::to_string(words) + ";";
  for (int i = 0; i < words; ++i) line += "EMU;";
  return line;
}

// Records every progress text shown.
struct ProgressLog {
  Lines texts;
  ToolProgress Progress() {
    return {[this](const std::string& text) { texts.push_back(text); }, {}};
  }
};

TEST(ListTransformsTest, ShufflesKeepEveryLineAndReachEveryOrder) {
  const Lines three{"one", "two", "three"};
  std::set<Lines> orders;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    Random random(seed);
    const Lines shuffled = ShuffleLines(three, kShuffleKeys, random);
    EXPECT_TRUE(std::is_permutation(shuffled.begin(), shuffled.end(), three.begin()));
    orders.insert(shuffled);
  }
  EXPECT_EQ(orders.size(), 6u);

  // Lines that draw the same key come out in order without regard to case, equal ones as given.
  Random random(1);
  EXPECT_EQ(ShuffleLines({"b", "a2", "A1", "a1", "B"}, 1, random),
            (Lines{"A1", "a1", "a2", "b", "B"}));
}

TEST(ListTransformsTest, RepeatsTrimmingAndTheirProgress) {
  struct Case {
    const char* name;
    Lines (*run)(const Lines&, const ToolProgress&);
    Lines in, out, progress;
  };
  const Case cases[] = {
      {"drop repeats", [](const Lines& l, const ToolProgress& p) { return *DropRepeats(l, p); },
       {"x", "X", "y", "x", "\xC9" "a", "\xE9" "A"}, {"x", "y", "\xC9" "a"},
       {" 1 1", " 2 1", " 3 2", " 4 2", " 5 3", " 6 3"}},
      {"trim", [](const Lines& l, const ToolProgress& p) { return *TrimLines(l, p); },
       {"  a b  ", "", "    ", "c", "\td "}, {"a b", "c", "\td"},
       {" 1", " 2", " 3", " 4", " 5"}},
      {"neighbours",
       [](const Lines& l, const ToolProgress& p) { return *DropNeighbourRepeats(l, p); },
       {"", "", "x", "x", "", "x"}, {"x", "", "x"}, {"no dup 1", "no dup 2", "no dup 3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgressLog log;
    EXPECT_EQ(c.run(c.in, log.Progress()), c.out);
    EXPECT_EQ(log.texts, c.progress);
  }
  // A cancelled run gives nothing.
  const ToolProgress cancelled{{}, [] { return true; }};
  EXPECT_FALSE(DropRepeats({"a"}, cancelled));
  EXPECT_FALSE(TrimLines({"a"}, cancelled));
}

TEST(MeaningNumbersTest, EveryWordFieldGetsOneOfItsMeaningNumbers) {
  test::TempFolder folder;
  Meanings meanings;
  ASSERT_TRUE(meanings.Read(
      folder.Write("mean6.txt", "CAT:a pet\r\nCAT:a whip\r\nCAT:a boat\r\nEMU:a bird\r\n")));
  Random random{3};
  const auto number = [&](const Lines& lines) {
    return AddMeaningNumbers(lines, meanings, random, ToolProgress{});
  };
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) {
    const MeaningNumbered numbered = number({"8;CAT;DOG;"});
    ASSERT_EQ(numbered.lines.size(), 1u);
    seen.insert(numbered.lines[0]);
  }
  EXPECT_EQ(seen, (std::set<std::string>{"8;CAT,1;DOG,-1;", "8;CAT,2;DOG,-1;",
                                         "8;CAT,3;DOG,-1;"}));
  // A word after the last ";" is numbered too; a line without ";" keeps its one field; a
  // lower-case word finds its upper-case meanings.
  EXPECT_EQ(number({"9;emu;EMU", "title", ""}).lines,
            (Lines{"9;emu,1;EMU,1;", "title;", ";"}));
  // Twelve words are the most a line may hold; more are refused in the run below.
  EXPECT_EQ(number({Fields(12), Fields(12)}).refusedLine, 0);
}

// Each tool's own ending is checked with the commands that write it.
TEST(ListToolOutputTest, OutputNamesComeFromTheSourceUpToItsLastDot) {
  const std::tuple<std::string, ListTool, std::optional<std::string>> cases[] = {
      {"my puzzles.v2.txt", ListTool::Randomize, "my puzzles.v2-random.txt"},
      {"C:\\games\\list.dat", ListTool::Trim, "C:\\games\\list-withpn.txt"},
      {"/p/puzzles", ListTool::Randomize, std::nullopt},
      {"/p.d/puzzles", ListTool::Randomize, std::nullopt},  // the dot of a folder is no help
  };
  for (const auto& [source, tool, output] : cases) {
    EXPECT_EQ(ToolOutputPath(source, OutputEnding(tool)), output) << source;
  }
}

class ListToolRunTest : public ::testing::Test {
 protected:
  ListToolResult Run(ListTool tool, const std::string& source,
                     const ToolProgress& progress = ToolProgress{}) {
    return RunListTool({tool, source, &random, &meanings}, progress);
  }
  test::TempFolder folder;
  Random random{11};
  Meanings meanings;
};

TEST_F(ListToolRunTest, RefusalsAndCancelsWriteNothingAndKeepAnOlderOutput) {
  folder.Write("empty.txt", "");
  folder.Write("old-random.txt", "kept\r\n");
  const ToolProgress cancelled{{}, [] { return true; }};
  const std::pair<std::string, std::string> cases[] = {  // source, message ("" for a cancel)
      {folder.File("missing.txt"),
       "The file " + folder.File("missing.txt") + " is missing or empty. Nothing was written."},
      {folder.File("empty.txt"),
       "The file " + folder.File("empty.txt") + " is missing or empty. Nothing was written."},
      {folder.File("noname"), "The name " + folder.File("noname") +
                                  " has no \".\", so no output name can be made from it. "
                                  "Nothing was written."},
      {folder.Write("old.txt", "a\r\nb\r\n"), ""},
  };
  for (const auto& [source, message] : cases) {
    const ListToolResult result =
        Run(ListTool::Randomize, source, message.empty() ? cancelled : ToolProgress{});
    EXPECT_EQ(result.outcome, message.empty() ? Outcome::Cancelled : Outcome::Refused);
    EXPECT_EQ(result.message, message);
  }
  EXPECT_EQ(folder.Read("old-random.txt"), "kept\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 3);

  // Too many words in a meaning-number list: an older output stays as it was.
  ASSERT_TRUE(meanings.Read(folder.Write("mean6.txt", "EMU:a bird\r\n")));
  folder.Write("words-withmindex.txt", "kept\r\n");
  const ListToolResult result = Run(
      ListTool::AddMeanIndex, folder.Write("words.txt", "8;EMU;\r\n" + Fields(13) + "\r\n"));
  EXPECT_EQ(result.outcome, Outcome::Refused);
  EXPECT_EQ(result.message, "Line 2 of " + folder.File("words.txt") +
                                " has 13 words; a puzzle holds at most 12. Nothing was written.");
  EXPECT_EQ(folder.Read("words-withmindex.txt"), "kept\r\n");
}

}  // namespace
}  // namespace sl
