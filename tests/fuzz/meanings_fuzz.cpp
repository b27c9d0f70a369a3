// The meanings file read into the game's meanings list and the clue lookup over it, against a
// plain scan: every line is kept in file order; a key's block is the first line starting with it
// and the lines right after that also start with it (at most 101); a clue is the text after
// "WORD:" (the word in upper case, Windows-1252) on the block's first line, or on a line of the
// block drawn at random, and the lookup's meaning-number rules hold. The upper case is checked
// against the C library's Unicode case mapping.
// Input: one byte seeding the random draws, then the file; the words looked up are the texts
// before the first ":" of its first lines, in lower case too, and shortened.
#include <clocale>
#include <cwctype>

#include "common/codepage.h"
#include "generation/meanings.h"
#include "generation/text_case.h"
#include "fuzz_support.h"
#include "plain_references.h"

namespace {

using sl::Meanings;

// Upper case of one Windows-1252 byte through Unicode; bytes whose capital the code page lacks
// stay as they are.
char ReferenceUpper(char ch) {
  static const bool locale = std::setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  FUZZ_CHECK(locale);
  const std::string utf8 = sl::Cp1252ToUtf8(std::string_view(&ch, 1));
  wchar_t wide = 0;
  std::mbstate_t state{};
  if (std::mbrtowc(&wide, utf8.data(), utf8.size(), &state) != utf8.size()) return ch;
  const auto upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(wide)));
  if (upper == wide) return ch;
  char out[8];
  state = {};
  const size_t length = std::wcrtomb(out, upper, &state);
  if (length == static_cast<size_t>(-1)) return ch;
  const std::string back = sl::Utf8ToCp1252(std::string_view(out, length));
  return back.size() == 1 && back != "?" ? back[0] : ch;
}

Meanings::Block ReferenceBlock(const std::vector<std::string>& lines, std::string_view key) {
  auto starts = [&](size_t i) { return std::string_view(lines[i]).substr(0, key.size()) == key; };
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!starts(i)) continue;
    Meanings::Block block{static_cast<int32_t>(i), 0};
    while (i < lines.size() && starts(i) && block.count < sl::kMaxMeaningsPerWord) {
      ++block.count;
      ++i;
    }
    return block;
  }
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  if (size == 0) return 0;
  const std::string_view text = fuzz::Bytes(data + 1, size - 1);
  const std::vector<std::string> lines = fuzz::ReferenceLines(text);
  const fuzz::TempFile file("meanings", text);
  Meanings meanings;
  FUZZ_CHECK(meanings.Read(file.Path()));
  FUZZ_CHECK(meanings.Lines().Items() == lines);

  std::vector<std::string> words;
  for (size_t i = 0; i < lines.size() && words.size() < 36; ++i) {
    const std::string word = lines[i].substr(0, lines[i].find(':'));
    words.insert(words.end(),
                 {word, fuzz::ReferenceAsciiLower(word), word.substr(0, word.size() / 2)});
  }

  Random random(data[0]);
  Puzzle puzzle;
  for (const std::string& word : words) {
    std::string key;
    for (char ch : word) {
      FUZZ_CHECK(UpperCp1252(ch) == ReferenceUpper(ch), "upper case of byte %u",
                 static_cast<unsigned char>(ch));
      key += ReferenceUpper(ch);
    }
    for (const std::string& probe : {word, key, key + ":"}) {
      const Meanings::Block found = meanings.Find(probe);
      const Meanings::Block expected = ReferenceBlock(lines, probe);
      FUZZ_CHECK(found.first == expected.first && found.count == expected.count,
                 "key \"%s\": block %d+%d, expected %d+%d", probe.c_str(), found.first,
                 found.count, expected.first, expected.count);
    }
    key += ":";
    const Meanings::Block block = ReferenceBlock(lines, key);
    auto clueOf = [&](int32_t m) { return lines[block.first + m - 1].substr(key.size()); };
    for (int32_t asked : {1, -1, 0, 2}) {
      int32_t m = asked;
      const std::string clue = LookUpClue(meanings, word, m, random);
      if (block.first >= 0 && (asked == 1 || block.count == 1)) {
        FUZZ_CHECK(m == 1 && clue == clueOf(1), "first meaning of \"%s\"", word.c_str());
      } else if (block.first >= 0 && asked == -1) {
        FUZZ_CHECK(m >= 1 && m <= block.count && clue == clueOf(m), "meaning %d of \"%s\"", m,
                   word.c_str());
      } else {  // no meaning, or one asked by a number the lookup does not take
        FUZZ_CHECK(clue.empty() && m == asked);
      }
    }
  }

  // The whole-puzzle pass over the first words.
  puzzle.Wlist.assign(words.begin(), words.begin() + std::min<size_t>(words.size(), 12));
  puzzle.PuzzleSize = static_cast<int32_t>(puzzle.Wlist.size());
  for (int32_t k = 0; k < kGridSpan; ++k) puzzle.MeaningNumber[k] = 7;
  for (int32_t mode : {1, -1}) {
    LookUpClues(puzzle, mode, meanings, random);
    for (int32_t k = 1; k <= puzzle.PuzzleSize; ++k) {
      const std::string& word = puzzle.Wlist[k - 1];
      const std::string key = ToUpperCp1252(word) + ":";
      const Meanings::Block block = ReferenceBlock(lines, key);
      const int32_t m = puzzle.MeaningNumber[k];
      if (mode == 1) {
        FUZZ_CHECK(m == (k == 1 || k == puzzle.PuzzleSize ? 0 : 7), "word %d", k);
        FUZZ_CHECK(puzzle.Clue[k] ==
                   (block.first < 0 ? "" : lines[block.first].substr(key.size())));
      } else if (block.first < 0) {
        FUZZ_CHECK(m == -1 && puzzle.Clue[k].empty());
      } else {
        FUZZ_CHECK(m >= 1 && m <= block.count &&
                   puzzle.Clue[k] == lines[block.first + m - 1].substr(key.size()));
      }
    }
  }
  return 0;
}
