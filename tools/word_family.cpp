#include "word_family.h"

#include <algorithm>

#include "word_text.h"

namespace sl::wordlists {

namespace {

constexpr size_t kLeastAfterPrefix = 5;
constexpr size_t kNegatedHead = 4;  // letters a clue word shares with the negated answer's rest
constexpr size_t kShortestPart = 3;
constexpr size_t kLongPart = 4;     // a part this long also shows inside a longer clue word

const char* const kNegations[] = {"anti", "dis", "non", "mis", "un", "in", "im", "ir", "il", "de"};

// Short words that split many answers by chance ("the" in THERAPIST) and endings that read as
// words ("able", "less"): never parts of a compound.
bool IsNoPart(const std::string& part) {
  static const std::set<std::string> kWords = {
      "the", "and", "for", "her", "his", "our", "you", "not", "any", "one", "out", "are", "was",
      "can", "its", "own", "all", "how", "who", "per", "ate", "era", "able", "less", "ness",
      "ment", "ship", "hood", "ward", "wise", "like", "some", "ance", "ence", "tion", "sion",
      "ally", "ting", "ring", "ling", "ions", "ates", "ated"};
  return kWords.count(part) > 0;
}

bool IsConsonant(char ch) { return std::string_view("aeiou").find(ch) == std::string_view::npos; }

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string WithoutNegation(const std::string& answer) {
  for (std::string_view prefix : kNegations) {
    if (answer.size() >= prefix.size() + kLeastAfterPrefix &&
        answer.compare(0, prefix.size(), prefix) == 0) {
      return answer.substr(prefix.size());
    }
  }
  return "";
}

WordFamilies::WordFamilies(const Lemmas& lemmas, const Exceptions& exceptions,
                           const std::set<std::string>& knownWords)
    : lemmas_(lemmas), exceptions_(exceptions), knownWords_(knownWords) {}

std::set<std::string> WordFamilies::FamilyOf(const std::string& lemma) const {
  std::set<std::string> family{lemma};
  const std::string rest = WithoutNegation(lemma);
  if (!rest.empty()) family.insert(rest);
  // An antonym is family only when a negation makes one of the other (OBEDIENT, DISOBEDIENT),
  // not when it is another word (LEADER for FOLLOWER).
  auto lemmaSenses = lemmas_.find(lemma);
  if (lemmaSenses != lemmas_.end()) {
    for (const Sense& sense : lemmaSenses->second) {
      for (const std::string& antonym : sense.antonyms) {
        if (antonym == rest || WithoutNegation(antonym) == lemma) family.insert(antonym);
      }
    }
  }
  std::vector<std::string> pending(family.begin(), family.end());
  for (int step = 0; step < 2; ++step) {
    std::vector<std::string> next;
    for (const std::string& word : pending) {
      auto found = lemmas_.find(word);
      if (found == lemmas_.end()) continue;
      for (const Sense& sense : found->second) {
        for (const std::string& related : sense.derived) {
          if (family.insert(related).second) next.push_back(related);
        }
      }
    }
    pending = std::move(next);
  }
  return family;
}

std::vector<std::string> WordFamilies::BaseForms(const std::string& word) const {
  static const std::pair<const char*, const char*> kEndings[] = {
      {"s", ""},   {"es", ""},  {"es", "e"}, {"ies", "y"}, {"ed", ""},  {"ed", "e"},
      {"ing", ""}, {"ing", "e"}, {"er", ""},  {"er", "e"},  {"est", ""}, {"est", "e"},
      {"men", "man"}, {"ied", "y"}};
  std::vector<std::string> forms{word};
  auto found = exceptions_.find(word);
  if (found != exceptions_.end()) forms.insert(forms.end(), found->second.begin(), found->second.end());
  for (const auto& [ending, base] : kEndings) {
    if (!EndsWith(word, ending) || word.size() < std::string_view(ending).size() + kShortestPart) {
      continue;
    }
    std::string stem = word.substr(0, word.size() - std::string_view(ending).size());
    forms.push_back(stem + base);
    const size_t n = stem.size();
    if (*base == '\0' && n >= 2 && stem[n - 1] == stem[n - 2] && IsConsonant(stem[n - 1])) {
      forms.push_back(stem.substr(0, n - 1));  // running -> run
    }
  }
  return forms;
}

std::vector<std::string> WordFamilies::CompoundParts(const std::string& answer) const {
  std::vector<std::string> parts;
  auto usable = [&](const std::string& part) {
    return part.size() >= kShortestPart && knownWords_.count(part) > 0 && !IsNoPart(part);
  };
  for (size_t at = kShortestPart; at + kShortestPart <= answer.size(); ++at) {
    const std::string head = answer.substr(0, at), tail = answer.substr(at);
    const bool headWord = usable(head), tailWord = usable(tail);
    if (headWord && tailWord) {
      parts.push_back(head);  // MUDGUARD: "mud" and "guard"
      parts.push_back(tail);
    } else if (tailWord && tail.size() >= kLongPart) {
      parts.push_back(tail);  // HELIPORT: "port"
    }
  }
  return parts;
}

bool WordFamilies::UsesFamilyWord(std::string_view clue, const std::string& answerText) const {
  const std::string answer = Lower(answerText);
  const std::set<std::string> family = FamilyOf(answer);
  const std::string rest = WithoutNegation(answer);
  const std::vector<std::string> parts = CompoundParts(answer);
  for (const std::string& word : LowerWordsOf(clue)) {
    for (const std::string& form : BaseForms(word)) {
      if (family.count(form) > 0) return true;
      if (std::find(parts.begin(), parts.end(), form) != parts.end()) return true;
    }
    if (!rest.empty() && word.size() >= kNegatedHead &&
        word.compare(0, kNegatedHead, rest, 0, kNegatedHead) == 0) {
      return true;
    }
    for (const std::string& part : parts) {
      if (part.size() < kLongPart || word.size() <= part.size()) continue;
      if (word.compare(0, part.size(), part) == 0 ||
          word.compare(word.size() - part.size(), part.size(), part) == 0) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace sl::wordlists
