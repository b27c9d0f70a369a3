#include "generation/meaning_text.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

TEST(DefinitionOfGloss, KeepsTheDefinitionWithoutExamplesOrQuoting) {
  EXPECT_EQ(DefinitionOfGloss("(usually followed by `to') having the means;  \"able to swim\"; "
                              "\"she was able\"  "),
            "(usually followed by to) having the means");
  EXPECT_EQ(DefinitionOfGloss("go;\tleave,  depart; \"go away\""), "go; leave, depart");
  EXPECT_EQ(DefinitionOfGloss("\"only an example\""), "");
  EXPECT_EQ(DefinitionOfGloss("the `unclosed mark"), "the `unclosed mark");
}

TEST(ShortenClue, CutsAtABoundaryWithinTheLimit) {
  EXPECT_EQ(ShortenClue("short", 20), "short");
  // Between two definitions when the first is long enough.
  EXPECT_EQ(ShortenClue("a fairly long first part; then a second part", 30),
            "a fairly long first part");
  // Otherwise at the last blank that fits, without dangling punctuation.
  EXPECT_EQ(ShortenClue("one two, three four", 12), "one two");
  EXPECT_EQ(ShortenClue("abcdefghijklmnop", 10), "abcdefghij");
  // A bracket opened late is dropped; one opened early is closed; a leading one stays.
  EXPECT_EQ(ShortenClue("a long enough definition (with an aside that runs on)", 40),
            "a long enough definition");
  EXPECT_EQ(ShortenClue("(medicine) any disturbance of an organ", 30),
            "(medicine) any disturbance of");
  EXPECT_EQ(ShortenClue("a (remark that runs on and on and on)", 20), "a (remark that runs)");
  for (size_t limit : {5u, 12u, 25u, 120u}) {
    EXPECT_LE(ShortenClue("x (aa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu vv "
                          "ww xx yy zz) and more; and more still",
                          limit)
                  .size(),
              limit);
  }
}

TEST(GivesWordAway, TheWordAndItsObviousForms) {
  EXPECT_TRUE(GivesWordAway("a Dog of some kind", "DOG"));
  EXPECT_TRUE(GivesWordAway("several dogs", "dog"));
  EXPECT_TRUE(GivesWordAway("it was hopped over", "hop"));  // doubled consonant
  EXPECT_TRUE(GivesWordAway("while dancing", "dance"));     // final e dropped
  EXPECT_TRUE(GivesWordAway("ripe cherries", "cherry"));    // y to ies
  EXPECT_TRUE(GivesWordAway("one who thinks", "thinker"));  // the word's own stem
  EXPECT_TRUE(GivesWordAway("absolutely so", "absolute"));  // built on a long word
  EXPECT_FALSE(GivesWordAway("a category", "cat"));         // a short word inside another
  EXPECT_FALSE(GivesWordAway("a domestic pet", "dog"));
  EXPECT_FALSE(GivesWordAway("anything", ""));
}

TEST(MarkOfDefinition, OffensiveAndVulgarTerms) {
  EXPECT_EQ(MarkOfDefinition("(ethnic slur) a term for someone"), TermMark::Offensive);
  EXPECT_EQ(MarkOfDefinition("an Offensive Term for a person"), TermMark::Offensive);
  EXPECT_EQ(MarkOfDefinition("a disparaging term for an appointee"), TermMark::Offensive);
  EXPECT_EQ(MarkOfDefinition("vulgar slang for something"), TermMark::Vulgar);
  EXPECT_EQ(MarkOfDefinition("obscene terms for something"), TermMark::Vulgar);
  EXPECT_EQ(MarkOfDefinition("(military) an offensive against an enemy"), TermMark::None);
  EXPECT_EQ(MarkOfDefinition("the quality of being offensive"), TermMark::None);
}

}  // namespace
}  // namespace sl
