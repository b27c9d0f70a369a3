// The word-list builder as the build runs it, on a tiny WordNet.
#include <gtest/gtest.h>

#include "support/run_command.h"
#include "support/temp_folder.h"
#include "support/wordnet_fixture.h"

namespace sl {
namespace {

class BuildWordLists : public ::testing::Test {
 protected:
  test::CommandResult Build(const std::map<std::string, std::vector<std::string>>& wordnet,
                            const std::string& blocked = "# nothing unsavoury here\nslut*\n") {
    test::WriteWordNet(wordnetFolder, wordnet);
    const std::string words = out.Write(
        "words", "architect\nchamber\nchambers\ndumbbell\ntapestry\nfrugally\nsparingly\n");
    // ARCHITECT is an everyday word; TAPESTRY is rarer but the tagged texts use it three times;
    // FRUGALLY is rare.
    for (int level : {10, 20, 35, 40, 50, 55, 60, 70, 80, 95}) {
      scowl.Write("english-words." + std::to_string(level),
                  level == 35 ? "architect\n" : level == 40 ? "tapestry\n" : "");
      scowl.Write("american-words." + std::to_string(level), level == 60 ? "frugally\n" : "");
    }
    return test::RunCommand(
        std::string(BUILD_WORD_LISTS) + " --wordnet " + test::ShellQuote(wordnetFolder.Path()) +
        " --words " + test::ShellQuote(words) + " --scowl " + test::ShellQuote(scowl.Path()) +
        " --blocked " + test::ShellQuote(out.Write("blocked.list", blocked)) + " --errata " +
        test::ShellQuote(out.Write("errata.list", "heavy handwoven|heavy hand-woven\n")) +
        " --out " + test::ShellQuote(out.Path()));
  }
  test::TempFolder wordnetFolder, scowl, out;
};

TEST_F(BuildWordLists, WritesTheListsAndTellsWhatItLeftOut) {
  const test::CommandResult result = Build(test::SmallWordNet());
  ASSERT_EQ(result.exitCode, 0) << result.err;
  // CHAMBERS names only a person, DUMBBELL is most often a slur, FRUGALLY's definition shows
  // its stem so its synonym clues it, TAPESTRY loses its vulgar sense.
  EXPECT_EQ(out.Read("english2.txt"), "ARCHITECT\r\nFRUGALLY\r\nTAPESTRY\r\n");
  EXPECT_EQ(out.Read("english1.txt"), "ARCHITECT\r\nTAPESTRY\r\n");
  EXPECT_EQ(out.Read("mean6.txt"),
            "ARCHITECT:someone who creates plans for buildings\r\n"
            "CHAMBER:a natural or artificial enclosed space\r\n"
            "FRUGALLY:sparingly\r\n"
            "TAPESTRY:a wall hanging of heavy hand-woven fabric\r\n");
  EXPECT_NE(result.out.find("english2.txt: 3 words ( 8 letters: 2; 9 letters: 1; ); American "
                            "words of 8 to 12 letters left out: 0 stem, 0 cut, 1 proper noun, "
                            "1 unsavoury"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("familiarity scores of english2.txt: 30-34: 1, 35-39: 1, 60-64: 1"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("mean6.txt: 4 meanings of 4 words (1 clued by synonyms); meanings "
                            "left out: 0 stem, 0 cut, 1 proper noun, 3 unsavoury; words left "
                            "out: 2"),
            std::string::npos)
      << result.out;
}

TEST_F(BuildWordLists, BadInputIsReportedWithItsPlaceAndNothingIsWritten) {
  auto malformed = test::SmallWordNet();
  malformed["data.noun"].push_back("00001000 04 n zz broken 0 000 | a bad word count");
  test::CommandResult result = Build(malformed);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("data.noun:" + std::to_string(malformed["data.noun"].size()) +
                            ": unexpected format"),
            std::string::npos)
      << result.err;

  result = Build(test::SmallWordNet(), "fine\nnot-a-word\n");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("blocked.list:2: "), std::string::npos) << result.err;
  EXPECT_EQ(out.Read("english1.txt"), "<missing>");

  result = test::RunCommand(std::string(BUILD_WORD_LISTS) + " --wordnet x --words");
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("usage: build_word_lists"), std::string::npos) << result.err;
}

}  // namespace
}  // namespace sl
