#include "generation/meaning_text.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

namespace sl {

namespace {

bool IsLetter(char ch) { return std::isalpha(static_cast<unsigned char>(ch)) != 0; }

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

std::string TrimEnd(std::string_view text, std::string_view strip) {
  size_t end = text.find_last_not_of(strip);
  return end == std::string_view::npos ? "" : std::string(text.substr(0, end + 1));
}

// The forms of a word a clue must not show: the word with the usual endings, spelling changes
// included (final e dropped, y to i, final consonant doubled).
void AddForms(const std::string& word, std::vector<std::string>& forms) {
  static const char* const kEndings[] = {"", "s", "es", "ed", "d", "ing", "er", "ers", "ings"};
  for (const char* ending : kEndings) forms.push_back(word + ending);
  if (word.size() < 2) return;
  std::string stem = word.substr(0, word.size() - 1);
  char last = word.back();
  if (last == 'e') {
    for (const char* ending : {"ing", "er", "ers"}) forms.push_back(stem + ending);
  } else if (last == 'y') {
    for (const char* ending : {"ies", "ied", "ier", "iers"}) forms.push_back(stem + ending);
  } else if (!std::strchr("aeiouwxy", last)) {
    for (const char* ending : {"ed", "ing", "er", "ers"}) forms.push_back(word + last + ending);
  }
}

// When the word itself looks like such a form ("thinker", "dances"), its stems.
std::vector<std::string> Stems(const std::string& word) {
  std::vector<std::string> stems;
  for (const char* ending : {"ings", "ing", "ers", "er", "ed", "es", "s", "ies", "ied", "ier"}) {
    if (!EndsWith(word, ending)) continue;
    std::string stem = word.substr(0, word.size() - std::strlen(ending));
    if (stem.size() < 4) continue;
    stems.push_back(stem);
    if (ending[0] == 'i') stems.push_back(stem + "y");
    if (std::strcmp(ending, "s") != 0 && std::strcmp(ending, "es") != 0) stems.push_back(stem + "e");
    size_t n = stem.size();
    if (stem[n - 1] == stem[n - 2]) stems.push_back(stem.substr(0, n - 1));  // "running" -> run
  }
  return stems;
}

}  // namespace

std::string DefinitionOfGloss(std::string_view gloss) {
  std::string_view definition = gloss.substr(0, gloss.find('"'));
  std::string text;
  for (size_t i = 0; i < definition.size(); ++i) {
    char ch = definition[i];
    if (ch == '`') {  // `word' quoting: keep the word, lose the marks
      size_t close = definition.find('\'', i + 1);
      if (close != std::string_view::npos) {
        text.append(definition.substr(i + 1, close - i - 1));
        i = close;
        continue;
      }
    }
    if (std::isspace(static_cast<unsigned char>(ch))) {
      if (!text.empty() && text.back() != ' ') text.push_back(' ');
      continue;
    }
    text.push_back(ch);
  }
  return TrimEnd(text, " ;,:");
}

std::string ShortenClue(std::string_view text, size_t maxLength) {
  if (text.size() <= maxLength) return std::string(text);
  // Cutting between two definitions reads best, unless it leaves too little.
  size_t cut = text.rfind("; ", maxLength);
  if (cut == std::string_view::npos || cut < maxLength / 3) {
    cut = text.rfind(' ', maxLength);
    if (cut == std::string_view::npos) cut = maxLength;
  }
  std::string shortened = TrimEnd(text.substr(0, cut), " ;,:-(");
  // An unclosed bracket: drop what it opened, or close it when that would leave too little.
  for (;;) {
    auto opens = std::count(shortened.begin(), shortened.end(), '(');
    auto closes = std::count(shortened.begin(), shortened.end(), ')');
    if (opens <= closes) break;
    size_t open = shortened.rfind('(');
    if (open >= maxLength / 3) {
      shortened = TrimEnd(shortened.substr(0, open), " ;,:-(");
    } else {
      while (shortened.size() >= maxLength) {
        size_t blank = shortened.rfind(' ');
        if (blank == std::string::npos || blank <= open) break;
        shortened = TrimEnd(shortened.substr(0, blank), " ;,:-");
      }
      if (shortened.size() < maxLength) shortened.push_back(')');
      break;
    }
  }
  return shortened;
}

bool GivesWordAway(std::string_view text, std::string_view word) {
  std::string lowerWord = Lower(word);
  if (lowerWord.empty()) return false;
  std::vector<std::string> forms;
  AddForms(lowerWord, forms);
  for (const auto& stem : Stems(lowerWord)) AddForms(stem, forms);
  std::string lower = Lower(text);
  for (size_t i = 0; i < lower.size();) {
    if (!IsLetter(lower[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < lower.size() && IsLetter(lower[end])) ++end;
    std::string_view token(lower.data() + i, end - i);
    if (std::find(forms.begin(), forms.end(), token) != forms.end()) return true;
    // A longer word built on a word of five letters or more shows it as well ("absolutely").
    if (lowerWord.size() >= 5 && token.substr(0, lowerWord.size()) == lowerWord) return true;
    i = end;
  }
  return false;
}

TermMark MarkOfDefinition(std::string_view definition) {
  static const char* const kVulgar[] = {
      "obscene term", "obscene word", "obscene slang", "vulgar term", "vulgar word",
      "vulgar slang", "vulgar expression", "(vulgar", "(obscene",
  };
  static const char* const kOffensive[] = {
      "ethnic slur",          "(offensive",       "offensive term",    "offensive name",
      "offensive slang",      "offensive word",   "(derogatory",       "(often derogatory",
      "derogatory term",      "derogatory name",  "derogatory reference", "disparaging term",
      "disparaging name",     "(disparaging",     "contemptuous term",
  };
  std::string lower = Lower(definition);
  auto holdsAny = [&](const auto& marks) {
    return std::any_of(std::begin(marks), std::end(marks),
                       [&](const char* mark) { return lower.find(mark) != std::string::npos; });
  };
  if (holdsAny(kVulgar)) return TermMark::Vulgar;
  if (holdsAny(kOffensive)) return TermMark::Offensive;
  return TermMark::None;
}

}  // namespace sl
