#include "clue_cut.h"

#include <algorithm>
#include <iterator>

#include "word_text.h"

namespace sl::wordlists {

namespace {

bool StartsWith(std::string_view text, size_t at, std::string_view start) {
  return text.substr(at, start.size()) == start;
}

// The word just before position `at`, as written.
std::string_view WordBefore(std::string_view text, size_t at) {
  size_t begin = at;
  while (begin > 0 && IsAsciiLetter(text[begin - 1])) --begin;
  return text.substr(begin, at - begin);
}

// A "." at `at` that ends a sentence, not an abbreviation such as "e.g." or "etc.".
bool IsFullStop(std::string_view text, size_t at) {
  if (!StartsWith(text, at, ". ")) return false;
  std::string_view word = WordBefore(text, at);
  return word.size() >= 3 && word != "etc" && word != "esp" && word != "approx";
}

// True when a cut may end just before position `at` of the text (outside brackets).
bool IsBoundary(std::string_view text, size_t at) {
  if (text[at] == ';' || IsFullStop(text, at)) return true;
  if (text[at] != ' ') return false;
  for (std::string_view next : {" (", " that ", " which ", " who ", " whose ", " having ",
                                " consisting ", " containing ", " characterized "}) {
    if (StartsWith(text, at, next)) return true;
  }
  return false;
}

std::string TrimEnd(std::string_view text) {
  size_t end = text.find_last_not_of(" ;,:-");
  return end == std::string_view::npos ? "" : std::string(text.substr(0, end + 1));
}

}  // namespace

bool EndsOnDanglingWord(std::string_view text) {
  static const char* const kDangling[] = {
      "a",    "an",    "the",  "and",   "or",    "nor",   "but",  "of",   "to",      "by",
      "in",   "on",    "at",   "for",   "from",  "with",  "into", "onto", "as",      "than",
      "its",  "their", "his",  "her",   "our",   "your",  "this", "these", "those",  "such",
      "very", "that",  "which", "who",  "whose", "is",    "are",  "was",  "be",      "being",
      "not",  "between", "without", "about", "over", "under", "through",
  };
  size_t end = text.size();
  while (end > 0 && !IsAsciiLetter(text[end - 1])) {
    // A word followed by digits or a closing bracket is not the last word.
    if ((text[end - 1] >= '0' && text[end - 1] <= '9') || text[end - 1] == ')') return false;
    --end;
  }
  std::string_view last = WordBefore(text, end);
  return std::any_of(std::begin(kDangling), std::end(kDangling),
                     [&](const char* word) { return last == word; });
}

std::vector<std::string> ClueCuts(std::string_view definition, size_t maxLength) {
  if (definition.size() <= maxLength) {
    return definition.empty() ? std::vector<std::string>{}
                              : std::vector<std::string>{std::string(definition)};
  }
  std::vector<std::string> atSemicolons, atOthers;
  int depth = 0;
  for (size_t at = 0; at < definition.size() && at <= maxLength; ++at) {
    char ch = definition[at];
    if (ch == '(') ++depth;
    if (ch == ')') depth = std::max(0, depth - 1);
    if (depth != 0 || !IsBoundary(definition, at)) continue;
    std::string cut = TrimEnd(definition.substr(0, at));
    if (cut.size() < kShortestCut || EndsOnDanglingWord(cut)) continue;
    (ch == ';' ? atSemicolons : atOthers).push_back(std::move(cut));
  }
  std::vector<std::string> cuts(atSemicolons.rbegin(), atSemicolons.rend());
  for (auto cut = atOthers.rbegin(); cut != atOthers.rend(); ++cut) {
    if (std::find(cuts.begin(), cuts.end(), *cut) == cuts.end()) cuts.push_back(*cut);
  }
  return cuts;
}

namespace {

// A token that is a plain word, with at most a comma or semicolon after it.
bool IsPlainToken(const std::string& token, bool trailingMarkAllowed) {
  size_t end = token.size();
  if (trailingMarkAllowed && end > 0 && (token[end - 1] == ',' || token[end - 1] == ';')) --end;
  if (end == 0) return false;
  for (size_t i = 0; i < end; ++i) {
    if (!IsAsciiLetter(token[i]) && token[i] != '-') return false;
  }
  static const char* const kLinkWords[] = {"to", "in", "of", "by", "for", "with", "the", "a",
                                           "an", "as", "at", "on", "or", "and", "not", "from"};
  for (const char* word : kLinkWords) {
    if (token.compare(0, end, word) == 0 && std::string_view(word).size() == end) return false;
  }
  return true;
}

}  // namespace

std::string WithoutLeakingAlternatives(std::string_view clue,
                                       const std::function<bool(const std::string&)>& leaks) {
  std::vector<std::string> tokens;
  for (size_t at = 0; at < clue.size();) {
    const size_t end = std::min(clue.find(' ', at), clue.size());
    if (end > at) tokens.emplace_back(clue.substr(at, end - at));
    at = end + 1;
  }
  for (size_t i = 1; i + 1 < tokens.size(); ++i) {
    if (tokens[i] != "or") continue;
    const std::string& left = tokens[i - 1];
    const std::string& right = tokens[i + 1];
    if (!IsPlainToken(left, false) || !IsPlainToken(right, true)) continue;
    const std::string rightWord = right.substr(0, right.find_first_of(",;"));
    const bool leftLeaks = leaks(left), rightLeaks = leaks(rightWord);
    if (leftLeaks == rightLeaks) continue;
    std::vector<std::string> shorter = tokens;
    const auto at = shorter.begin() + static_cast<std::ptrdiff_t>(i);
    // The place taken out now lies between tokens join - 1 and join.
    size_t join = i;
    if (leftLeaks) {
      shorter.erase(at - 1, at + 1);
      join = i - 1;
    } else {
      shorter[i - 1] += right.substr(rightWord.size());  // the mark after the dropped word
      shorter.erase(at, at + 2);
    }
    // "inhibits oxidation or inhibits reactions" are alternatives of two words: taking out one
    // word would leave "inhibits inhibits".
    if (join >= 1 && join < shorter.size() && shorter[join - 1] == shorter[join]) continue;
    tokens = std::move(shorter);
    i = 0;  // look again from the start
  }
  std::string text;
  for (const std::string& token : tokens) text += (text.empty() ? "" : " ") + token;
  return text;
}

}  // namespace sl::wordlists
