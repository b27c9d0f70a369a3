#pragma once
// How familiar a word is to most adults, from two sources: the size level of Debian's SCOWL word
// lists (10 to 95; the level of the smallest list that holds the word, so the commonest words
// are at 10) and how often WordNet's tagged texts (SemCor) used the word.
//
//   score = level - 5 * min(3, floor(log2(1 + tags)))
//
// tags is the sum of the tag counts of all the word's senses. A smaller score is a commoner word:
// a word the tagged texts use brings its score down by a step of 5 for 1 use, 10 for 3 and 15
// for 7 or more, so a level-40 word that real texts use counts as everyday, as level 35 does.
#include <map>
#include <string>
#include <vector>

namespace sl::wordlists {

// The SCOWL size levels of the English and American word lists.
inline constexpr int kScowlLevels[] = {10, 20, 35, 40, 50, 55, 60, 70, 80, 95};
// A word in no list: rarer than any.
inline constexpr int kUnlistedLevel = 100;
// Words at this score or below are everyday words.
inline constexpr int kEverydayScore = 35;

// The level of every word of lower-case letters a-z in the lists english-words.L and
// american-words.L of the folder. False, with a message, when a list cannot be read.
bool ReadScowlLevels(const std::string& folder, std::map<std::string, int>& levels,
                     std::string& error);

// The tag counts of every lemma's senses together, from WordNet's cntlist.rev ("lemma%key sense
// count"). False, with a message, when the file cannot be read.
bool ReadTagTotals(const std::string& path, std::map<std::string, int>& tags, std::string& error);

int FamiliarityScore(int level, int tags);

// The score of a word (lower case) from the two sources.
int ScoreOf(const std::map<std::string, int>& levels, const std::map<std::string, int>& tags,
            const std::string& word);

// The level of the word, kUnlistedLevel when no list holds it.
int LevelOf(const std::map<std::string, int>& levels, const std::string& word);

// The number of words per score band (width 5, from 0), for the build log.
std::string ScoreDistribution(const std::vector<int>& scores);

}  // namespace sl::wordlists
