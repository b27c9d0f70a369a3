#include "options/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace sl {
namespace {

namespace fs = std::filesystem;

// The five lines as they would be saved, joined by "|", to compare every value at once.
std::string Joined(const ConfigValues& values) {
  std::string text;
  for (const std::string& line : FormatConfig(values)) text += (text.empty() ? "" : "|") + line;
  return text;
}

class ConfigFileTest : public ::testing::Test {
 protected:
  // The values read from a config file holding the given bytes.
  ConfigValues ReadWith(const std::string& bytes, ConfigReadResult expected) {
    temp_.Write(kConfigFileName, bytes);
    ConfigValues values;
    EXPECT_EQ(ReadcfgFile(path_, folder_, values), expected) << bytes;
    return values;
  }
  // A readable file with the given font line and numbers line.
  ConfigValues ReadLines45(const std::string& font, const std::string& numbers) {
    return ReadWith("a.col\r\nd\r\np\r\n" + font + "\r\n" + numbers + "\r\n",
                    ConfigReadResult::Read);
  }

  test::TempFolder temp_;
  std::string folder_ = temp_.Path() + "/";
  std::string path_ = ConfigFilePath(folder_);
};

// The config fuzz harness compares every field with a reference; these are plain examples.
TEST_F(ConfigFileTest, NumbersAreLimitedAndTheFontNameIsOneDelimitedField) {
  // Absent (and empty) files are replaced: "d" by the small dictionary, "p" by no puzzle file.
  const std::string dictionary = folder_ + "english1-s.txt";
  EXPECT_EQ(Joined(ReadLines45("Arial", "20 3 6 0 0")),
            "a.col|" + dictionary + "||Arial|12 3 16 0 0");
  EXPECT_EQ(Joined(ReadLines45("f", "\t9,\t4  20 ,16711680,,-5 99 junk")),
            "a.col|" + dictionary + "||f|9 4 20 16711680 -5");
  // A number with a fraction is a number: the nearest whole one, halves to even.
  EXPECT_EQ(Joined(ReadLines45("f", "9 2.5 16.5 -0.4 1e1")),
            "a.col|" + dictionary + "||f|9 2 16 0 10");
  // The font name is one field: quoted, or up to a comma with trailing blanks cut.
  EXPECT_EQ(ReadLines45("  \"Arial, Narrow\"  , x", "12 1 16 0 0").GridFontName, "Arial, Narrow");
  EXPECT_EQ(ReadLines45("Times New Roman   , x", "12 1 16 0 0").GridFontName, "Times New Roman");
}

// A missing file is started from in the exit command tests.
TEST_F(ConfigFileTest, UnreadableFilesFallBackToDefaultsKeepingAPuzzleNumberReadBeforeTheFault) {
  const std::pair<std::string, const char*> broken[] = {
      {"a\r\nd\r\np\r\nf\r\n9 5 16 0\r\n", "5"},  // four numbers
      {"a\r\nd\r\np\r\nf\r\n", "0"},              // four lines
  };
  for (const auto& [text, number] : broken) {
    EXPECT_EQ(Joined(ReadWith(text, ConfigReadResult::DefaultsWritten)),
              std::string("xp.col|english1.txt||Arial|12 ") + number + " 16 0 0") << text;
  }
  EXPECT_EQ(temp_.Read(kConfigFileName), "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 0 16 0 0\r\n");
}

TEST_F(ConfigFileTest, SaveAndReadBackKeepEveryValue) {
  const ConfigValues saved{"ocean.col", temp_.Write("words.txt", "ABC\r\n"), "",
                           "Font, With Comma", 9, 42, 22, 0x00336699, 5};
  temp_.Write(kConfigFileName, "old content that is longer than the new one ........\r\n");
  ASSERT_TRUE(SavecfgFile(path_, saved));
  ConfigValues read;
  ASSERT_EQ(ReadcfgFile(path_, folder_, read), ConfigReadResult::Read);
  EXPECT_EQ(Joined(read), Joined(saved));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

// The message for a failed save is shown in the exit command tests.
TEST_F(ConfigFileTest, UnwritableTargetFailsWithoutChangingAnything) {
  fs::create_directory(path_);  // a folder where the file should be: even root cannot write it
  ConfigValues values;
  values.PuzzleNumber = 3;
  EXPECT_EQ(ReadcfgFile(path_, folder_, values), ConfigReadResult::DefaultsNotWritten);
  EXPECT_EQ(values.PuzzleNumber, 3);
  values.SchemeName = "mine.col";
  EXPECT_FALSE(SavecfgFile(path_, values));
  EXPECT_EQ(values.SchemeName, "mine.col");
  EXPECT_FALSE(SavecfgFile(folder_ + "missing/" + kConfigFileName, values));
}

}  // namespace
}  // namespace sl
