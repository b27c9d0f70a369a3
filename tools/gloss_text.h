#pragma once
// Reading WordNet glosses for the meanings file: the definition without its examples, what the
// definition says about its word as a term, and whether it tells a life (dates in brackets).
#include <string>
#include <string_view>

namespace sl::wordlists {

// The definition part of a gloss: everything before the first quoted example, with `word'
// quoting removed, blanks collapsed, trimmed, and no trailing ";", "," or lead-in to the examples
// ("e.g.", "i.e.", "for example", "as in").
std::string DefinitionOfGloss(std::string_view gloss);

// The definition without a leading usage note in brackets, a note on how the word is used
// rather than what it means: "(used as intensives ...) it is sincerely the case that" gives "it
// is sincerely the case that", "(often followed by of) not knowing" gives "not knowing". A field
// ("(law)") or what the word applies to ("(of hair)") stays, as it helps the clue.
std::string WithoutUsageNote(std::string_view definition);

// What a definition says about its word as a term: nothing, that it is an offensive or derogatory
// term or a slur ("offensive term for ...", "(ethnic slur) ..."), or that it is obscene or vulgar
// ("vulgar slang for ...").
enum class TermMark { None, Offensive, Vulgar };
TermMark MarkOfDefinition(std::string_view definition);

// True when the definition holds life dates or a date range in brackets, as the definitions of
// people and historic bodies do: "(1723-1796)", "(born in 1929)", "(died 1601)", "(384-322 BC)".
bool HasLifeDates(std::string_view definition);

}  // namespace sl::wordlists
