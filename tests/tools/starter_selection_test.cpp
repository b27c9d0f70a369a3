// Choosing starter puzzles: the most familiar first, no word in too many puzzles, no two alike.
#include <gtest/gtest.h>

#include "starter_selection.h"

namespace sl::wordlists {
namespace {

StarterCandidate Candidate(std::vector<std::string> words, double score) {
  return StarterCandidate{std::move(words), {}, score};
}

std::vector<std::vector<std::string>> WordsOf(const std::vector<StarterCandidate>& puzzles) {
  std::vector<std::vector<std::string>> words;
  for (const auto& puzzle : puzzles) words.push_back(puzzle.words);
  return words;
}

TEST(StarterSelection, TakesTheEasiestThatKeepTheRules) {
  StarterSelection selection(StarterRules{3, 2, 1});
  EXPECT_EQ(selection.Offer({
                Candidate({"A", "B", "C"}, 25),
                Candidate({"A", "D", "E"}, 10),
                Candidate({"F", "G", "F"}, 5),   // a word twice
                Candidate({"D", "E", "H"}, 20),  // shares two words with the easiest
                Candidate({"A", "H", "I"}, 30),  // A would be in three puzzles
            }),
            2u);
  EXPECT_FALSE(selection.Complete());
  EXPECT_EQ(selection.UsedIn(2), std::vector<std::string>{"A"});
  // A later offer goes on from what was taken.
  EXPECT_EQ(selection.Offer({Candidate({"J", "K", "A"}, 1), Candidate({"J", "K", "L"}, 40),
                             Candidate({"M", "N", "O"}, 50)}),
            1u);
  EXPECT_TRUE(selection.Complete());
  EXPECT_EQ(WordsOf(selection.Puzzles()),
            (std::vector<std::vector<std::string>>{{"A", "D", "E"}, {"A", "B", "C"},
                                                   {"J", "K", "L"}}));
}

}  // namespace
}  // namespace sl::wordlists
