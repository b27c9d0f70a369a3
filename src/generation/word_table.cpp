#include "generation/word_table.h"

#include <cstring>
#include <tuple>

#include "generation/text_case.h"

namespace sl {
namespace {

// Ordering ignores case the way the game's sorted lists do: both sides in upper case, the
// accented letters of the code page included.
const std::array<unsigned char, 256>& FoldTable() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> folded{};
    for (int byte = 0; byte < 256; ++byte) {
      folded[byte] = static_cast<unsigned char>(UpperCp1252(static_cast<char>(byte)));
    }
    return folded;
  }();
  return table;
}

unsigned char Fold(char c) { return FoldTable()[static_cast<unsigned char>(c)]; }

bool FitsRecord(const std::string& word) {
  for (const char c : word) {
    if (c == ' ' || c == ',' || c == ';') return false;
  }
  return true;
}

bool TakesWord(const std::string& word, int width) {
  return static_cast<int>(word.size()) == width && width <= kMaxRowWidth && FitsRecord(word);
}

// Byte i of a row is byte i % 8 of half i / 8, little-endian (byte 0 lowest).
uint8_t ByteAt(uint64_t lo, uint64_t hi, int i) {
  return static_cast<uint8_t>((i < 8 ? lo : hi) >> (8 * (i % 8)));
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
  rows_.reserve(words.size());
  for (const std::string& word : words) {
    if (!TakesWord(word, width)) continue;
    char bytes[kMaxRowWidth] = {};
    std::memcpy(bytes, word.data(), word.size());
    Bytes row;
    std::memcpy(&row.lo, bytes, 8);
    std::memcpy(&row.hi, bytes + 8, 8);
    rows_.push_back(row);
  }
}

std::string WordTable::Word(int32_t row) const {
  std::string word(static_cast<size_t>(width_), '\0');
  for (int i = 0; i < width_; ++i) word[i] = static_cast<char>(ByteAt(rows_[row].lo, rows_[row].hi, i));
  return word;
}

bool WordTable::SameRows(const std::vector<std::string>& words, int width) const {
  if (width != width_) return false;
  int32_t row = 0;
  for (const std::string& word : words) {
    if (!TakesWord(word, width)) continue;
    if (row == Count()) return false;
    char bytes[kMaxRowWidth] = {};
    std::memcpy(bytes, word.data(), word.size());
    if (std::memcmp(bytes, &rows_[row].lo, 8) != 0 || std::memcmp(bytes + 8, &rows_[row].hi, 8)) {
      return false;
    }
    ++row;
  }
  return row == Count();
}

void WordTable::IndexColumns() {
  if (Indexed()) return;
  blocks_ = (Count() + 63) / 64;
  columnSlot_.assign(static_cast<size_t>(kMaxRowWidth) * 256, -1);
  // Column 1 never links, so only columns 2 on are indexed.
  int32_t slots = 0;
  for (const Bytes& r : rows_) {
    for (int column = 1; column < width_; ++column) {
      int32_t& slot = columnSlot_[column * 256 + ByteAt(r.lo, r.hi, column)];
      if (slot < 0) slot = slots++;
    }
  }
  columnBits_.assign(static_cast<size_t>(slots) * blocks_, 0);
  for (int32_t row = 0; row < Count(); ++row) {
    const Bytes& r = rows_[row];
    const uint64_t bit = uint64_t{1} << (row % 64);
    for (int column = 1; column < width_; ++column) {
      const int32_t slot = columnSlot_[column * 256 + ByteAt(r.lo, r.hi, column)];
      columnBits_[static_cast<size_t>(slot) * blocks_ + row / 64] |= bit;
    }
  }
}

WordTable::Upper::Upper(const WordTable& table, int32_t row)
    : row_(row), lo_(table.rows_[row].lo), hi_(table.rows_[row].hi) {
  std::memcpy(letters_.data(), &lo_, 8);
  std::memcpy(letters_.data() + 8, &hi_, 8);
  allowedLo_ = AllowedColumns(letters_.data(), table.width_, 0);
  allowedHi_ = AllowedColumns(letters_.data(), table.width_, 8);
  indexed_ = table.blocks_ > 0;
  for (int column = 1; column < table.width_; ++column) {
    const char c = letters_[column];
    if (c == 'A' || c == 'E') continue;
    if (indexed_) {
      const int32_t slot = table.columnSlot_[column * 256 + static_cast<unsigned char>(c)];
      columnRows_[columnCount_] = &table.columnBits_[static_cast<size_t>(slot) * table.blocks_];
    }
    ++columnCount_;
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

WordTable::Bytes WordTable::FoldedKey(int32_t row) const {
  const Bytes& r = rows_[row];
  Bytes key;
  for (int i = 0; i < 8; ++i) {
    key.lo |= static_cast<uint64_t>(Fold(static_cast<char>(ByteAt(r.lo, r.hi, i)))) << (8 * (7 - i));
    key.hi |= static_cast<uint64_t>(Fold(static_cast<char>(ByteAt(r.lo, r.hi, i + 8))))
              << (8 * (7 - i));
  }
  return key;
}

bool WordTable::Before(int32_t rowA, const RowLink& a, int32_t rowB, const RowLink& b) const {
  const auto letters = [](const RowLink& link) {
    return std::make_tuple(Fold(link.letters[0]), Fold(link.letters[1]), Fold(link.letters[2]));
  };
  const auto lettersA = letters(a);
  const auto lettersB = letters(b);
  if (lettersA != lettersB) return lettersA < lettersB;
  const Bytes keyA = FoldedKey(rowA);
  const Bytes keyB = FoldedKey(rowB);
  return std::tie(keyA.lo, keyA.hi, a.columns) < std::tie(keyB.lo, keyB.hi, b.columns);
}

}  // namespace sl
