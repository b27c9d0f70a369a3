#include "block_list.h"

#include <sstream>

#include "common/text_lines.h"
#include "word_text.h"

namespace sl::wordlists {

namespace {

bool AllLetters(std::string_view text) {
  if (text.empty()) return false;
  for (char ch : text) {
    if (!IsAsciiLetter(ch)) return false;
  }
  return true;
}

}  // namespace

bool BlockList::Pattern::Matches(const std::string& word) const {
  if (anyStart) return word.find(letters) != std::string::npos;
  if (anyEnd) return word.compare(0, letters.size(), letters) == 0;
  return word == letters;
}

bool BlockList::Read(const std::string& path, std::string& error) {
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) {
    error = "cannot read " + path;
    return false;
  }
  return Parse(lines, path, error);
}

bool BlockList::Parse(const std::vector<std::string>& lines, const std::string& name,
                      std::string& error) {
  entries_.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    std::istringstream in(lines[i].substr(0, lines[i].find('#')));
    Entry entry;
    std::string token;
    while (in >> token) {
      Pattern pattern;
      pattern.anyEnd = token.back() == '*';
      if (pattern.anyEnd) token.pop_back();
      pattern.anyStart = !token.empty() && token.front() == '*';
      if (pattern.anyStart) token.erase(0, 1);
      if (!AllLetters(token) || (pattern.anyStart && !pattern.anyEnd)) {
        error = name + ":" + std::to_string(i + 1) +
                ": an entry is a word, stem*, *part* or words in a row (letters only)";
        return false;
      }
      pattern.letters = Lower(token);
      entry.push_back(std::move(pattern));
    }
    if (!entry.empty()) entries_.push_back(std::move(entry));
  }
  return true;
}

bool BlockList::MatchesAt(const Entry& entry, const std::vector<std::string>& words,
                          size_t at) const {
  if (at + entry.size() > words.size()) return false;
  for (size_t k = 0; k < entry.size(); ++k) {
    if (!entry[k].Matches(words[at + k])) return false;
  }
  return true;
}

bool BlockList::BlocksWord(std::string_view word) const {
  const std::vector<std::string> words{Lower(word)};
  for (const Entry& entry : entries_) {
    if (entry.size() == 1 && MatchesAt(entry, words, 0)) return true;
  }
  return false;
}

bool BlockList::BlocksText(std::string_view text) const {
  const std::vector<std::string> words = LowerWordsOf(text);
  for (const Entry& entry : entries_) {
    for (size_t at = 0; at < words.size(); ++at) {
      if (MatchesAt(entry, words, at)) return true;
    }
  }
  return false;
}

}  // namespace sl::wordlists
