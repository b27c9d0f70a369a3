// The package's copyright file is put together from a template and the copyright files of the
// Debian packages the word data comes from. These tests run the build's script on small files.
#include <gtest/gtest.h>

#include <string>

#include "support/run_command.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::RunCommand;
using test::ShellQuote;

const char* const kTemplate =
    "Copyright: {{WORDNET_COPYRIGHT}}\n"
    "           {{SCOWL_COPYRIGHT}}\n"
    "License: WordNet-3.0\n"
    "{{WORDNET_LICENSE}}\n"
    "{{SCOWL_LICENSE}}\n";

// A machine-readable copyright file whose WordNet paragraph is not the first one.
const char* const kWordNet =
    "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
    "\n"
    "Files: debian/*\n"
    "Copyright: 2001 Packager\n"
    "License: GPL-2+\n"
    " See GPL-2.\n"
    "\n"
    "Files: *\n"
    "Copyright: 2006 Princeton University\n"
    "License: WordNet3.0\n"
    " Permission to use.\n"
    " .\n"
    " AS IS.\n"
    "Comment: not licence text\n";

// Free-form text with blank lines, blanks at line ends and blank lines at the end.
const char* const kScowl =
    "SCOWL word lists.\n"
    "\n"
    "  Copyright 2000-2011 by Kevin Atkinson  \n"
    "   \n"
    "  Permission granted.\n"
    "\n\n";

class CopyrightFileTest : public ::testing::Test {
 protected:
  test::CommandResult Make(const std::string& wordnet, const std::string& scowlFiles) {
    return RunCommand("bash " + ShellQuote(MAKE_COPYRIGHT) + " " +
                      ShellQuote(folder.Write("template", kTemplate)) + " " +
                      ShellQuote(folder.File("copyright")) + " " + ShellQuote(wordnet) + " " +
                      scowlFiles);
  }
  test::TempFolder folder;
};

TEST_F(CopyrightFileTest, TakesTheLicenceTextsFromTheWordDataPackages) {
  const std::string wordnet = folder.Write("wordnet", kWordNet);
  const std::string scowl = folder.Write("wamerican", kScowl);
  const std::string same = folder.Write("scowl", kScowl);
  const std::string other = folder.Write("other", "Another notice.\n");
  const test::CommandResult made = Make(
      wordnet, ShellQuote(scowl) + " " + ShellQuote(same) + " " + ShellQuote(other));
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(folder.Read("copyright"),
            "Copyright: 2006 Princeton University\n"
            "           2000-2011 Kevin Atkinson\n"
            "License: WordNet-3.0\n"
            " Permission to use.\n"
            " .\n"
            " AS IS.\n"
            " SCOWL word lists.\n"
            " .\n"
            "   Copyright 2000-2011 by Kevin Atkinson\n"
            " .\n"
            "   Permission granted.\n"
            " .\n"
            " Another notice.\n");
}

TEST_F(CopyrightFileTest, MissingOrForeignSourcesStopTheBuildAndKeepTheOldFile) {
  const std::string wordnet = folder.Write("wordnet", kWordNet);
  const std::string scowl = folder.Write("wamerican", kScowl);
  struct Case {
    const char* what;
    std::string wordnet;
    std::string scowl;
    const char* message;
  };
  const Case cases[] = {
      {"missing SCOWL file", wordnet, folder.File("absent"), "cannot read"},
      {"no WordNet licence", folder.Write("other", "Files: *\nLicense: MIT\n text\n"), scowl,
       "no WordNet licence"},
      {"no SCOWL copyright", wordnet, folder.Write("plain", "Word list.\n"), "no SCOWL copyright"},
  };
  for (const Case& c : cases) {
    folder.Write("copyright", "old");
    const test::CommandResult made = Make(c.wordnet, ShellQuote(c.scowl));
    EXPECT_EQ(made.exitCode, 1) << c.what;
    EXPECT_NE(made.err.find(c.message), std::string::npos) << c.what << ": " << made.err;
    EXPECT_EQ(folder.Read("copyright"), "old") << c.what;
  }
}

}  // namespace
}  // namespace sl
