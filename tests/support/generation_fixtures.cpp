#include "support/generation_fixtures.h"

#include <random>
#include <set>

#include "generation/link_rule.h"

namespace sl::test {

std::vector<std::string> RandomWords(uint32_t seed, int count, int width,
                                     const std::string& alphabet) {
  std::mt19937 engine(seed);
  std::set<std::string> words;
  while (static_cast<int>(words.size()) < count) {
    std::string word;
    for (int i = 0; i < width; ++i) word += alphabet[engine() % alphabet.size()];
    words.insert(word);
  }
  return {words.begin(), words.end()};
}

std::vector<std::string> NeverLinkingWords(int count) {
  std::vector<std::string> words;
  for (const std::string& tail : RandomWords(17, count, 5, "FGHIJKLMNOPQRSTUVWXYZ")) {
    words.push_back(tail.substr(0, 1) + "BCD" + tail.substr(1));
  }
  return words;
}

std::string WordFile(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += word + "\r\n";
  return text;
}

std::string ChainProblem(const PuzzleRecord& record) {
  const size_t size = static_cast<size_t>(record.size);
  if (record.words.size() != size || record.links.size() + 1 != size) return "wrong field count";
  for (const std::string& word : record.words) {
    if (word.size() != size) return word + " is not " + std::to_string(size) + " letters long";
  }
  for (size_t i = 0; i + 1 < size; ++i) {
    const Link link = FindLink(record.words[i], record.words[i + 1]);
    if (!link.Linked() || link.positions != record.links[i]) {
      return record.words[i] + " / " + record.words[i + 1] + ": link " + record.links[i] +
             " does not hold";
    }
  }
  return "";
}

}  // namespace sl::test
