#include "clue_leak.h"

#include <gtest/gtest.h>

namespace sl::wordlists {
namespace {

TEST(RevealsWord, TheWordItsFormsAndItsStem) {
  // answer, clue: each clue gives its answer away
  const std::pair<const char*, const char*> kLeaks[] = {
      {"DOG", "a Dog of some kind"}, {"dog", "several dogs"},
      {"hop", "it was hopped over"},                  // doubled consonant
      {"dance", "while dancing"},                     // final e dropped
      {"cherry", "ripe cherries"},                    // y to ies
      {"thinker", "one who thinks"},                  // the word's own stem
      {"FRUGALLY", "in a frugal manner"},             // -ly
      {"BASSOONIST", "one who plays the bassoon"},    // -ist
      {"TENDONITIS", "inflammation of a tendon"},     // -itis
      {"CRITICIZE", "express criticism of"},          // a sister form: -ize and -ism
      {"TIDINESS", "the habit of being tidy"},        // -ness with y to i
      {"HAPPINESS", "being happy"},
      {"UNCRITICALLY", "as a critic would not"},      // affixes come off one after another
      {"DISABILITY", "the condition of being unable to perform"},  // -bil- for -ble, prefixes
      {"JOYFULLY", "with joy"},                       // a three-letter stem that is the clue's word
      {"ADDITION", "the act of adding one thing"},    // a three-letter stem both begin with
      {"DISARMING", "act of depriving of arms"},      // ... or one has after a prefix
      {"LOVINGLY", "with fondness; with love"},
      {"MOVEMENT", "the act of moving"},              // a root spelt in one of the two
      {"IMMATURITY", "not having reached maturity"},  // a prefix
      {"AMORALLY", "immorally"}, {"UNDISPUTED", "not subject to dispute"},
      {"PINCUSHION", "a small cushion for pins"},     // a part of a compound
      {"WINDMILL", "a mill powered by the wind"},
      {"CLAMBAKE", "a cookout where clams are cooked"},  // ... in another form
      {"SWIMSUIT", "a garment worn for swimming"}, {"KNITWEAR", "knitted clothing"},
      {"SHIPLOAD", "the cargo held by a ship"}, {"KNOWABLE", "capable of being known"},
      {"TENDONITIS", "tendinitis"},                   // another spelling
      {"ENDANGERED", "in danger of extinction"},      // most of the word
      {"ANESTHETIST", "anaesthetist"}, {"CARDIOGRAM", "electrocardiogram"},  // a spelling of it
  };
  for (const auto& [answer, clue] : kLeaks) EXPECT_TRUE(RevealsWord(clue, answer)) << answer;

  const std::pair<const char*, const char*> kClean[] = {
      {"cat", "a category of its own"},  // a short word inside another
      {"dog", "a domestic pet"}, {"anything", ""}, {"", "anything"},
      {"ACTIVITY", "the capacity to take part in a chemical reaction"},  // not made of "act"
      {"INFERIOR", "lower than a given reference point"},                // "fer" only
      {"OVERTIME", "work done over the usual hours"},  // function words are no compound parts
      {"COMFORTABLE", "able to relax"},                // nor suffixes final parts
      {"PERPETRATOR", "culprit"}, {"STATEROOM", "a guest cabin"},
  };
  for (const auto& [answer, clue] : kClean) EXPECT_FALSE(RevealsWord(clue, answer)) << answer;
}

}  // namespace
}  // namespace sl::wordlists
