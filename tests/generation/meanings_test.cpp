#include "generation/meanings.h"
#include "generation/meanings_preload.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/generation_fixtures.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

class MeaningsTest : public ::testing::Test {
 protected:
  void Load(const std::vector<std::string>& lines) {
    ASSERT_TRUE(meanings.Read(folder.Write("mean6.txt", test::WordFile(lines))));
  }
  std::string Clue(const std::string& word, int32_t& m) {
    return LookUpClue(meanings, word, m, random);
  }
  test::TempFolder folder;
  Meanings meanings;
  Random random{7};
};

TEST_F(MeaningsTest, FirstOrRandomMeaningOfTheFirstBlockOfTheWordInUpperCase) {
  std::vector<std::string> lines{"DOG:first", "DOG:second", "cow:lower-case lines never count",
                                 "CAT:a pet", "CAT:a whip", "CAT:a boat", "CATS:pets",
                                 "CA:a state", "DOG:stray"};
  for (int i = 1; i <= 150; ++i) lines.push_back("ANT:meaning " + std::to_string(i));
  Load(lines);
  int32_t m = 1;
  EXPECT_EQ(Clue("cat", m), "a pet");  // a lower-case puzzle word finds its meanings
  EXPECT_EQ(m, 1);
  // Random draws: every line of the first block, at most its first 101, with its number.
  const auto draw = [&](const std::string& word) {
    int32_t drawn = -1;
    const std::string clue = Clue(word, drawn);
    return clue + "#" + std::to_string(drawn);
  };
  std::set<std::string> cats, dogs, ants, firstAnts;
  for (int i = 0; i < 3000; ++i) {
    cats.insert(draw("CAT"));
    dogs.insert(draw("DOG"));
    ants.insert(draw("ANT"));
    if (i < 101) firstAnts.insert("meaning " + std::to_string(i + 1) + "#" + std::to_string(i + 1));
  }
  EXPECT_EQ(cats, (std::set<std::string>{"a pet#1", "a whip#2", "a boat#3"}));
  EXPECT_EQ(dogs, (std::set<std::string>{"first#1", "second#2"}));
  EXPECT_EQ(ants, firstAnts);
  EXPECT_EQ(draw("CA"), "a state#1");  // one meaning: always the first
  m = 2;                               // a number that is neither 1 nor -1 picks nothing
  EXPECT_EQ(Clue("CAT", m), "");
  EXPECT_EQ(m, 2);
  EXPECT_EQ(draw("cow"), "#-1");  // a word without meanings leaves m alone
}

TEST_F(MeaningsTest, ReadOncePerRunAndMissingFilesFail) {
  Meanings fresh;
  EXPECT_FALSE(fresh.Read(folder.File("missing.txt")));
  EXPECT_FALSE(fresh.Read(folder.Path()));
  EXPECT_TRUE(fresh.Empty());

  Load({"CAT:a pet"});
  EXPECT_TRUE(meanings.Read(folder.Write("other.txt", "CAT:other\r\n")));
  int32_t m = 1;
  EXPECT_EQ(Clue("CAT", m), "a pet");  // the list is not read again
}

TEST(MeaningsPreload, HandsOverWhatItReadOnceAndNothingWhenTheFileIsMissing) {
  test::TempFolder folder;
  const std::string path = folder.Write("mean6.txt", "DOG:animal\r\nCAT:pet\r\n");
  Meanings held;
  MeaningsPreload none;
  EXPECT_FALSE(none.TakeInto(held));  // nothing started

  MeaningsPreload preload;
  preload.Start(path);
  preload.Start(folder.File("other.txt"));  // the first read goes on
  ASSERT_TRUE(preload.TakeInto(held));
  EXPECT_EQ(held.Lines().Items(), (std::vector<std::string>{"DOG:animal", "CAT:pet"}));
  EXPECT_EQ(held.Find("CAT:").first, 1);
  EXPECT_FALSE(preload.TakeInto(held));  // handed over once
  EXPECT_EQ(held.Lines().ListCount(), 2);

  MeaningsPreload missing;
  missing.Start(folder.File("missing.txt"));
  EXPECT_FALSE(missing.TakeInto(held));
  EXPECT_EQ(held.Lines().ListCount(), 2);  // unchanged
}

}  // namespace
}  // namespace sl
