#pragma once
// An answer's family: the words a clue must not use because they are the answer in another form.
// WordNet links them (OBEDIENT and "obedience"), its exception lists spell their irregular forms
// ("hid" for HIDE), a negation prefix hides them (DISOBEDIENT and "obeying") or they are parts
// of a compound answer (HELIPORT and "airport", MUDGUARD and "mud").
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "wordnet_reader.h"

namespace sl::wordlists {

class WordFamilies {
 public:
  // knownWords: the everyday words (lower case) that count as parts of a compound.
  WordFamilies(const Lemmas& lemmas, const Exceptions& exceptions,
               const std::set<std::string>& knownWords);

  // The lemma, its antonyms that a negation prefix makes of it or it of them, the words WordNet
  // derives from those and the words derived from them in turn; for a lemma with a negation
  // prefix, the lemma without it too.
  std::set<std::string> FamilyOf(const std::string& lemma) const;

  // The forms a word of a clue may be the inflection of: itself, the base forms of the exception
  // lists and those of the regular endings (-s, -es, -ies, -ed, -ing, -er, -est, a doubled
  // consonant undone).
  std::vector<std::string> BaseForms(const std::string& word) const;

  // True when a word of the clue belongs to the answer's family, begins like the answer without
  // its negation prefix ("suspicious" for UNSUSPECTING), or is or holds, at its beginning or
  // end, a part of the compound answer.
  bool UsesFamilyWord(std::string_view clue, const std::string& answer) const;

 private:
  std::vector<std::string> CompoundParts(const std::string& answer) const;

  const Lemmas& lemmas_;
  const Exceptions& exceptions_;
  const std::set<std::string>& knownWords_;
};

// The answer without a negation prefix (un-, in-, im-, ir-, il-, dis-, non-, de-, anti-, mis-)
// when at least five letters remain, else "".
std::string WithoutNegation(const std::string& answer);

}  // namespace sl::wordlists
