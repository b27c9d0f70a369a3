#include "puzzle/wrap_text.h"

namespace sl {
namespace {

// Blank, tab, CR, LF and every other control character end a word.
bool EndsWord(char ch) { return static_cast<unsigned char>(ch) <= ' '; }

std::string TrimBlanks(const std::string& line) {
  size_t first = line.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  size_t last = line.find_last_not_of(' ');
  return line.substr(first, last - first + 1);
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, Surface& surface, int width) {
  if (text.find('\r') == std::string::npos && surface.TextWidth(text) <= width) return {text};

  std::vector<std::string> lines(1);
  int lineWidth = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && !EndsWord(text[end])) ++end;
    const std::string word = text.substr(pos, end - pos);
    // Tested for the first word too: a word wider than the width gets a line of its own.
    if (lineWidth + surface.TextWidth(word) > width) lines.emplace_back();
    lines.back() += word;
    lineWidth = surface.TextWidth(lines.back());

    for (pos = end; pos < text.size() && EndsWord(text[pos]); ++pos) {
      const char ch = text[pos];
      if (ch == ' ' || ch == '\t') {
        lines.back() += ' ';
        lineWidth = surface.TextWidth(lines.back());
      } else if (ch == '\r') {
        lines.emplace_back();
        lineWidth = 0;
      }
    }
  }
  for (std::string& line : lines) line = TrimBlanks(line);
  return lines;
}

}  // namespace sl
