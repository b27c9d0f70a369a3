#include "clue_cut.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sl::wordlists {
namespace {

using Cuts = std::vector<std::string>;

TEST(ClueCuts, LongDefinitionsAreCutAtClauseBoundariesOnly) {
  const std::tuple<const char*, size_t, Cuts> kCases[] = {  // definition, limit, cuts
      {"grant credentials to", 40, {"grant credentials to"}},  // it fits: its own clue
      {"", 40, {}},
      // ";" ends a whole definition: those cuts come first, longest first.
      {"a statistic of how two variables co-vary; it can vary from -1 (perfect negative) to +1",
       70, {"a statistic of how two variables co-vary",
            "a statistic of how two variables co-vary; it can vary from -1"}},
      {"one part here; a second part there; and a third part that runs on", 40,
       {"one part here; a second part there", "one part here"}},
      // Before a bracketed aside, a relative clause or a participle phrase.
      {"a murderer (especially one who kills a public figure) who kills by surprise and for pay",
       70, {"a murderer (especially one who kills a public figure)", "a murderer"}},
      {"large voracious aquatic reptile having a long snout with massive jaws", 40,
       {"large voracious aquatic reptile"}},
      // A boundary inside brackets does not count, nor does a comma or a plain blank.
      {"a tool (used where space is tight; see also wrench) for turning nuts", 30, {}},
      {"evaluate or estimate the nature, quality, ability, extent, or significance of", 40, {}},
      // A cut never ends on a dangling word, nor leaves too little.
      {"the case indicating the agent or place of the action described by the (main) verb", 80,
       {}},
      {"a foe who acts against you", 15, {}},
      // A full stop ends a sentence; an abbreviation does not.
      {"A rare bird of Peru. Its nest is built of mud and moss", 30, {"A rare bird of Peru"}},
      {"a kind of plant e.g. fern or moss growing in damp places", 30, {}},
  };
  for (const auto& [definition, limit, expected] : kCases) {
    const Cuts cuts = ClueCuts(definition, limit);
    EXPECT_EQ(cuts, expected) << definition;
    for (const std::string& cut : cuts) EXPECT_LE(cut.size(), limit) << cut;
  }
}

TEST(WithoutLeakingAlternatives, TakesOutTheAlternativeThatLeaksWhenAWordRemains) {
  const auto leaks = [](const std::string& word) {
    return word.rfind("agricultur", 0) == 0 || word == "cohering" || word == "art" ||
           word == "artists" || word == "biology";
  };
  const std::pair<const char*, const char*> kCases[] = {
      {"promoting agriculture or farming", "promoting farming"},
      {"the state of cohering or sticking together", "the state of sticking together"},
      {"farming or agriculture; tillage", "farming; tillage"},
      {"relating to art or artists", "relating to art or artists"},  // both leak: nothing left
      {"pertaining to biology or to life", "pertaining to biology or to life"},  // "to" alone
      {"a plan or (agriculture) scheme", "a plan or (agriculture) scheme"},  // not a plain word
      {"to plough or agriculture", "to plough"},
      {"that inhibits agriculture or inhibits growth", "that inhibits agriculture or inhibits growth"},
  };
  for (const auto& [clue, pruned] : kCases) EXPECT_EQ(WithoutLeakingAlternatives(clue, leaks), pruned);
}

TEST(EndsOnDanglingWord, ArticlesConjunctionsAndPrepositions) {
  for (const char* dangling : {"described by the", "a member of", "tall and", "extent, or",
                               "a kind of a"}) {
    EXPECT_TRUE(EndsOnDanglingWord(dangling)) << dangling;
  }
  for (const char* whole : {"a kind of fern", "vitamin A", "between 20 and 30", "used (and)",
                            "theory", ""}) {
    EXPECT_FALSE(EndsOnDanglingWord(whole)) << whole;
  }
}

}  // namespace
}  // namespace sl::wordlists
