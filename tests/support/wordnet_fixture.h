#pragma once
// A tiny WordNet database in a folder, in the format of Debian's wordnet-base, for the tests of
// the word-list builder.
#include <map>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace sl::test {

// Writes index.*, data.*, *.exc and cntlist.rev into the folder: the given lines for the files named,
// empty files for the others. Returns the folder's path.
std::string WriteWordNet(const TempFolder& folder,
                         const std::map<std::string, std::vector<std::string>>& files);

// A small database: nouns with an instance sense (Chambers), a capitalised lemma, usage labels
// (an obscene and a derogatory sense), synonyms, tag counts, and a few plain words.
std::map<std::string, std::vector<std::string>> SmallWordNet();

}  // namespace sl::test
