#pragma once
// Choosing the starter puzzles among generated ones so that they do not repeat themselves: no
// word in too many puzzles, no two puzzles alike, no word twice in one puzzle; the most familiar
// first.
#include <map>
#include <string>
#include <vector>

namespace sl::wordlists {

struct StarterRules {
  size_t wanted = 100;     // puzzles of one size
  int mostUsesOfWord = 4;  // puzzles a word may be in
  size_t mostShared = 3;   // words two puzzles may have in common
};

struct StarterCandidate {
  std::vector<std::string> words;  // word 1 first
  std::vector<std::string> links;  // the link positions between them
  double meanScore = 0;            // mean familiarity score of the words: smaller is easier
};

// The puzzles of one size taken so far.
class StarterSelection {
 public:
  explicit StarterSelection(StarterRules rules) : rules_(rules) {}

  // Offers candidates, most familiar first (ties by their words, so the order is fixed), and
  // takes each that keeps the rules, until enough are taken. Returns how many it took.
  size_t Offer(std::vector<StarterCandidate> candidates);

  bool Complete() const { return taken_.size() >= rules_.wanted; }
  // The words in at least `uses` of the taken puzzles, sorted.
  std::vector<std::string> UsedIn(int uses) const;
  // The taken puzzles, easier to harder.
  std::vector<StarterCandidate> Puzzles() const;

 private:
  bool Keeps(const StarterCandidate& candidate) const;

  StarterRules rules_;
  std::vector<StarterCandidate> taken_;
  std::map<std::string, int> uses_;
};

}  // namespace sl::wordlists
