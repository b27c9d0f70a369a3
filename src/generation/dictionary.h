#pragma once
// The dictionary: the words of the current puzzle size from a word file, one word per line.
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "generation/simple_array.h"

namespace sl {

inline constexpr const char* kReadingDictionary = "Reading Dictionary ...";
inline constexpr const char* kDictionaryRead = "Dictionary read";
inline constexpr const char* kErrorInDictionary = "Error in dictionary";

// A dictionary line as the game holds it: in upper case, as the player types letters and as the
// link rule compares them (a lower-case list would give links on "a" and "e" and puzzles that can
// never be solved). Nothing else changes: no trimming.
std::string DictionaryWordOf(std::string_view line);

// Replaces the dictionary with every line of the file that is exactly `size` characters long,
// as DictionaryWordOf holds it, in file order, duplicates kept.
// False when the file cannot be opened or read. The dictionary is then never left half read: it
// keeps its old words when they have the length asked for and is emptied otherwise, so it never
// holds words of the wrong size. Setting stop (if given) ends the read early as a failure.
bool ReadDictionaryWords(const std::string& path, int32_t size, clsSimpleArray& dictionary,
                         const std::atomic<bool>* stop = nullptr);

}  // namespace sl
