#include "clue_choice.h"

#include <gtest/gtest.h>

namespace sl::wordlists {
namespace {

using Texts = std::vector<std::string>;
using Dropped = std::array<int, kDropReasonCount>;  // stem, cut, proper noun, unsavoury

// A sense; flags: i an instance, c a capitalised lemma, o obscene, d derogatory.
Sense Make(const std::string& gloss, int tagCount = 0, Texts synonyms = {},
           const std::string& flags = "") {
  Sense sense;
  sense.gloss = gloss;
  sense.tagCount = tagCount;
  sense.synonyms = std::move(synonyms);
  sense.instance = flags.find('i') != std::string::npos;
  sense.capitalized = flags.find('c') != std::string::npos;
  sense.obsceneUsage = flags.find('o') != std::string::npos;
  sense.derogatoryUsage = flags.find('d') != std::string::npos;
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
                                    "under", "stingy", "campground", "bivouac", "encampment", "honorific",
                                    "deferential", "respecting"};
};

TEST_F(CluesOfLemmaTest, CommonSensesFirstMostSeenFirstProperNounsLast) {
  const LemmaClues clues =
      Clues("whistler", {Make("United States painter (1834-1903)", 40, {}, "ic"),
                         Make("large North American mountain marmot", 1),
                         Make("large-headed swift-flying diving duck of Arctic regions", 5),
                         Make("a noted rider of the Pony Express (1840-1889)", 50)});  // a life
  EXPECT_EQ(clues.meanings, (Texts{"large-headed swift-flying diving duck of Arctic regions",
                                   "large North American mountain marmot",
                                   "a noted rider of the Pony Express (1840-1889)",
                                   "United States painter (1834-1903)"}));
  // A word with only proper-noun senses goes.
  const LemmaClues chambers = Clues("chambers", {Make("English architect (1723-1796)", 0, {}, "i"),
                                                 Make("rooms of a chambers kind")});
  EXPECT_TRUE(chambers.meanings.empty());
  EXPECT_EQ(chambers.wordReason, DropReason::ProperNoun);
  EXPECT_EQ(chambers.dropped, (Dropped{1, 0, 1, 0}));
}

TEST_F(CluesOfLemmaTest, LeakingOrUncuttableDefinitionsFallBackOnEverydaySynonyms) {
  const LemmaClues frugally = Clues(
      "frugally", {Make("in a frugal manner", 0, {"sparingly", "Scotch", "frugal", "airt",
                                                  "economically", "stingy", "put under"})});
  // Three at most, never a name, a form of the word or a rare word.
  EXPECT_EQ(frugally.meanings, Texts{"sparingly, economically, stingy"});
  EXPECT_EQ(frugally.synonymClues, 1);
  // "campground" begins like the answer.
  EXPECT_EQ(
      Clues("campsite", {Make("a site for camping", 0, {"campground", "bivouac", "encampment"})})
          .meanings,
      Texts{"bivouac"});
  // A synonym clue keeps its sense's place: the commonest sense comes first however it is clued.
  const LemmaClues perpetrator =
      Clues("perpetrator", {Make("one who does a wrong", 1),
                            Make("someone who perpetrates wrongdoing", 9, {"culprit"})});
  EXPECT_EQ(perpetrator.meanings, (Texts{"culprit", "one who does a wrong"}));
  EXPECT_TRUE(perpetrator.commonestRanked && perpetrator.commonestFirst);
  // An adjective without plain synonyms is clued by the heads of similar senses.
  Sense respectful = Make("full of or exhibiting respect", 5);
  respectful.partOfSpeech = 2;
  respectful.similar = {"respecting", "honorific", "deferential"};
  EXPECT_EQ(Clues("respectful", {respectful}).meanings, Texts{"honorific, deferential"});
  // The commonest sense of a noun, else left without a clue, names its class; a rarer one does
  // not, nor does a class that says nothing.
  Sense warship = Make("a submersible warship", 7);
  warship.broader = {"craft", "warship"};
  const std::set<std::string> vessels{"craft", "warship", "ship"};
  const LemmaClues submarine = CluesOfLemma("warship", {warship}, blocked, vessels);
  EXPECT_EQ(submarine.meanings, Texts{"a kind of craft"});
  warship.broader = {"thing", "act"};
  EXPECT_TRUE(CluesOfLemma("warship", {warship}, blocked, vessels).meanings.empty());
  warship.tagCount = 2;
  warship.broader = {"craft"};
  EXPECT_TRUE(CluesOfLemma("warship", {warship}, blocked, vessels).meanings.empty());
  // A commonest sense that is unsavoury is barred from the first place and not counted.
  const LemmaClues barred = Clues("tapestry", {Make("a slut", 9), Make("a wall hanging", 1)});
  EXPECT_TRUE(barred.commonestBarred && !barred.commonestRanked);
  // A commonest sense with no clean clue leaves the first place to a rarer one.
  const LemmaClues lost = Clues("perpetrator", {Make("one who does a wrong", 1),
                                                Make("someone who perpetrates wrongdoing", 9)});
  EXPECT_TRUE(lost.commonestRanked && !lost.commonestFirst);
  const LemmaClues dropped = Clues("bassoonist", {Make("a musician who plays the bassoon"),
                                                  Make(std::string(130, 'x'))});
  EXPECT_TRUE(dropped.meanings.empty());
  EXPECT_EQ(dropped.wordReason, DropReason::Stem);
  EXPECT_EQ(dropped.dropped, (Dropped{1, 1, 0, 0}));
  // Long definitions are cut, and the same clue is kept once.
  const std::string longGloss =
      "large voracious aquatic reptile having a long snout with massive jaws and sharp teeth and "
      "a body covered with bony plates and scales; \"the crocodile lay still\"";
  EXPECT_EQ(Clues("crocodile", {Make(longGloss), Make(longGloss)}).meanings,
            Texts{"large voracious aquatic reptile"});
}

TEST_F(CluesOfLemmaTest, UnsavouryWordsAndSenses) {
  // The block list names the word: it goes, whatever its senses.
  EXPECT_EQ(Clues("sluttish", {Make("untidy")}).wordReason, DropReason::Unsavoury);
  EXPECT_TRUE(Clues("shitting", {Make("the elimination of waste")}).meanings.empty());
  // A labelled or blocked sense goes, the word keeps its others...
  const LemmaClues tapestry = Clues(
      "tapestry", {Make("vulgar talk", 0, {}, "o"), Make("insert the penis into"),
                   Make("an offensive term for a cloth"),
                   Make("a wall hanging of heavy handwoven fabric", 9)});
  EXPECT_EQ(tapestry.meanings, Texts{"a wall hanging of heavy handwoven fabric"});
  EXPECT_EQ(tapestry.dropped, (Dropped{0, 0, 0, 3}));
  // ...unless its most common sense is the offensive one.
  const LemmaClues dumbbell =
      Clues("dumbbell", {Make("a stupid person", 7, {}, "d"), Make("an exercising weight")});
  EXPECT_TRUE(dumbbell.meanings.empty());
  EXPECT_EQ(dumbbell.wordReason, DropReason::Unsavoury);
}

}  // namespace
}  // namespace sl::wordlists
