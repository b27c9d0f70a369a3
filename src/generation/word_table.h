#pragma once
// The dictionary laid out for the link test: one fixed-width row of 16 bytes per word, so a
// link test is a few word-sized operations with no string building and no allocation. Laying
// out the rows is all a new table costs, so the first attempts start at once and scan every row.
// Once the column index is built (IndexColumns), every column and letter has a bit set of the
// rows holding that letter there, so that a scan below an upper word only tests the rows that
// share at least three of its letters.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sl {

inline constexpr int kMaxRowWidth = 16;

// A link found between two rows: its letters and 0-based columns, ascending.
struct RowLink {
  std::array<char, 3> letters{};
  std::array<int8_t, 3> columns{};
};

class WordTable {
 public:
  // Takes the words of exactly `width` characters (1..16) that can stand in a puzzle record:
  // a blank, "," or ";" inside a word would break the record apart, so such words are left out.
  WordTable(const std::vector<std::string>& words, int width);

  int Width() const { return width_; }
  int32_t Count() const { return static_cast<int32_t>(rows_.size()); }
  std::string Word(int32_t row) const;
  // True when a table built from these words with this width would hold exactly these rows.
  bool SameRows(const std::vector<std::string>& words, int width) const;

  // Builds the column index; until then every row is a candidate below any upper word.
  void IndexColumns();
  bool Indexed() const { return blocks_ > 0 || Count() == 0; }

  // The upper word of a level, prepared for scanning the table below it.
  class Upper {
   public:
    Upper(const WordTable& table, int32_t row);
    int32_t Row() const { return row_; }

   private:
    friend class WordTable;
    int32_t row_;
    uint64_t lo_, hi_;                // the row's bytes
    uint64_t allowedLo_, allowedHi_;  // high bit of every byte whose column may link
    std::array<char, kMaxRowWidth> letters_{};
    // The row bit sets of the upper word's letters in the columns that may link (when indexed).
    std::array<const uint64_t*, kMaxRowWidth> columnRows_{};
    int columnCount_ = 0;  // columns that may link
    bool indexed_ = false;
  };

  // Calls visit(row), in row order, for every row that has the upper word's letter in at least
  // three of the columns that may link (every row while the columns are not indexed): a superset
  // of the rows linked to it. An Upper made before IndexColumns keeps visiting every row.
  template <typename Visit>
  void ForEachCandidate(const Upper& upper, Visit&& visit) const {
    if (upper.columnCount_ < 3) return;
    if (!upper.indexed_) {
      for (int32_t row = 0; row < Count(); ++row) visit(row);
      return;
    }
    for (int32_t block = 0; block < blocks_; ++block) {
      // Bit-sliced counting of the matches of 64 rows at once: once, twice, three times or more.
      uint64_t once = 0, twice = 0, thrice = 0;
      for (int i = 0; i < upper.columnCount_; ++i) {
        const uint64_t rows = upper.columnRows_[i][block];
        thrice |= twice & rows;
        twice |= once & rows;
        once |= rows;
      }
      while (thrice != 0) {
        visit(block * 64 + __builtin_ctzll(thrice));
        thrice &= thrice - 1;
      }
    }
  }

  // The link from the upper word to a row, exactly as FindLink gives it; false when not linked.
  bool Link(const Upper& upper, int32_t row, RowLink& link) const {
    const Bytes& r = rows_[row];
    const uint32_t matches = ByteMask(EqualBytes(upper.lo_, r.lo) & upper.allowedLo_) |
                             ByteMask(EqualBytes(upper.hi_, r.hi) & upper.allowedHi_) << 8;
    if (!AtLeastThreeBits(matches)) return false;
    return LinkFromMatches(upper, matches, link);
  }

  // True when the row holds exactly the upper word.
  bool SameWord(const Upper& upper, int32_t row) const {
    return rows_[row].lo == upper.lo_ && rows_[row].hi == upper.hi_;
  }

  // The order of the candidates below one upper word: link letters, then word, then columns,
  // letter by letter without regard to case. True when a comes strictly before b.
  bool Before(int32_t rowA, const RowLink& a, int32_t rowB, const RowLink& b) const;

 private:
  struct Bytes {
    uint64_t lo = 0, hi = 0;
  };

  // High bit set in every byte of x ^ y that is zero, nothing else.
  static uint64_t EqualBytes(uint64_t x, uint64_t y) {
    const uint64_t d = x ^ y;
    const uint64_t low7 = 0x7F7F7F7F7F7F7F7FULL;
    return ~(((d & low7) + low7) | d | low7);
  }
  // Without a population-count instruction on the baseline x86-64 this is the fast test.
  static bool AtLeastThreeBits(uint32_t bits) {
    bits &= bits - 1;
    bits &= bits - 1;
    return bits != 0;
  }
  // Gathers the high bits of the eight bytes into bits 0..7.
  static uint32_t ByteMask(uint64_t highBits) {
    return static_cast<uint32_t>(((highBits >> 7) * 0x0102040810204080ULL) >> 56);
  }
  bool LinkFromMatches(const Upper& upper, uint32_t matches, RowLink& link) const;
  // The row in upper case, big-endian, so that integer order is the case-blind text order.
  Bytes FoldedKey(int32_t row) const;

  int width_;
  std::vector<Bytes> rows_;
  int32_t blocks_ = 0;  // 64 rows per block; 0 until the columns are indexed
  // Where the rows holding a letter in a column start in columnBits_, or -1 when none does.
  std::vector<int32_t> columnSlot_;  // [column * 256 + letter]
  std::vector<uint64_t> columnBits_;  // [slot * blocks_ + block]
};

}  // namespace sl
