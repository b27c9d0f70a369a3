#include "gloss_errata.h"

#include "common/text_lines.h"

namespace sl::wordlists {

bool GlossErrata::Read(const std::string& path, std::string& error) {
  std::vector<std::string> lines;
  if (!ReadLines(path, lines)) {
    error = "cannot read " + path;
    return false;
  }
  return Parse(lines, path, error);
}

bool GlossErrata::Parse(const std::vector<std::string>& lines, const std::string& name,
                        std::string& error) {
  corrections_.clear();
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = lines[i].substr(0, lines[i].find('#'));
    const size_t end = line.find_last_not_of(" \t");
    if (end == std::string::npos) continue;
    line.erase(end + 1);
    const size_t bar = line.find('|');
    if (bar == 0 || bar == std::string::npos || line.find('|', bar + 1) != std::string::npos) {
      error = name + ":" + std::to_string(i + 1) + ": a correction is: wrong text|right text";
      return false;
    }
    corrections_.emplace_back(line.substr(0, bar), line.substr(bar + 1));
  }
  return true;
}

std::string GlossErrata::Corrected(std::string gloss) const {
  for (const auto& [wrong, right] : corrections_) {
    for (size_t at = gloss.find(wrong); at != std::string::npos;
         at = gloss.find(wrong, at + right.size())) {
      gloss.replace(at, wrong.size(), right);
    }
  }
  return gloss;
}

}  // namespace sl::wordlists
