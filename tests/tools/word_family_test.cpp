// The answer's family, read from a tiny WordNet with derivation ("+") and antonym ("!")
// pointers and an exception list.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/temp_folder.h"
#include "support/wordnet_fixture.h"
#include "word_family.h"

namespace sl::wordlists {
namespace {

class WordFamilyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteWordNet(
        folder,
        {{"data.adj",
          {"00000100 00 a 01 disobedient 0 001 ! 00000200 a 0101 | not obeying commands",
           "00000200 00 a 01 obedient 0 003 ! 00000100 a 0101 + 00000300 n 0101 & 00000900 a 0000 "
           "| willing to obey",
           "00000900 00 s 02 docile(a) 0 meek 0 001 & 00000200 a 0000 | willing to be taught"}},
         {"data.noun",
          {"00000300 07 n 01 obedience 0 002 + 00000200 a 0101 + 00000400 v 0101 | compliance",
           "00000500 06 n 01 heliport 0 001 @ 00000800 n 0000 | an airport for helicopters",
           "00000800 06 n 01 airfield 0 000 | a place where planes take off",
           "00000600 06 n 01 mudguard 0 000 | a curved piece above a wheel",
           "00000700 06 n 01 therapist 0 000 | a person skilled in a therapy"}},
         {"data.verb", {"00000400 41 v 01 obey 0 001 + 00000300 n 0101 | do what is asked"}},
         {"index.adj", {"disobedient a 1 1 ! 1 0 00000100", "obedient a 1 3 ! + & 1 0 00000200",
                       "docile a 1 1 & 1 0 00000900", "meek a 1 1 & 1 0 00000900"}},
         {"index.noun",
          {"obedience n 1 1 + 1 0 00000300", "heliport n 1 1 @ 1 0 00000500",
           "mudguard n 1 0 1 0 00000600", "therapist n 1 0 1 0 00000700",
           "airfield n 1 0 1 0 00000800"}},
         {"index.verb", {"obey v 1 1 + 1 0 00000400"}},
         {"verb.exc", {"hid hide", "obeyed obey"}}});
    std::string error;
    ASSERT_TRUE(ReadWordNet(folder.Path(), lemmas, error)) << error;
    ASSERT_TRUE(ReadExceptions(folder.Path(), exceptions, error)) << error;
  }
  test::TempFolder folder;
  Lemmas lemmas;
  Exceptions exceptions;
  const std::set<std::string> known{"mud", "guard", "port", "the", "rapist", "air"};
};

TEST_F(WordFamilyTest, TheReaderKeepsEachSensesLinksByKind) {
  const Sense& obedient = lemmas.at("obedient").front();
  EXPECT_EQ(obedient.derived, std::vector<std::string>{"obedience"});
  EXPECT_EQ(obedient.antonyms, std::vector<std::string>{"disobedient"});
  EXPECT_EQ(obedient.similar, std::vector<std::string>{"docile"});
  EXPECT_EQ(lemmas.at("heliport").front().broader, std::vector<std::string>{"airfield"});
  EXPECT_TRUE(lemmas.at("heliport").front().derived.empty());
}

TEST_F(WordFamilyTest, DerivationAndAntonymLinksMakeTheFamily) {
  const WordFamilies families(lemmas, exceptions, known);
  // Without its negation DISOBEDIENT is OBEDIENT, two links from "obey".
  EXPECT_EQ(families.FamilyOf("disobedient"),
            (std::set<std::string>{"disobedient", "obedient", "obedience", "obey"}));
  // Two links at most: "disobedient" is three from "obey".
  EXPECT_EQ(families.FamilyOf("obey"), (std::set<std::string>{"obey", "obedience", "obedient"}));
}

TEST_F(WordFamilyTest, CluesUsingTheFamilyGiveTheAnswerAway) {
  const WordFamilies families(lemmas, exceptions, known);
  struct Case {
    const char* clue;
    const char* answer;
    bool givesAway;
  };
  const Case kCases[] = {
      {"not obeying commands", "obedient", true},        // -ing taken off: "obey"
      {"one who obeyed", "obedience", true},             // exception list
      {"willing to comply", "obedient", false},
      {"not suspicious", "unsuspecting", true},           // the rest after "un" begins alike
      {"not knowing or expecting", "unsuspecting", false},
      {"an airport for helicopters", "heliport", true},  // a compound's last part
      {"the rider is kept clean of mud", "mudguard", true},
      {"a person skilled in the treatment", "therapist", false},  // "the" is no part
  };
  for (const Case& c : kCases) {
    EXPECT_EQ(families.UsesFamilyWord(c.clue, c.answer), c.givesAway) << c.answer << ": " << c.clue;
  }
}

TEST_F(WordFamilyTest, BaseFormsUndoRegularEndingsAndIrregularForms) {
  const WordFamilies families(lemmas, exceptions, known);
  const std::pair<const char*, const char*> kFormToBase[] = {
      {"running", "run"}, {"parties", "party"}, {"boxes", "box"},   {"hoped", "hope"},
      {"hid", "hide"},     {"bigger", "big"},   {"firemen", "fireman"}, {"obeys", "obey"}};
  for (const auto& [form, base] : kFormToBase) {
    const std::vector<std::string> forms = families.BaseForms(form);
    EXPECT_NE(std::find(forms.begin(), forms.end(), base), forms.end()) << form;
  }
}

}  // namespace
}  // namespace sl::wordlists
