#include "gloss_errata.h"
#include "gloss_text.h"

#include <gtest/gtest.h>

namespace sl::wordlists {
namespace {

TEST(DefinitionOfGloss, KeepsTheDefinitionWithoutExamplesOrQuoting) {
  EXPECT_EQ(DefinitionOfGloss("(usually followed by `to') having the means;  \"able to swim\"; "
                              "\"she was able\"  "),
            "(usually followed by to) having the means");
  EXPECT_EQ(DefinitionOfGloss("go;\tleave,  depart; \"go away\""), "go; leave, depart");
  EXPECT_EQ(DefinitionOfGloss("\"only an example\""), "");
  EXPECT_EQ(DefinitionOfGloss("the `unclosed mark"), "the `unclosed mark");
  // The lead-in to the examples goes with them.
  EXPECT_EQ(DefinitionOfGloss("of a path e.g.; \"meandering streams\""), "of a path");
  EXPECT_EQ(DefinitionOfGloss("in a way, as in; \"as in the old days\""), "in a way");
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

TEST(HasLifeDates, DatesOfALifeOrPeriodOnly) {
  for (const char* dated : {"English architect (1723-1796)", "British stateswoman (born in 1925)",
                            "Greek philosopher (384-322 BC)", "an English poet (died 1601)",
                            "a tribunal (1232-1820) created to suppress heresy"}) {
    EXPECT_TRUE(HasLifeDates(dated)) << dated;
  }
  for (const char* plain : {"an arthropod of 15 to 173 segments (10-15 cm long)",
                            "a period (about 266 days in humans)", "a year (1990)",
                            "the 20th century (1901-2000 inclusive)", "an unclosed (1723-1796"}) {
    EXPECT_FALSE(HasLifeDates(plain)) << plain;
  }
}

TEST(WithoutUsageNote, DropsANoteOnUsageButKeepsAFieldOrWhatTheWordAppliesTo) {
  const std::pair<const char*, const char*> kCases[] = {
      {"(used as intensives reflecting the speaker's attitude) it is sincerely the case that",
       "it is sincerely the case that"},
      {"(often followed by of) not knowing or expecting", "not knowing or expecting"},
      {"(usually plural): the goods", "the goods"},
      {"(law) a rule of conduct", "(law) a rule of conduct"},
      {"(of hair) having curls", "(of hair) having curls"},
      {"(used) ok", "(used) ok"},  // too little would be left
      {"(used as intensives without its end", "(used as intensives without its end"},
      {"a rule (used in law)", "a rule (used in law)"},
  };
  for (const auto& [definition, clue] : kCases) EXPECT_EQ(WithoutUsageNote(definition), clue);
}

TEST(GlossErrata, CorrectsEveryPlaceAndRejectsALineWithoutABar) {
  GlossErrata errata;
  std::string error;
  ASSERT_TRUE(errata.Parse({"# typos", "", "a substances that|a substance that  # TINCTURE"},
                           "errata", error))
      << error;
  EXPECT_EQ(errata.Corrected("a substances that colors; a substances that stains"),
            "a substance that colors; a substance that stains");
  EXPECT_FALSE(errata.Parse({"fine|right", "no bar here"}, "errata", error));
  EXPECT_EQ(error, "errata:2: a correction is: wrong text|right text");
}

}  // namespace
}  // namespace sl::wordlists
