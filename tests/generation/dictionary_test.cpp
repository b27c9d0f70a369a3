#include "generation/dictionary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "generation/dictionary_words.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using Words = std::vector<std::string>;

TEST(ReadDictionary, KeepsLinesOfExactlyTheSizeInUpperCase) {
  test::TempFolder folder;
  const std::string path = folder.Write("d.txt",
                                        "ABCDEFGH\r\n"
                                        "ABCDEFGH \r\n"  // a trailing blank makes it too long
                                        "abcd\xE9" "fgh\r\n"   // lower case is read as capitals
                                        "SHORT\r\n"
                                        "ABCDEFGHI\r\n"
                                        "ABCDEFGH\r\n"   // duplicates stay
                                        "ZYXWVUTS");     // the last line needs no line end
  clsSimpleArray dictionary;
  ASSERT_TRUE(ReadDictionaryWords(path, 8, dictionary));
  EXPECT_EQ(dictionary.Items(), (Words{"ABCDEFGH", "ABCD\xC9" "FGH", "ABCDEFGH", "ZYXWVUTS"}));
  ASSERT_TRUE(ReadDictionaryWords(path, 9, dictionary));  // a new size replaces the words
  EXPECT_EQ(dictionary.Items(), (Words{"ABCDEFGH ", "ABCDEFGHI"}));
}

TEST(ReadDictionary, CrLfSplitAcrossReadBlocksJunkAndHugeLines) {
  test::TempFolder folder;
  // Block size is 64 KiB: put a CR as the block's last byte and its LF as the next block's first.
  std::string bytes;
  while (bytes.size() < 65536 - 5) bytes += "WORD\r\n";
  bytes.resize(65536 - 5);
  bytes += "ABCD\r\nEFGH\r\n";
  clsSimpleArray dictionary;
  ASSERT_TRUE(ReadDictionaryWords(folder.Write("d.txt", bytes), 4, dictionary));
  ASSERT_GE(dictionary.ListCount(), 2);
  EXPECT_EQ(dictionary.list(dictionary.ListCount() - 2), "ABCD");
  EXPECT_EQ(dictionary.list(dictionary.ListCount() - 1), "EFGH");
  for (const auto& word : dictionary.Items()) EXPECT_EQ(word.find('\n'), std::string::npos);

  bytes.assign(10 << 20, 'x');  // one 10 MB line, skipped, not held
  bytes += std::string("\r\nAB\0CD\r\n", 9);
  ASSERT_TRUE(ReadDictionaryWords(folder.Write("d.txt", bytes), 5, dictionary));
  EXPECT_EQ(dictionary.Items(), (Words{std::string("AB\0CD", 5)}));
}

TEST(ReadDictionary, FailureNeverLeavesWordsOfTheWrongSize) {
  test::TempFolder folder;
  clsSimpleArray dictionary;
  ASSERT_TRUE(ReadDictionaryWords(folder.Write("d.txt", "ABCDEFGH\r\n"), 8, dictionary));

  EXPECT_FALSE(ReadDictionaryWords(folder.File("missing.txt"), 8, dictionary));
  EXPECT_EQ(dictionary.Items(), (Words{"ABCDEFGH"}));  // still fits size 8
  // A FIFO with no writer would hold the read for ever; a read asked to stop gives up.
  ASSERT_EQ(::mkfifo(folder.File("fifo").c_str(), 0600), 0);
  EXPECT_FALSE(ReadDictionaryWords(folder.File("fifo"), 8, dictionary));
  const std::atomic<bool> stop{true};
  EXPECT_FALSE(ReadDictionaryWords(folder.Write("big.txt", "ABCDEFGH\r\n"), 8, dictionary, &stop));
  EXPECT_EQ(dictionary.Items(), (Words{"ABCDEFGH"}));

  EXPECT_FALSE(ReadDictionaryWords(folder.File("missing.txt"), 10, dictionary));
  EXPECT_EQ(dictionary.ListCount(), 0);  // the old words do not fit size 10

  ASSERT_TRUE(ReadDictionaryWords(folder.Write("empty.txt", ""), 8, dictionary));
  EXPECT_EQ(dictionary.ListCount(), 0);  // no line of the size is no error
}

TEST(DictionaryWordsOf, PlainLowerCaseWordsOfPuzzleSizesOnly) {
  const Words list{"zucchinis", "Aberdeen", "abandoned", "hasn't'ing", "caf\xC3\xA9terias",
                   "abandoned", "short",    "thirteenchars", "abacuses"};
  EXPECT_EQ(DictionaryWordsOf(list), (Words{"ABACUSES", "ABANDONED", "ZUCCHINIS"}));
  EXPECT_EQ(DictionaryWordsOf(list, [](const std::string& w) { return w[0] == 'z'; }),
            (Words{"ZUCCHINIS"}));
}

}  // namespace
}  // namespace sl
