#include "familiarity.h"

#include <algorithm>
#include <sstream>

#include "common/text_lines.h"
#include "generation/dictionary_words.h"

namespace sl::wordlists {

bool ReadScowlLevels(const std::string& folder, std::map<std::string, int>& levels,
                     std::string& error) {
  levels.clear();
  std::vector<std::string> lines;
  for (int level : kScowlLevels) {
    for (const char* list : {"english-words.", "american-words."}) {
      const std::string path = folder + "/" + list + std::to_string(level);
      if (!ReadLines(path, lines)) {
        error = "cannot read " + path;
        return false;
      }
      for (const std::string& word : lines) {
        if (!LowerLettersOnly(word)) continue;
        auto [at, added] = levels.emplace(word, level);
        if (!added) at->second = std::min(at->second, level);
      }
    }
  }
  return true;
}

bool ReadTagTotals(const std::string& path, std::map<std::string, int>& tags, std::string& error) {
  tags.clear();
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) {
    error = "cannot read " + path;
    return false;
  }
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::string senseKey;
    int number = 0, count = 0;
    if (!(in >> senseKey >> number >> count) || count < 0) continue;
    const size_t at = senseKey.find('%');
    if (at == std::string::npos || at == 0) continue;
    tags[senseKey.substr(0, at)] += count;
  }
  return true;
}

int ScoreOf(const std::map<std::string, int>& levels, const std::map<std::string, int>& tags,
            const std::string& word) {
  auto found = tags.find(word);
  return FamiliarityScore(LevelOf(levels, word), found == tags.end() ? 0 : found->second);
}

int FamiliarityScore(int level, int tags) {
  constexpr int kStep = 5, kMostSteps = 3;
  int steps = 0;
  for (int uses = tags + 1; uses >= 2 && steps < kMostSteps; uses /= 2) ++steps;
  return level - kStep * steps;
}

int LevelOf(const std::map<std::string, int>& levels, const std::string& word) {
  auto found = levels.find(word);
  return found == levels.end() ? kUnlistedLevel : found->second;
}

std::string ScoreDistribution(const std::vector<int>& scores) {
  constexpr int kBand = 5;
  std::map<int, int> bands;
  for (int score : scores) ++bands[std::max(0, score) / kBand * kBand];
  std::string text;
  for (const auto& [band, count] : bands) {
    text += (text.empty() ? "" : ", ") + std::to_string(band) + "-" +
            std::to_string(band + kBand - 1) + ": " + std::to_string(count);
  }
  return text;
}

}  // namespace sl::wordlists
