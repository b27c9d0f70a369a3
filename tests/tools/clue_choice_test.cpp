#include "clue_choice.h"

#include <gtest/gtest.h>

namespace sl::wordlists {
namespace {

using Texts = std::vector<std::string>;

Sense Make(const char* gloss, int tagCount = 0, Texts synonyms = {}) {
  Sense sense;
  sense.gloss = gloss;
  sense.tagCount = tagCount;
  sense.synonyms = std::move(synonyms);
  return sense;
}

class CluesOfLemmaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(blocked.Parse({"slut*", "shitting", "penis"}, "list", error)) << error;
  }
  LemmaClues Clues(const std::string& lemma, std::vector<Sense> senses) {
    return CluesOfLemma(lemma, std::move(senses), blocked, known);
  }
  BlockList blocked;
  const std::set<std::string> known{"sparingly", "frugal", "economically", "culprit", "put",
                                    "under", "stingy", "campground", "bivouac", "encampment"};
};

TEST_F(CluesOfLemmaTest, CommonSensesFirstMostSeenFirstProperNounsLast) {
  Sense painter = Make("United States painter (1834-1903)", 40);
  painter.instance = painter.capitalized = true;
  Sense marmot = Make("large North American mountain marmot", 1);
  Sense duck = Make("large-headed swift-flying diving duck of Arctic regions", 5);
  Sense dated = Make("a noted rider of the Pony Express (1840-1889)", 50);  // no flags, a life
  const LemmaClues clues = Clues("whistler", {painter, marmot, duck, dated});
  EXPECT_EQ(clues.meanings, (Texts{"large-headed swift-flying diving duck of Arctic regions",
                                   "large North American mountain marmot",
                                   "a noted rider of the Pony Express (1840-1889)",
                                   "United States painter (1834-1903)"}));
}

TEST_F(CluesOfLemmaTest, AWordWithOnlyProperNounSensesGoes) {
  Sense architect = Make("English architect (1723-1796)");
  architect.instance = true;
  Sense leaking = Make("rooms of a chambers kind");
  const LemmaClues clues = Clues("chambers", {architect, leaking});
  EXPECT_TRUE(clues.meanings.empty());
  EXPECT_EQ(clues.wordReason, DropReason::ProperNoun);
  EXPECT_EQ(clues.dropped, (std::array<int, kDropReasonCount>{1, 0, 1, 0}));
}

TEST_F(CluesOfLemmaTest, LeakingOrUncuttableDefinitionsFallBackOnEverydaySynonyms) {
  const LemmaClues frugally = Clues(
      "frugally", {Make("in a frugal manner", 0, {"sparingly", "Scotch", "frugal", "airt",
                                                  "economically", "stingy", "put under"})});
  // Three at most, never a name, a form of the word or a rare word.
  EXPECT_EQ(frugally.meanings, Texts{"sparingly, economically, stingy"});
  EXPECT_EQ(frugally.synonymClues, 1);

  // A definition clue, even of a rarer sense, comes before a synonym clue.
  const LemmaClues campsite =
      Clues("campsite", {Make("a site for camping", 0, {"campground", "bivouac", "encampment"})});
  EXPECT_EQ(campsite.meanings, Texts{"bivouac"});  // "campground" begins like the answer

  const LemmaClues culprit = Clues(
      "perpetrator", {Make("someone who perpetrates wrongdoing", 9, {"culprit"}),
                      Make("one who does a wrong", 1)});
  EXPECT_EQ(culprit.meanings, (Texts{"one who does a wrong", "culprit"}));

  const std::string uncuttable(130, 'x');
  const LemmaClues dropped = Clues("bassoonist", {Make("a musician who plays the bassoon"),
                                                  Make(uncuttable.c_str())});
  EXPECT_TRUE(dropped.meanings.empty());
  EXPECT_EQ(dropped.wordReason, DropReason::Stem);
  EXPECT_EQ(dropped.dropped, (std::array<int, kDropReasonCount>{1, 1, 0, 0}));
}

TEST_F(CluesOfLemmaTest, UnsavouryWordsAndSenses) {
  // The block list names the word: it goes, whatever its senses.
  EXPECT_EQ(Clues("sluttish", {Make("untidy")}).wordReason, DropReason::Unsavoury);
  EXPECT_TRUE(Clues("shitting", {Make("the elimination of waste")}).meanings.empty());

  // A labelled or blocked sense goes, the word keeps its others...
  Sense vulgar = Make("vulgar talk");
  vulgar.obsceneUsage = true;
  const LemmaClues tapestry = Clues(
      "tapestry", {vulgar, Make("insert the penis into"), Make("an offensive term for a cloth"),
                   Make("a wall hanging of heavy handwoven fabric", 9)});
  EXPECT_EQ(tapestry.meanings, Texts{"a wall hanging of heavy handwoven fabric"});
  EXPECT_EQ(tapestry.dropped[static_cast<size_t>(DropReason::Unsavoury)], 3);

  // ...unless its most common sense is the offensive one.
  Sense slur = Make("a stupid person", 7);
  slur.derogatoryUsage = true;
  const LemmaClues dumbbell = Clues("dumbbell", {slur, Make("an exercising weight")});
  EXPECT_TRUE(dumbbell.meanings.empty());
  EXPECT_EQ(dumbbell.wordReason, DropReason::Unsavoury);
}

TEST_F(CluesOfLemmaTest, LongDefinitionsAreCutAndTheSameClueIsKeptOnce) {
  const std::string longGloss =
      "large voracious aquatic reptile having a long snout with massive jaws and sharp teeth and "
      "a body covered with bony plates and scales; \"the crocodile lay still\"";
  const LemmaClues clues = Clues("crocodile", {Make(longGloss.c_str()), Make(longGloss.c_str())});
  EXPECT_EQ(clues.meanings, Texts{"large voracious aquatic reptile"});
}

}  // namespace
}  // namespace sl::wordlists
