#pragma once
// The print window's range: what the player typed, checked against the puzzle file.
#include <cstdint>
#include <string>

namespace sl {

inline constexpr const char* kSpecifyPrintRange = "Specify print range";
inline constexpr const char* kPrintRangeNotCorrect = "Print range not correct";
inline constexpr const char* kRangeMessageStyle = "vbcritical+vbok";

struct PrintRangeChoice {
  int32_t first = 0;
  int32_t last = 0;
  // Empty when the range is good; otherwise the message that the window shows.
  std::string error;
};

// Reads "5-10": the number at the start of the text before the first "-" and the one at the
// start of the text after it (blanks before a number are skipped; no number reads as 0). An empty
// text, no "-", a number below 1 or first above last: "Specify print range". A first number past
// the file's puzzles: "Print range not correct"; a last number past them is accepted.
PrintRangeChoice ParsePrintRange(const std::string& text, int32_t puzzleCount);

// " 3 puzzles printed".
std::string PuzzlesPrintedText(int32_t printed);

// Where a range is saved as PDF unless the player says otherwise: the puzzle file's name without
// its extension, in its folder, followed by the range ("puzzles-5-10.pdf", "puzzles-7.pdf").
std::string DefaultPdfName(const std::string& puzzleFile, int32_t first, int32_t last);

// The same name with another extension (".ipuz"): the puzzle file's name up to its last ".",
// "-", the range, the extension; in the puzzle file's folder.
std::string NamedAfterPuzzleFile(const std::string& puzzleFile, int32_t first, int32_t last,
                                 const std::string& extension);

}  // namespace sl
