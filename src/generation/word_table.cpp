#include "generation/word_table.h"

#include <tuple>

#include "generation/text_case.h"

namespace sl {
namespace {

// Ordering ignores case the way the game's sorted lists do: both sides in upper case, the
// accented letters of the code page included.
unsigned char Fold(char c) { return static_cast<unsigned char>(UpperCp1252(c)); }

bool FitsRecord(const std::string& word) {
  return word.find_first_of(" ,;") == std::string::npos;
}

// Bytes first..first+7 of the word (zero past its end); little-endian puts byte 0 lowest,
// big-endian puts it highest so that integer order is text order.
uint64_t Pack(const std::string& word, size_t first, bool bigEndian, bool fold) {
  uint64_t value = 0;
  for (size_t i = 0; i < 8; ++i) {
    const size_t at = first + i;
    const unsigned char byte =
        at < word.size() ? (fold ? Fold(word[at]) : static_cast<unsigned char>(word[at])) : 0;
    value |= static_cast<uint64_t>(byte) << (bigEndian ? 8 * (7 - i) : 8 * i);
  }
  return value;
}

// High bit of byte i of each half set for every column i that may link: from column 2 on, within
// the word, not "A" or "E".
uint64_t AllowedColumns(const char* letters, int width, int first) {
  uint64_t mask = 0;
  for (int i = 0; i < 8; ++i) {
    const int column = first + i;
    if (column < 1 || column >= width) continue;
    const char c = letters[column];
    if (c != 'A' && c != 'E') mask |= 0x80ULL << (8 * i);
  }
  return mask;
}

}  // namespace

WordTable::WordTable(const std::vector<std::string>& words, int width) : width_(width) {
  for (const std::string& word : words) {
    if (static_cast<int>(word.size()) != width || width > kMaxRowWidth || !FitsRecord(word)) {
      continue;
    }
    words_.push_back(word);
    rows_.push_back({Pack(word, 0, false, false), Pack(word, 8, false, false)});
    foldedKeys_.push_back({Pack(word, 0, true, true), Pack(word, 8, true, true)});
  }
  IndexColumns();
}

void WordTable::IndexColumns() {
  blocks_ = (Count() + 63) / 64;
  columnSlot_.assign(static_cast<size_t>(kMaxRowWidth) * 256, -1);
  int32_t slots = 0;
  for (const std::string& word : words_) {
    for (size_t column = 0; column < word.size(); ++column) {
      int32_t& slot = columnSlot_[column * 256 + static_cast<unsigned char>(word[column])];
      if (slot < 0) slot = slots++;
    }
  }
  columnBits_.assign(static_cast<size_t>(slots) * blocks_, 0);
  for (int32_t row = 0; row < Count(); ++row) {
    const std::string& word = words_[row];
    for (size_t column = 0; column < word.size(); ++column) {
      const int32_t slot = columnSlot_[column * 256 + static_cast<unsigned char>(word[column])];
      columnBits_[static_cast<size_t>(slot) * blocks_ + row / 64] |= uint64_t{1} << (row % 64);
    }
  }
}

WordTable::Upper::Upper(const WordTable& table, int32_t row)
    : row_(row),
      lo_(table.rows_[row].lo),
      hi_(table.rows_[row].hi),
      allowedLo_(AllowedColumns(table.words_[row].data(), table.width_, 0)),
      allowedHi_(AllowedColumns(table.words_[row].data(), table.width_, 8)),
      letters_(table.words_[row].data()) {
  for (int column = 1; column < table.width_; ++column) {
    const char c = letters_[column];
    if (c == 'A' || c == 'E') continue;
    const int32_t slot = table.columnSlot_[column * 256 + static_cast<unsigned char>(c)];
    columnRows_[columnCount_++] = &table.columnBits_[static_cast<size_t>(slot) * table.blocks_];
  }
}

bool WordTable::LinkFromMatches(const Upper& upper, uint32_t matches, RowLink& link) const {
  int columns[3];
  for (int& column : columns) {
    column = __builtin_ctz(matches);
    matches &= matches - 1;
  }
  if (columns[1] == columns[0] + 1 || columns[2] == columns[1] + 1) return false;
  const char a = upper.letters_[columns[0]];
  const char b = upper.letters_[columns[1]];
  const char c = upper.letters_[columns[2]];
  if (a == b || a == c || b == c) return false;
  link.letters = {a, b, c};
  link.columns = {static_cast<int8_t>(columns[0]), static_cast<int8_t>(columns[1]),
                  static_cast<int8_t>(columns[2])};
  return true;
}

bool WordTable::Before(int32_t rowA, const RowLink& a, int32_t rowB, const RowLink& b) const {
  const auto letters = [](const RowLink& link) {
    return std::make_tuple(Fold(link.letters[0]), Fold(link.letters[1]), Fold(link.letters[2]));
  };
  const auto lettersA = letters(a);
  const auto lettersB = letters(b);
  const Bytes& keyA = foldedKeys_[rowA];
  const Bytes& keyB = foldedKeys_[rowB];
  return std::tie(lettersA, keyA.lo, keyA.hi, a.columns) <
         std::tie(lettersB, keyB.lo, keyB.hi, b.columns);
}

}  // namespace sl
