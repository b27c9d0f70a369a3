#pragma once
// The block list: words, stems and phrases that have no place in a family game, read from a
// commented text file. A line holds one entry; "#" starts a comment; blank lines are skipped.
//   word        that word
//   stem*       every word beginning with the stem
//   *part*      every word holding the part
//   two words   the words in a row inside a clue (a phrase never blocks a single word)
// Matching is without regard to case.
#include <string>
#include <string_view>
#include <vector>

namespace sl::wordlists {

class BlockList {
 public:
  // Reads the entries of the file's lines. False, with "path:line: what is wrong", when the
  // file cannot be read or a line is not an entry.
  bool Read(const std::string& path, std::string& error);
  // The same from lines already read; `name` stands in for the path in messages.
  bool Parse(const std::vector<std::string>& lines, const std::string& name, std::string& error);

  size_t EntryCount() const { return entries_.size(); }
  // True when a one-word entry matches the word.
  bool BlocksWord(std::string_view word) const;
  // True when any entry matches a word, or a phrase the words in a row, of the text.
  bool BlocksText(std::string_view text) const;

 private:
  struct Pattern {
    std::string letters;
    bool anyEnd = false;    // "stem*"
    bool anyStart = false;  // "*part*" (always with anyEnd)
    bool Matches(const std::string& word) const;
  };
  using Entry = std::vector<Pattern>;  // one pattern per word of the entry
  bool MatchesAt(const Entry& entry, const std::vector<std::string>& words, size_t at) const;

  std::vector<Entry> entries_;
};

}  // namespace sl::wordlists
