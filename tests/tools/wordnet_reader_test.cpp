#include "wordnet_reader.h"

#include <gtest/gtest.h>

#include "support/temp_folder.h"
#include "support/wordnet_fixture.h"

namespace sl::wordlists {
namespace {

// The labels, tag counts and synonyms a sense carries into the clue choice; the builder's whole
// run on the same WordNet shows the usage labels and glosses.
TEST(ReadWordNet, SensesWithTheirLabelsCountsAndSynonyms) {
  test::TempFolder folder;
  Lemmas lemmas;
  std::string error;
  ASSERT_TRUE(ReadWordNet(test::WriteWordNet(folder, test::SmallWordNet()), lemmas, error)) << error;
  const Sense& chambers = lemmas.at("chambers").at(0);
  EXPECT_TRUE(chambers.instance && chambers.capitalized);
  EXPECT_EQ(chambers.synonyms, (std::vector<std::string>{"William Chambers",
                                                         "Sir William Chambers"}));
  EXPECT_FALSE(lemmas.at("chamber").at(0).instance || lemmas.at("chamber").at(0).capitalized);
  const std::vector<Sense>& dumbbell = lemmas.at("dumbbell");
  ASSERT_EQ(dumbbell.size(), 2u);
  EXPECT_EQ(dumbbell[0].tagCount, 7);
  EXPECT_FALSE(dumbbell[1].derogatoryUsage || dumbbell[1].obsceneUsage);  // only its own sense's
  EXPECT_EQ(lemmas.at("tapestry").at(0).tagCount, 3);
  EXPECT_EQ(lemmas.at("frugally").at(0).partOfSpeech, 3);
}

// A line that is not in WordNet's format is reported with its file and line; nothing throws.
TEST(ReadWordNet, MalformedLinesNameTheirFileAndLine) {
  const std::pair<const char*, const char*> kCases[] = {  // file, line
      {"data.noun", "00000800 04 n zz tapestry 0 000 | a count that is not hex"},
      {"data.noun", "00000800 04 n -1 tapestry 0 000 | a negative count"},
      {"data.noun", "00000800 04 n 01 tapestry 0 001 @ 00000300 q 0000 | an unknown part of speech"},
      {"data.noun", "00000800 04 n 01 tapestry 0 99999999999 | a pointer count too big"},
      {"data.noun", "notanumber 04 n 01 tapestry 0 000 | no offset"},
      {"data.noun", "00000800 04 n 03 tapestry 0 | fewer words than counted"},
      {"index.noun", "tapestry n 99999999 0 1 0 00000800"},
      {"index.noun", "tapestry n 2 0 2 0 00000800"},
      {"index.noun", "tapestry n 1 x 1 0 00000800"},
  };
  for (const auto& [file, line] : kCases) {
    auto files = test::SmallWordNet();
    files[file].push_back(line);
    const std::string where = std::string(file) + ":" + std::to_string(files[file].size());
    test::TempFolder folder;
    Lemmas lemmas;
    std::string error;
    EXPECT_FALSE(ReadWordNet(test::WriteWordNet(folder, files), lemmas, error)) << line;
    EXPECT_NE(error.find(where + ": unexpected format"), std::string::npos) << error;
  }
}

TEST(ReadWordNet, MissingFileAndMissingSynset) {
  test::TempFolder folder;
  Lemmas lemmas;
  std::string error;
  EXPECT_FALSE(ReadWordNet(folder.Path(), lemmas, error));
  EXPECT_NE(error.find("cannot read"), std::string::npos) << error;

  auto files = test::SmallWordNet();
  files["index.noun"].push_back("ghost n 1 0 1 0 00099999");
  test::WriteWordNet(folder, files);
  EXPECT_FALSE(ReadWordNet(folder.Path(), lemmas, error));
  EXPECT_NE(error.find("ghost names a missing synset"), std::string::npos) << error;
}

}  // namespace
}  // namespace sl::wordlists
