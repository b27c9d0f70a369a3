#include "clue_choice.h"

#include <algorithm>

#include "clue_cut.h"
#include "clue_leak.h"
#include "gloss_text.h"
#include "word_text.h"

namespace sl::wordlists {

namespace {

bool NamesProperNoun(const Sense& sense, const std::string& definition) {
  return sense.instance || sense.capitalized || HasLifeDates(definition);
}

// Labelled by WordNet, or marked in its own words, as an obscene, offensive or derogatory term.
bool IsOffensiveTerm(const Sense& sense, const std::string& definition) {
  return sense.obsceneUsage || sense.derogatoryUsage ||
         MarkOfDefinition(definition) != TermMark::None;
}

// A synonym that reads as a clue: everyday words in lower case (with blanks or hyphens between
// them), not a name, a Latin genus, an abbreviation such as "TB" or a rare word such as "airt".
bool IsPlainSynonym(const std::string& synonym, const std::set<std::string>& knownWords) {
  if (synonym.size() < 3) return false;
  size_t start = 0;
  while (start <= synonym.size()) {
    size_t end = synonym.find_first_of(" -", start);
    if (end == std::string::npos) end = synonym.size();
    if (knownWords.count(synonym.substr(start, end - start)) == 0) return false;
    start = end + 1;
  }
  return true;
}

// True when a word of the synonym begins with the lemma's first four letters: a one-word clue
// such as "campground" for CAMPSITE shows the answer's first part.
bool SharesHead(const std::string& synonym, const std::string& lemma) {
  constexpr size_t kHead = 4;
  if (lemma.size() < kHead) return false;
  for (const std::string& word : LowerWordsOf(synonym)) {
    if (word.compare(0, kHead, lemma, 0, kHead) == 0) return true;
  }
  return false;
}

// Whether a clue shows its answer: a form of it, or a word of its family.
struct LeakCheck {
  const std::string& lemma;
  const WordFamilies* families;
  bool operator()(const std::string& clue) const {
    return RevealsWord(clue, lemma) || (families && families->UsesFamilyWord(clue, lemma));
  }
};

// Up to three of the words that are plain, neither give the word away nor are blocked, joined
// by ", "; "" when there is none.
std::string PlainWordsClue(const std::vector<std::string>& words, const std::string& lemma,
                           const BlockList& blocked, const std::set<std::string>& knownWords,
                           const LeakCheck& reveals) {
  constexpr int kMostSynonyms = 3;
  std::string clue;
  int taken = 0;
  for (const std::string& synonym : words) {
    if (taken == kMostSynonyms) break;
    if (!IsPlainSynonym(synonym, knownWords) || reveals(synonym) ||
        SharesHead(synonym, lemma) || blocked.BlocksText(synonym)) {
      continue;
    }
    clue += (taken++ ? ", " : "") + synonym;
  }
  return clue;
}

// Broader classes that say too little to clue anything ("a kind of act").
bool IsVague(const std::string& word) {
  static const std::set<std::string> kWords = {
      "act", "action", "activity", "human action", "human activity", "deed", "state",
      "condition", "quality", "property", "attribute", "trait", "process", "thing", "object",
      "entity", "abstraction", "event", "change", "group", "relation", "person", "individual",
      "someone", "cognition", "communication", "location", "part", "whole", "artifact",
      "artefact", "feeling", "concept", "idea", "situation", "status", "measure", "amount",
      "matter", "substance", "organism", "being", "structure", "way", "manner", "kind", "form",
      "use", "work", "content", "message", "time", "period", "show", "social group", "body",
      "establishment", "collection", "position", "beginning", "procedure", "region", "owner",
      "psychological feature", "happening", "occurrence", "instrumentality", "device", "area",
      "unit", "system", "set", "point", "place", "people", "worker", "expert", "be", "make",
      "get", "move", "do", "have", "cause", "go", "take", "give", "put", "act", "change state",
      "transfer", "connect", "think", "interact", "remove", "hold", "keep", "see", "perceive"};
  return kWords.count(word) > 0;
}

// A clue made of the words WordNet puts near the sense: its synonyms ("culprit" for
// PERPETRATOR), else for an adjective the heads of similar senses ("honorific" for RESPECTFUL).
// "" when none is plain and clean. (A noun's or verb's broader class says too little: "a kind of
// body" for UNIVERSITY, "spend" for WINTER.)
std::string NearWordsClue(const std::string& lemma, const Sense& sense, const BlockList& blocked,
                          const std::set<std::string>& knownWords, const LeakCheck& reveals,
                          bool commonest) {
  std::string clue = PlainWordsClue(sense.synonyms, lemma, blocked, knownWords, reveals);
  if (!clue.empty()) return clue;
  constexpr int kNoun = 0, kVerb = 1, kAdjective = 2;
  if (sense.partOfSpeech == kAdjective) {
    return PlainWordsClue(sense.similar, lemma, blocked, knownWords, reveals);
  }
  if ((sense.partOfSpeech != kNoun && sense.partOfSpeech != kVerb) || !commonest) return "";
  std::vector<std::string> broader;
  for (const std::string& word : sense.broader) {
    if (!IsVague(word)) broader.push_back(word);
  }
  clue = PlainWordsClue(broader, lemma, blocked, knownWords, reveals);
  clue = clue.substr(0, clue.find(','));
  return clue.empty() || sense.partOfSpeech == kVerb ? clue : "a kind of " + clue;
}

// What the clue of a sense is made with.
struct ClueSource {
  const std::string& lemma;
  const BlockList& blocked;
  const std::set<std::string>& knownWords;
  const LeakCheck& reveals;
};

// The clue of a sense: the longest cut of its definition (without a leading usage note) that
// does not give the word away, else that cut with a leaking alternative taken out, else near
// words. "" when there is none; anyCut tells whether the definition gave a cut at all.
std::string ClueOfSense(const ClueSource& source, const Sense& sense,
                        const std::string& definition, bool commonest, bool& fromDefinition,
                        bool& anyCut) {
  std::vector<std::string> cuts = ClueCuts(WithoutUsageNote(definition));
  anyCut = !cuts.empty();
  const size_t wholeCuts = cuts.size();
  for (size_t c = 0; c < wholeCuts; ++c) {
    std::string pruned = WithoutLeakingAlternatives(cuts[c], source.reveals);
    if (pruned != cuts[c] && pruned.size() >= kShortestCut && !EndsOnDanglingWord(pruned)) {
      cuts.push_back(std::move(pruned));
    }
  }
  for (const std::string& cut : cuts) {
    if (source.reveals(cut)) continue;
    fromDefinition = true;
    return cut;
  }
  return NearWordsClue(source.lemma, sense, source.blocked, source.knownWords, source.reveals,
                       commonest);
}

// Adds the clue unless it is there already; true when added.
bool AddOnce(std::vector<std::string>& meanings, std::string clue) {
  if (std::find(meanings.begin(), meanings.end(), clue) != meanings.end()) return false;
  meanings.push_back(std::move(clue));
  return true;
}

}  // namespace

LemmaClues CluesOfLemma(const std::string& lemma, std::vector<Sense> senses,
                        const BlockList& blocked, const std::set<std::string>& knownWords,
                        const WordFamilies* families) {
  const LeakCheck reveals{lemma, families};
  std::stable_sort(senses.begin(), senses.end(), [](const Sense& a, const Sense& b) {
    if (a.tagCount != b.tagCount) return a.tagCount > b.tagCount;
    if (a.number != b.number) return a.number < b.number;
    return a.partOfSpeech < b.partOfSpeech;
  });
  LemmaClues result;
  auto& unsavoury = result.dropped[static_cast<size_t>(DropReason::Unsavoury)];
  if (blocked.BlocksWord(lemma) ||
      (!senses.empty() && IsOffensiveTerm(senses[0], DefinitionOfGloss(senses[0].gloss)))) {
    unsavoury = static_cast<int>(senses.size());
    result.wordReason = DropReason::Unsavoury;
    return result;
  }

  result.commonestRanked = !senses.empty() && senses[0].tagCount >= kRankedTags;
  std::vector<std::string> common, proper;
  bool anyDropped = false;
  auto drop = [&](DropReason reason) {
    ++result.dropped[static_cast<size_t>(reason)];
    if (!anyDropped) result.wordReason = reason;  // the most common sense's reason
    anyDropped = true;
  };
  const ClueSource source{lemma, blocked, knownWords, reveals};
  for (size_t s = 0; s < senses.size(); ++s) {
    const Sense& sense = senses[s];
    const std::string definition = DefinitionOfGloss(sense.gloss);
    const bool commonest = s == 0 && result.commonestRanked;
    if (IsOffensiveTerm(sense, definition) || blocked.BlocksText(definition)) {
      drop(DropReason::Unsavoury);
      result.commonestBarred |= commonest;
      continue;
    }
    const bool properNoun = NamesProperNoun(sense, definition);
    result.commonestBarred |= commonest && properNoun;
    bool fromDefinition = false, anyCut = false;
    std::string clue = ClueOfSense(source, sense, definition, commonest, fromDefinition, anyCut);
    if (clue.empty()) {
      drop(anyCut ? DropReason::Stem : DropReason::Cut);
      continue;
    }
    if (!fromDefinition) ++result.synonymClues;
    const bool firstClue = !properNoun && common.empty();
    if (AddOnce(properNoun ? proper : common, std::move(clue)) && firstClue && s == 0) {
      result.commonestFirst = true;
    }
  }
  if (result.commonestBarred) result.commonestRanked = false;
  if (common.empty()) {
    // Without a common sense a proper noun would be the first clue: the word goes.
    result.dropped[static_cast<size_t>(DropReason::ProperNoun)] += static_cast<int>(proper.size());
    if (!proper.empty()) result.wordReason = DropReason::ProperNoun;
    return result;
  }
  result.meanings = std::move(common);
  for (std::string& clue : proper) AddOnce(result.meanings, std::move(clue));
  return result;
}

}  // namespace sl::wordlists
