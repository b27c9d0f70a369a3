#include "starter_selection.h"

#include <algorithm>
#include <set>

namespace sl::wordlists {

namespace {

bool Easier(const StarterCandidate& a, const StarterCandidate& b) {
  if (a.meanScore != b.meanScore) return a.meanScore < b.meanScore;
  return a.words < b.words;
}

}  // namespace

bool StarterSelection::Keeps(const StarterCandidate& candidate) const {
  const std::set<std::string> words(candidate.words.begin(), candidate.words.end());
  if (words.size() != candidate.words.size()) return false;  // a word twice
  for (const std::string& word : words) {
    auto used = uses_.find(word);
    if (used != uses_.end() && used->second >= rules_.mostUsesOfWord) return false;
  }
  for (const StarterCandidate& other : taken_) {
    size_t shared = 0;
    for (const std::string& word : other.words) shared += words.count(word);
    if (shared > rules_.mostShared) return false;
  }
  return true;
}

size_t StarterSelection::Offer(std::vector<StarterCandidate> candidates) {
  std::sort(candidates.begin(), candidates.end(), Easier);
  size_t took = 0;
  for (StarterCandidate& candidate : candidates) {
    if (Complete()) break;
    if (!Keeps(candidate)) continue;
    for (const std::string& word : candidate.words) ++uses_[word];
    taken_.push_back(std::move(candidate));
    ++took;
  }
  return took;
}

std::vector<std::string> StarterSelection::UsedIn(int least) const {
  std::vector<std::string> words;
  for (const auto& [word, uses] : uses_) {
    if (uses >= least) words.push_back(word);
  }
  return words;
}

std::vector<StarterCandidate> StarterSelection::Puzzles() const {
  std::vector<StarterCandidate> puzzles = taken_;
  std::stable_sort(puzzles.begin(), puzzles.end(), Easier);
  return puzzles;
}

}  // namespace sl::wordlists
