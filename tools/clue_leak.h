#pragma once
// Whether a clue gives its answer away.
#include <string>
#include <string_view>
#include <vector>

namespace sl::wordlists {

// The roots a word may be built on: the word itself and what is left when the usual prefixes
// (re-, un-, in-, non-, over-, under-, a-, ...) and suffixes (-s, -ed, -ing, -ly, -ness, -ist,
// -ism, -ity, -ion, -ation, -al, -ic, -ical, -ous, -ive, -er, -or, -ment, -able, -ful, -less,
// -ward, -itis, -ess, -ize, -y, -ate, ...) are taken off, one after another, with the spelling
// put back (a dropped final e, y turned to i or -ic-, a doubled consonant, -bil- for -ble).
// Lower case, sorted, each once; roots shorter than three letters are not kept.
std::vector<std::string> RootsOf(std::string_view word);

// True when a word of the clue gives the answer away, compared without regard to case:
//  - the two share a root: one of them ("joy" in a clue for JOYFULLY), one of four letters or
//    more that one of them is made of with affixes ("move" for MOVEMENT and "moving"), or one
//    of three letters both are made of ("arm" for DISARMING and "arms");
//  - they begin with the same five letters, or the clue's word holds a run of letters of most
//    (60%, at least five) of the answer: a shared beginning or core of most of the word;
//  - the clue's word is another spelling of an answer of eight letters or more: one edit for
//    every five letters;
//  - the answer begins or ends with the clue's word, or a root of it, of four letters or more
//    (CANNONBALL and "cannon", DISHWASHER and "dishes"), function words ("that", ...) aside.
bool RevealsWord(std::string_view clue, std::string_view answer);

}  // namespace sl::wordlists
