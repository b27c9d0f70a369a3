#include "gloss_text.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

#include "word_text.h"

namespace sl::wordlists {

namespace {

std::string TrimEnd(std::string_view text, std::string_view strip) {
  size_t end = text.find_last_not_of(strip);
  return end == std::string_view::npos ? "" : std::string(text.substr(0, end + 1));
}

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The length of the run of digits at the start of the text.
size_t DigitsAt(std::string_view text) {
  size_t n = 0;
  while (n < text.size() && IsDigit(text[n])) ++n;
  return n;
}

// True when the text is a year of 3 or 4 digits, optionally followed by " BC" or " AD".
bool IsYear(std::string_view text) {
  size_t digits = DigitsAt(text);
  if (digits < 3 || digits > 4) return false;
  text.remove_prefix(digits);
  return text.empty() || text == " BC" || text == " AD";
}

// A bracket's inside that dates a life or a period and says nothing else: "1723-1796",
// "384-322 BC", or a year after "born", "died", "flourished" or "circa" (with "in" or "around").
bool IsDating(std::string_view inside) {
  for (std::string_view lead : {"born ", "died ", "flourished ", "circa "}) {
    if (inside.substr(0, lead.size()) != lead) continue;
    inside.remove_prefix(lead.size());
    for (std::string_view filler : {"in ", "around ", "about "}) {
      if (inside.substr(0, filler.size()) == filler) inside.remove_prefix(filler.size());
    }
    return IsYear(inside);
  }
  size_t dash = inside.find('-');
  return dash != std::string_view::npos && IsYear(inside.substr(0, dash)) &&
         IsYear(inside.substr(dash + 1));
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
  // The words that led into the examples go with them ("of a path e.g.").
  std::string definitionText = TrimEnd(text, " ;,:");
  for (std::string_view lead : {" e.g.", " i.e.", " for example", " as in"}) {
    const size_t n = definitionText.size();
    if (n > lead.size() && definitionText.compare(n - lead.size(), lead.size(), lead) == 0) {
      definitionText = TrimEnd(definitionText.substr(0, n - lead.size()), " ;,:");
    }
  }
  return definitionText;
}

std::string WithoutUsageNote(std::string_view definition) {
  static const std::set<std::string> kUsageWords = {
      "used", "usually", "often", "sometimes", "followed", "preceded", "plural", "singular",
      "informal", "colloquial", "always", "normally", "chiefly", "mostly", "frequently", "rarely",
      "with", "also", "esp", "especially"};
  constexpr size_t kShortestRest = 3;
  if (definition.empty() || definition[0] != '(') return std::string(definition);
  const size_t close = definition.find(')');
  if (close == std::string_view::npos) return std::string(definition);
  const std::vector<std::string> noteWords = LowerWordsOf(definition.substr(1, close - 1));
  std::string_view rest = definition.substr(close + 1);
  while (!rest.empty() && (rest[0] == ' ' || rest[0] == ':' || rest[0] == ',')) rest.remove_prefix(1);
  if (noteWords.empty() || kUsageWords.count(noteWords[0]) == 0 || rest.size() < kShortestRest) {
    return std::string(definition);
  }
  return std::string(rest);
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
      "disparaging name",     "(disparaging",     "contemptuous term", "(sometimes offensive",
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

bool HasLifeDates(std::string_view definition) {
  for (size_t open = definition.find('('); open != std::string_view::npos;
       open = definition.find('(', open + 1)) {
    size_t close = definition.find(')', open + 1);
    if (close == std::string_view::npos) return false;
    if (IsDating(definition.substr(open + 1, close - open - 1))) return true;
  }
  return false;
}

}  // namespace sl::wordlists
