#pragma once
// Word lists and puzzle checks shared by the generator's tests.
#include <cstdint>
#include <string>
#include <vector>

#include "puzzle/puzzle_record.h"

namespace sl::test {

// `count` different random words of `width` letters drawn from the alphabet, sorted. A small
// alphabet makes links common, so some start words make a chain and some fail.
std::vector<std::string> RandomWords(uint32_t seed, int count, int width,
                                     const std::string& alphabet);

// `count` different eight-letter words that all hold B, C, D in columns 2 to 4. Every pair's
// first three matches are neighbours, so no two words link: every attempt scans the whole list
// and fails, and only a cancel (or trying every start word) ends a creation.
std::vector<std::string> NeverLinkingWords(int count);

// The words as a word file: each line ended by CR LF.
std::string WordFile(const std::vector<std::string>& words);

// "" when the record is a generated puzzle: N words of N letters, each linked to the word below
// it (under the link rule) at exactly the record's link positions. Otherwise what is wrong.
std::string ChainProblem(const PuzzleRecord& record);

}  // namespace sl::test
