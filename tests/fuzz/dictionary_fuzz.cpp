// The dictionary reader against a plain reading of its rules: every line of exactly N characters,
// as read (no trimming, no case change), in file order, duplicates kept; a failed read keeps old
// words of the asked length and drops others. Also the word-list filter (8 to 12 letters a-z only,
// in upper case, sorted, each once) and the link table built from the dictionary, whose links
// must equal the plain link rule's and whose candidates must include every linked row.
// Input: one byte for N (0..16, or -1), then the file.
#include <algorithm>
#include <set>
#include <tuple>

#include "fuzz_support.h"
#include "generation/dictionary.h"
#include "generation/dictionary_words.h"
#include "generation/text_case.h"
#include "generation/word_table.h"
#include "plain_references.h"

namespace {

void CheckWordList(const std::vector<std::string>& lines, unsigned char keepBit) {
  auto keep = [&](const std::string& word) { return ((word[0] >> (keepBit % 3)) & 1) != 0; };
  std::set<std::string> expected;
  for (const std::string& line : lines) {
    if (line.size() < 8 || line.size() > 12 || !keep(line)) continue;
    std::string upper;
    for (char ch : line) {
      if (ch < 'a' || ch > 'z') break;
      upper += static_cast<char>(ch - 32);
    }
    if (upper.size() == line.size()) expected.insert(upper);
  }
  const std::vector<std::string> words = sl::DictionaryWordsOf(lines, keep);
  FUZZ_CHECK(words == std::vector<std::string>(expected.begin(), expected.end()));
}

void CheckWordTable(const std::vector<std::string>& dictionary, int width) {
  const std::vector<std::string> expected = sl::fuzz::RecordWords(dictionary);
  sl::WordTable table(dictionary, width);
  table.IndexColumns();  // unindexed, every row is a candidate
  FUZZ_CHECK(table.Count() == static_cast<int32_t>(expected.size()));
  for (int32_t row = 0; row < table.Count(); ++row) FUZZ_CHECK(table.Word(row) == expected[row]);
  for (int32_t up = 0; up < std::min<int32_t>(table.Count(), 8); ++up) {
    const sl::WordTable::Upper upper(table, up);
    std::vector<int32_t> candidates;
    table.ForEachCandidate(upper, [&](int32_t row) { candidates.push_back(row); });
    std::vector<std::pair<int32_t, sl::RowLink>> links;
    FUZZ_CHECK(std::is_sorted(candidates.begin(), candidates.end()));
    for (int32_t row = 0; row < table.Count(); ++row) {
      const sl::fuzz::ReferenceLink link = sl::fuzz::PlainLink(expected[up], expected[row]);
      sl::RowLink rowLink;
      const bool linked = table.Link(upper, row, rowLink);
      FUZZ_CHECK(linked == !link.letters.empty(), "\"%s\" over \"%s\"", expected[up].c_str(),
                 expected[row].c_str());
      FUZZ_CHECK(table.SameWord(upper, row) == (expected[up] == expected[row]));
      if (!linked) continue;
      FUZZ_CHECK(std::binary_search(candidates.begin(), candidates.end(), row));
      for (int i = 0; i < 3; ++i) {
        const int column = (link.positions[2 * i] - '0') * 10 + (link.positions[2 * i + 1] - '0');
        FUZZ_CHECK(rowLink.letters[i] == link.letters[i] && rowLink.columns[i] + 1 == column);
      }
      if (links.size() < 16) links.emplace_back(row, rowLink);
    }
    // Candidates are ordered by link letters, then word, then columns, all without regard to case.
    auto key = [&](const std::pair<int32_t, sl::RowLink>& l) {
      const sl::RowLink& r = l.second;
      return std::make_tuple(sl::ToUpperCp1252(std::string(r.letters.data(), 3)),
                             sl::ToUpperCp1252(expected[l.first]),
                             std::vector<int>(r.columns.begin(), r.columns.end()));
    };
    for (const auto& a : links) {
      for (const auto& b : links) {
        FUZZ_CHECK(table.Before(a.first, a.second, b.first, b.second) == (key(a) < key(b)));
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  if (size == 0) return 0;
  const int32_t n = data[0] % 18 - 1;
  const std::string_view text = fuzz::Bytes(data + 1, size - 1);
  const std::vector<std::string> lines = fuzz::ReferenceLines(text);
  std::vector<std::string> expected;
  for (const std::string& line : lines) {
    // Words are held in capitals, as the player types them.
    if (static_cast<int32_t>(line.size()) == n) expected.push_back(ToUpperCp1252(line));
  }

  const fuzz::TempFile file("words", text);
  clsSimpleArray dictionary;
  dictionary.AddItem("OLDWORD");
  FUZZ_CHECK(ReadDictionaryWords(file.Path(), n, dictionary) == (n >= 0));
  if (n >= 0) {
    FUZZ_CHECK(dictionary.Items() == expected, "%d words kept, expected %zu",
               dictionary.ListCount(), expected.size());
    FUZZ_CHECK(dictionary.NewIndex() == (expected.empty() ? -1 : dictionary.ListCount() - 1));
  } else {
    FUZZ_CHECK(dictionary.ListCount() == 0);
  }

  // A failed read (a folder) keeps words of the asked length only.
  const std::vector<std::string> held = dictionary.Items();
  const int32_t other = (n + 1) % 17;
  FUZZ_CHECK(!ReadDictionaryWords("/tmp", other, dictionary));
  const bool keeps = held.empty() || static_cast<int32_t>(held[0].size()) == other;
  FUZZ_CHECK(dictionary.Items() == (keeps ? held : std::vector<std::string>()));

  CheckWordList(lines, data[0]);
  if (n >= 1) CheckWordTable(expected, n);
  return 0;
}
