// The familiarity score and the SCOWL levels it starts from.
#include <gtest/gtest.h>

#include <cstdio>

#include "familiarity.h"
#include "support/temp_folder.h"

namespace sl::wordlists {
namespace {

TEST(FamiliarityScore, EachDoublingOfUseBringsTheLevelDownUpToThreeSteps) {
  const std::pair<int, int> kTagsToScore[] = {{0, 40}, {1, 35}, {2, 35}, {3, 30},
                                              {6, 30}, {7, 25}, {500, 25}};
  for (const auto& [tags, score] : kTagsToScore) EXPECT_EQ(FamiliarityScore(40, tags), score) << tags;
}

TEST(ReadScowlLevels, TheSmallestListHoldingAWordGivesItsLevel) {
  test::TempFolder folder;
  for (int level : kScowlLevels) {
    for (const char* list : {"english-words.", "american-words."}) {
      folder.Write(list + std::to_string(level), "");
    }
  }
  folder.Write("english-words.50", "harbour\ncafé\nEnglish\nbreakfast\n");
  folder.Write("english-words.20", "breakfast\n");
  folder.Write("american-words.35", "harbor\n");
  std::map<std::string, int> levels;
  std::string error;
  ASSERT_TRUE(ReadScowlLevels(folder.Path(), levels, error)) << error;
  EXPECT_EQ(levels, (std::map<std::string, int>{{"breakfast", 20}, {"harbor", 35}, {"harbour", 50}}));
  EXPECT_EQ(LevelOf(levels, "zyzzyva"), kUnlistedLevel);

  std::remove((folder.Path() + "/american-words.95").c_str());
  EXPECT_FALSE(ReadScowlLevels(folder.Path(), levels, error));
  EXPECT_NE(error.find("american-words.95"), std::string::npos) << error;
}

TEST(ReadTagTotals, SumsTheSensesOfEachLemma) {
  test::TempFolder folder;
  const std::string path =
      folder.Write("cntlist.rev", "run%2:38:00:: 1 40\nrun%1:04:00:: 2 2\nbank%1:14:00:: 1 9\n"
                                  "broken line\n");
  std::map<std::string, int> tags;
  std::string error;
  ASSERT_TRUE(ReadTagTotals(path, tags, error)) << error;
  EXPECT_EQ(tags, (std::map<std::string, int>{{"bank", 9}, {"run", 42}}));
}

}  // namespace
}  // namespace sl::wordlists
