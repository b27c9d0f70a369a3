#pragma once
// Turning dictionary definitions into clue texts for the meanings file: the definition without
// its examples, short enough for the clue panel, never giving its own word away, never offensive.
#include <cstddef>
#include <string>
#include <string_view>

namespace sl {

inline constexpr size_t kMaxClueLength = 120;

// The definition part of a gloss: everything before the first quoted example, with `word'
// quoting removed, blanks collapsed, trimmed, and no trailing ";" or ",".
std::string DefinitionOfGloss(std::string_view gloss);

// The text cut to at most maxLength characters: at a "; " between two definitions when one is
// far enough in, else at the last blank that fits; no dangling punctuation or open bracket.
std::string ShortenClue(std::string_view text, size_t maxLength = kMaxClueLength);

// True when the text holds the word or an obvious form of it (plural, -ed, -ing, -er, and the
// word's own stem when it is itself such a form), compared without regard to case.
bool GivesWordAway(std::string_view text, std::string_view word);

// What a definition says about its word as a term: nothing, that it is an offensive or derogatory
// term or a slur ("offensive term for ...", "(ethnic slur) ..."), or that it is obscene or vulgar
// ("vulgar slang for ...") - a word that is itself vulgar has no place in the game at all.
enum class TermMark { None, Offensive, Vulgar };
TermMark MarkOfDefinition(std::string_view definition);

}  // namespace sl
