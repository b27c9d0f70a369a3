#pragma once
// Picking the dictionary's words out of a plain word list (one word per line, such as the
// system's word lists).
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "puzzle/puzzle.h"

namespace sl {

inline constexpr size_t kShortestPuzzleWord = kMinCreatedSize;
inline constexpr size_t kLongestPuzzleWord = kMaxPuzzleSize;

// True for a word of lower-case letters a-z only (no proper names, accents or apostrophes).
bool LowerLettersOnly(const std::string& word);

// The words of 8 to 12 lower-case letters a-z for which keep holds (all when it is empty), in
// upper case, sorted, each once.
std::vector<std::string> DictionaryWordsOf(
    const std::vector<std::string>& wordList,
    const std::function<bool(const std::string&)>& keep = {});

}  // namespace sl
