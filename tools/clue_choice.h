#pragma once
// Choosing the clues of one WordNet lemma for the meanings file: which senses make clean clues
// and in what order, and why the others are left out.
#include <array>
#include <set>
#include <string>
#include <vector>

#include "block_list.h"
#include "word_family.h"
#include "wordnet_reader.h"

namespace sl::wordlists {

// Why a meaning, or a whole word, is left out.
enum class DropReason {
  Stem,        // the clue shows the word or a form of it
  Cut,         // too long, and no cut leaves a whole phrase
  ProperNoun,  // it names a person, place or other proper noun, and no common sense is left
  Unsavoury,   // blocked, labelled offensive or obscene, or the word itself is blocked
};
inline constexpr size_t kDropReasonCount = 4;
inline constexpr const char* kDropReasonNames[kDropReasonCount] = {"stem", "cut", "proper noun",
                                                                   "unsavoury"};

struct LemmaClues {
  // The clues: common senses, most often seen first (a sense clued by synonyms in its own
  // place), then proper-noun senses; empty when the word is left out.
  std::vector<std::string> meanings;
  // Meanings left out, by reason (indexed by DropReason).
  std::array<int, kDropReasonCount> dropped{};
  // Meanings whose clue is made of near words, because the definition gave the word away or
  // could not be cut.
  int synonymClues = 0;
  // Why the word is left out, when meanings is empty.
  DropReason wordReason = DropReason::Stem;
  // The most often seen sense was seen at least kRankedTags times and may be clued, and whether
  // the first clue comes from it. A commonest sense that names a proper noun or is unsavoury is
  // barred from the first place.
  bool commonestRanked = false;
  bool commonestFirst = false;
  bool commonestBarred = false;
};

// A sense seen this often in the tagged texts is plainly the word's commonest.
inline constexpr int kRankedTags = 3;

// A word goes when the block list names it or its most common sense is obscene or a slur; else
// every sense whose definition is labelled offensive or holds a blocked word is dropped. A clue is
// the definition without a leading usage note in brackets, cut to a whole phrase. Where it gives
// the word away (with families: also through a word of the lemma's family), an alternative that
// leaks is taken out of "X or Y"; failing that the sense is clued by near words (see
// clue_choice.cpp): its synonyms ("culprit" for PERPETRATOR) made of everyday words (in
// knownWords, lower case) that do not begin like the word ("campground" for CAMPSITE), an
// adjective's similar words, the broader class of a commonest noun or verb; else it is dropped.
// Senses that name a proper noun (WordNet instances, capitalised lemmas, definitions with life
// dates) follow the common ones, and a word with no common sense left goes.
LemmaClues CluesOfLemma(const std::string& lemma, std::vector<Sense> senses,
                        const BlockList& blocked, const std::set<std::string>& knownWords,
                        const WordFamilies* families = nullptr);

}  // namespace sl::wordlists
