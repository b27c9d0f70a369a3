#include "generation/dictionary_words.h"

#include <algorithm>

namespace sl {

bool LowerLettersOnly(const std::string& word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; });
}

std::vector<std::string> DictionaryWordsOf(
    const std::vector<std::string>& wordList,
    const std::function<bool(const std::string&)>& keep) {
  std::vector<std::string> words;
  for (const auto& word : wordList) {
    if (word.size() < kShortestPuzzleWord || word.size() > kLongestPuzzleWord) continue;
    if (!LowerLettersOnly(word) || (keep && !keep(word))) continue;
    std::string upper = word;
    for (char& ch : upper) ch = static_cast<char>(ch - 'a' + 'A');
    words.push_back(std::move(upper));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

}  // namespace sl
