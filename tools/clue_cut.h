#pragma once
// Cutting a long definition down to a clue that still reads as a whole phrase.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace sl::wordlists {

// The clue panel shows a meaning of up to this many characters.
inline constexpr size_t kMaxClueLength = 120;
// A cut that leaves fewer characters than this says too little to be a clue.
inline constexpr size_t kShortestCut = 10;

// The clues a definition can give, best first: the definition itself when it fits. Otherwise
// its beginnings, within the limit, that end at a clause boundary outside brackets: before a ";"
// (those first, as they end a whole definition), a full stop, a bracketed aside, a relative
// clause ("that", "which", "who", "whose") or a participle phrase ("having", "consisting",
// "containing", "characterized"); longest first within each kind. A comma is no boundary, since
// a cut there leaves half of a list. A cut shorter than kShortestCut or ending on a dangling word
// is not offered. Empty when no cut is left.
std::vector<std::string> ClueCuts(std::string_view definition, size_t maxLength = kMaxClueLength);

// The clue without the alternatives of "X or Y" that give the answer away, when the other one
// is left to say it: "promoting agriculture or farming" gives "promoting farming" when
// "agriculture" leaks. Only single words are taken out, never a word such as "to" or "the" that
// would leave the phrase broken. The clue itself when nothing can go.
std::string WithoutLeakingAlternatives(std::string_view clue,
                                       const std::function<bool(const std::string&)>& leaks);

// True when the text's last word is one a phrase cannot end on ("the", "of", "and", ...).
bool EndsOnDanglingWord(std::string_view text);

}  // namespace sl::wordlists
