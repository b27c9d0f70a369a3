#include "output/print_range.h"

#include "common/files.h"
#include "common/numbers.h"

namespace sl {
namespace {

// The whole number a text starts with, read the lenient way.
int32_t LeadingNumber(const std::string& text) { return RoundHalfEven(Val(text)); }

bool AllBlank(const std::string& text) {
  return text.find_first_not_of(" \t") == std::string::npos;
}

}  // namespace

PrintRangeChoice ParsePrintRange(const std::string& text, int32_t puzzleCount) {
  PrintRangeChoice choice;
  const size_t dash = text.find('-');
  if (AllBlank(text) || dash == std::string::npos) {
    choice.error = kSpecifyPrintRange;
    return choice;
  }
  choice.first = LeadingNumber(text.substr(0, dash));
  choice.last = LeadingNumber(text.substr(dash + 1));
  if (choice.first < 1 || choice.last < 1 || choice.first > choice.last) {
    choice.error = kSpecifyPrintRange;
  } else if (choice.first > puzzleCount) {
    choice.error = kPrintRangeNotCorrect;
  }
  return choice;
}

std::string PuzzlesPrintedText(int32_t printed) { return Str(printed) + " puzzles printed"; }

std::string NamedAfterPuzzleFile(const std::string& puzzleFile, int32_t first, int32_t last,
                                 const std::string& extension) {
  const std::string name = FileNameOf(puzzleFile);
  const std::string folder = puzzleFile.substr(0, puzzleFile.size() - name.size());
  const size_t dot = name.rfind('.');
  std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  if (stem.empty()) stem = "puzzles";
  std::string range = std::to_string(first);
  if (last != first) range += "-" + std::to_string(last);
  return folder + stem + "-" + range + extension;
}

std::string DefaultPdfName(const std::string& puzzleFile, int32_t first, int32_t last) {
  return NamedAfterPuzzleFile(puzzleFile, first, last, ".pdf");
}

}  // namespace sl
