#include "options/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace sl {
namespace {

namespace fs = std::filesystem;

class ConfigFileTest : public ::testing::Test {
 protected:
  void Write(const std::string& name, const std::string& bytes) { temp_.Write(name, bytes); }
  std::string SavedBytes() { return temp_.Read(kConfigFileName); }
  // A config file holding the given bytes, read back.
  ConfigValues ReadWith(const std::string& lines, ConfigReadResult expected) {
    Write(kConfigFileName, lines);
    ConfigValues values;
    EXPECT_EQ(ReadcfgFile(path_, folder_, values), expected) << lines;
    return values;
  }

  test::TempFolder temp_;
  std::string folder_ = temp_.Path() + "/";
  std::string path_ = ConfigFilePath(folder_);
};

TEST_F(ConfigFileTest, MissingFileSetsAndWritesTheDefaultsKeepingThePuzzleNumber) {
  ConfigValues values;
  values.SchemeName = "blue.col";
  values.GridFontSize = 30;
  values.PuzzleNumber = 7;
  EXPECT_EQ(ReadcfgFile(path_, folder_, values), ConfigReadResult::DefaultsWritten);
  EXPECT_EQ(values.SchemeName, "xp.col");
  EXPECT_EQ(values.DictionaryFile, "english1.txt");
  EXPECT_EQ(values.PuzzleFile, "");
  EXPECT_EQ(values.GridFontName, "Arial");
  EXPECT_EQ(values.GridFontSize, 16);
  EXPECT_EQ(values.PuzzleSize, 12);
  EXPECT_EQ(values.PuzzleNumber, 7);
  EXPECT_EQ(SavedBytes(), "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 7 16 0 0\r\n");
}

TEST_F(ConfigFileTest, LimitsOnSizeAndFontSize) {
  ConfigValues v = ReadWith("a.col\r\nd\r\np\r\nArial\r\n20 3 6 0 0\r\n", ConfigReadResult::Read);
  EXPECT_EQ(v.PuzzleSize, 12);
  EXPECT_EQ(v.PuzzleNumber, 3);
  EXPECT_EQ(v.GridFontSize, 16);
  EXPECT_EQ(v.SchemeName, "a.col");
  for (auto [stored, kept] : {std::pair{8, 8}, {12, 12}, {7, 12}, {13, 12}, {-1, 12}}) {
    v = ReadWith("a\r\nd\r\np\r\nf\r\n" + std::to_string(stored) + " 1 8 0 0\r\n",
                 ConfigReadResult::Read);
    EXPECT_EQ(v.PuzzleSize, kept) << stored;
    EXPECT_EQ(v.GridFontSize, 8);
  }
}

TEST_F(ConfigFileTest, NumbersMaySitBetweenAnyRunOfBlanksTabsOrCommas) {
  ConfigValues v = ReadWith("a\nd\np\nf\n\t9,\t4  20 ,16711680,,-5 99 junk", ConfigReadResult::Read);
  EXPECT_EQ(v.PuzzleSize, 9);
  EXPECT_EQ(v.PuzzleNumber, 4);
  EXPECT_EQ(v.GridFontSize, 20);
  EXPECT_EQ(v.FontColour, 0xFF0000);
  EXPECT_EQ(v.ButtonShade, -5);
}

TEST_F(ConfigFileTest, FontNameIsOneDelimitedField) {
  struct Case {
    const char* line;
    const char* name;
  } cases[] = {
      {"Arial, Bold", "Arial"},
      {"  \"Arial, Narrow\"  , x", "Arial, Narrow"},
      {"Times New Roman   ", "Times New Roman"},
      {"\"Unclosed, quote", "Unclosed, quote"},
      {"", ""},
  };
  for (const Case& c : cases) {
    ConfigValues v = ReadWith(std::string("a\r\nd\r\np\r\n") + c.line + "\r\n12 1 16 0 0\r\n",
                              ConfigReadResult::Read);
    EXPECT_EQ(v.GridFontName, c.name) << c.line;
  }
}

TEST_F(ConfigFileTest, AbsentOrEmptyFilesAreReplaced) {
  Write("words.txt", "ABC\r\n");
  Write("empty.txt", "");
  Write("puz.txt", "0;\r\n");
  ConfigValues v = ReadWith("a\r\n" + folder_ + "words.txt\r\n" + folder_ +
                                "puz.txt\r\nf\r\n12 1 16 0 0\r\n",
                            ConfigReadResult::Read);
  EXPECT_EQ(v.DictionaryFile, folder_ + "words.txt");
  EXPECT_EQ(v.PuzzleFile, folder_ + "puz.txt");
  v = ReadWith("a\r\n" + folder_ + "empty.txt\r\n" + folder_ + "empty.txt\r\nf\r\n12 1 16 0 0\r\n",
               ConfigReadResult::Read);
  EXPECT_EQ(v.DictionaryFile, folder_ + "english1-s.txt");
  EXPECT_EQ(v.PuzzleFile, "");
  v = ReadWith("a\r\n" + folder_ + "none.txt\r\n\r\nf\r\n12 1 16 0 0\r\n", ConfigReadResult::Read);
  EXPECT_EQ(v.DictionaryFile, folder_ + "english1-s.txt");
}

TEST_F(ConfigFileTest, UnreadableFilesFallBackToDefaults) {
  const char* broken[] = {
      "a\r\nd\r\np\r\nf\r\n",                  // four lines
      "a\r\nd\r\np\r\nf\r\n12 1 16 0\r\n",     // four numbers
      "a\r\nd\r\np\r\nf\r\n12 1 x 0 0\r\n",    // not a number
      "a\r\nd\r\np\r\nf\r\n12 1 1.5 0 0\r\n",  // not a whole number
      "a\r\nd\r\np\r\nf\r\n12 1 16 0 99999999999\r\n",
      "",
      "\x01\xff\x00\xfe binary\x00\r\r\x80",
  };
  for (const char* text : broken) {
    ConfigValues v = ReadWith(text, ConfigReadResult::DefaultsWritten);
    EXPECT_EQ(v.SchemeName, "xp.col");
    EXPECT_EQ(v.PuzzleSize, 12);
    EXPECT_EQ(v.GridFontName, "Arial");
    EXPECT_EQ(v.DictionaryFile, "english1.txt");
  }
  // A number read before the failure stays.
  ConfigValues v = ReadWith("a\r\nd\r\np\r\nf\r\n9 5 x 0 0\r\n", ConfigReadResult::DefaultsWritten);
  EXPECT_EQ(v.PuzzleNumber, 5);
  EXPECT_EQ(v.PuzzleSize, 12);
  EXPECT_EQ(SavedBytes(), "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 5 16 0 0\r\n");
}

TEST_F(ConfigFileTest, SaveAndReadBackKeepEveryValue) {
  Write("words.txt", "ABC\r\n");
  ConfigValues saved;
  saved.SchemeName = "ocean.col";
  saved.DictionaryFile = folder_ + "words.txt";
  saved.PuzzleFile = "";
  saved.GridFontName = "Font, With Comma";
  saved.PuzzleSize = 9;
  saved.PuzzleNumber = 42;
  saved.GridFontSize = 22;
  saved.FontColour = 0x00336699;
  saved.ButtonShade = 0;
  Write(kConfigFileName, "old content that is longer than the new one ........\r\n");
  ASSERT_TRUE(SavecfgFile(path_, saved));
  ConfigValues read;
  ASSERT_EQ(ReadcfgFile(path_, folder_, read), ConfigReadResult::Read);
  EXPECT_EQ(read.SchemeName, saved.SchemeName);
  EXPECT_EQ(read.DictionaryFile, saved.DictionaryFile);
  EXPECT_EQ(read.GridFontName, saved.GridFontName);
  EXPECT_EQ(read.PuzzleSize, 9);
  EXPECT_EQ(read.PuzzleNumber, 42);
  EXPECT_EQ(read.GridFontSize, 22);
  EXPECT_EQ(read.FontColour, 0x00336699);
  EXPECT_EQ(read.ButtonShade, 0);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(folder_)) files += entry.is_regular_file();
  EXPECT_EQ(files, 2);  // no temporary file left beside it
}

TEST_F(ConfigFileTest, UnwritableTargetFailsWithoutChangingAnything) {
  // A folder where the file should be: nobody, root included, can write it as a file.
  fs::create_directory(path_);
  ConfigValues values;
  values.PuzzleNumber = 3;
  EXPECT_EQ(ReadcfgFile(path_, folder_, values), ConfigReadResult::DefaultsNotWritten);
  EXPECT_EQ(values.PuzzleNumber, 3);
  values.SchemeName = "mine.col";
  EXPECT_FALSE(SavecfgFile(path_, values));
  EXPECT_TRUE(fs::is_directory(path_));
  EXPECT_EQ(values.SchemeName, "mine.col");
  EXPECT_FALSE(SavecfgFile(folder_ + "missing/" + kConfigFileName, values));

  EXPECT_EQ(ConfigSaveFailedMessage("/x/stacklinks.cfg"),
            "Configuration file:\r\n/x/stacklinks.cfg\r\ncould not be accessed, options not saved");
}

}  // namespace
}  // namespace sl
