#pragma once
// Reads what the word lists need from the WordNet database files: every lemma's senses in
// sense-number order, each sense's gloss, whether it is labelled offensive and whether it names a
// person, place or other proper noun, and how often each sense was seen in the tagged texts.
#include <map>
#include <string>
#include <vector>

namespace sl::wordlists {

// The four parts of speech, in the order their senses are taken when counts tie.
inline constexpr const char* kPartsOfSpeech[] = {"noun", "verb", "adj", "adv"};

struct Sense {
  int partOfSpeech = 0;  // index into kPartsOfSpeech
  int number = 0;        // 1-based sense number within the part of speech
  int tagCount = 0;      // times seen in the tagged texts
  std::string gloss;
  bool derogatoryUsage = false;  // in the usage domain of slurs or disparagement
  bool obsceneUsage = false;     // in the usage domain of obscenities
  bool instance = false;         // an instance of its class: a person, a place, an event
  bool capitalized = false;      // the synset writes the lemma with a capital ("Chambers")
  // The synset's other words as it writes them, in its order, with blanks between words
  // ("ice cream", "Thatcher").
  std::vector<std::string> synonyms;
  // Words WordNet links to the lemma in this sense, lower case with blanks between words:
  // derivationally related forms ("+" pointers: OBEDIENT and "obedience") and antonyms ("!":
  // "obedient" for DISOBEDIENT, "leader" for FOLLOWER).
  std::vector<std::string> derived;
  std::vector<std::string> antonyms;
  // The first word of each broader synset ("@": "warship" for SUBMARINE) and of each similar
  // one ("&", adjectives: "deferential" for RESPECTFUL), as the synsets write them.
  std::vector<std::string> broader;
  std::vector<std::string> similar;
};

// Irregular forms and the base forms WordNet's exception lists give them ("children" ->
// "child", "hid" -> "hide"), all parts of speech together, lower case.
using Exceptions = std::map<std::string, std::vector<std::string>>;

// Every lemma (lower case, as the index files hold it) with its senses, sorted by lemma.
using Lemmas = std::map<std::string, std::vector<Sense>>;

// Reads index.*, data.* and cntlist.rev from the folder. False, with a message on failure: the
// file that cannot be read, or the file and line that is not in WordNet's format.
bool ReadWordNet(const std::string& folder, Lemmas& lemmas, std::string& error);

// Reads noun.exc, verb.exc, adj.exc and adv.exc from the folder. False, with a message, when one
// cannot be read.
bool ReadExceptions(const std::string& folder, Exceptions& exceptions, std::string& error);

}  // namespace sl::wordlists
