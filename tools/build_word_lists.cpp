// Builds the game's word lists from Debian's WordNet, American word list and SCOWL lists:
//   english2.txt  every word of 8 to 12 letters (a-z only) that is in both WordNet and the
//                 American list and has a clean meaning; upper case, sorted
//   english1.txt  the everyday words of english2.txt: familiarity score (familiarity.h) at most
//                 kEverydayScore
//   mean6.txt     WORD:meaning for every single-word WordNet entry of 3 to 15 letters that has a
//                 clean meaning, common senses first (see clue_choice.h for what is left out)
// Both are written with CR LF. The output depends only on the input files and the block list.
// It prints what it kept and what it left out, by reason, so a change in the data shows.
#include <array>
#include <cstdio>
#include <exception>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "block_list.h"
#include "clue_choice.h"
#include "familiarity.h"
#include "gloss_errata.h"
#include "word_family.h"
#include "common/files.h"
#include "common/text_lines.h"
#include "generation/dictionary_words.h"
#include "word_text.h"
#include "wordnet_reader.h"

namespace sl::wordlists {
namespace {

constexpr size_t kShortestEntry = 3;
constexpr size_t kLongestEntry = 15;

std::string Upper(std::string word) {
  for (char& ch : word) ch = static_cast<char>(ch - 'a' + 'A');
  return word;
}

struct Arguments {
  std::string wordnet, words, scowl, blocked, errata, out;
};

bool ParseArguments(int argc, char** argv, Arguments& args) {
  std::map<std::string, std::string*> named{{"--wordnet", &args.wordnet},
                                            {"--words", &args.words},
                                            {"--scowl", &args.scowl},
                                            {"--blocked", &args.blocked},
                                            {"--errata", &args.errata},
                                            {"--out", &args.out}};
  if (argc % 2 == 0) return false;
  for (int i = 1; i + 1 < argc; i += 2) {
    auto found = named.find(argv[i]);
    if (found == named.end()) return false;
    *found->second = argv[i + 1];
  }
  return !args.wordnet.empty() && !args.words.empty() && !args.scowl.empty() &&
         !args.blocked.empty() && !args.errata.empty() && !args.out.empty();
}

using Tally = std::array<int, kDropReasonCount>;

std::string TallyText(const Tally& tally) {
  std::string text;
  for (size_t reason = 0; reason < kDropReasonCount; ++reason) {
    text += (reason ? ", " : "") + std::to_string(tally[reason]) + " " + kDropReasonNames[reason];
  }
  return text;
}

std::string PerLengthText(const std::vector<std::string>& words) {
  std::map<size_t, int> perLength;
  for (const auto& word : words) ++perLength[word.size()];
  std::string text = std::to_string(words.size()) + " words (";
  for (const auto& [length, count] : perLength) {
    text += " " + std::to_string(length) + " letters: " + std::to_string(count) + ";";
  }
  return text + " )";
}

int Run(int argc, char** argv) {
  Arguments args;
  if (!ParseArguments(argc, argv, args)) {
    std::fprintf(stderr,
                 "usage: build_word_lists --wordnet DIR --words FILE --scowl DIR --blocked FILE "
                 "--errata FILE --out DIR\n");
    return 2;
  }
  std::string error;
  BlockList blocked;
  if (!blocked.Read(args.blocked, error)) {
    std::fprintf(stderr, "build_word_lists: %s\n", error.c_str());
    return 1;
  }
  GlossErrata errata;
  if (!errata.Read(args.errata, error)) {
    std::fprintf(stderr, "build_word_lists: %s\n", error.c_str());
    return 1;
  }
  std::map<std::string, int> levels, tags;
  if (!ReadScowlLevels(args.scowl, levels, error)) {
    std::fprintf(stderr, "build_word_lists: %s (is Debian's scowl installed?)\n", error.c_str());
    return 1;
  }
  Lemmas lemmas;
  Exceptions exceptions;
  if (!ReadWordNet(args.wordnet, lemmas, error) || !ReadExceptions(args.wordnet, exceptions, error) ||
      !ReadTagTotals(args.wordnet + "/cntlist.rev", tags, error)) {
    std::fprintf(stderr, "build_word_lists: %s (is Debian's wordnet-base installed?)\n",
                 error.c_str());
    return 1;
  }
  std::vector<std::string> american;
  if (!ReadLines(args.words, american)) {
    std::fprintf(stderr, "build_word_lists: cannot read %s (is Debian's wamerican installed?)\n",
                 args.words.c_str());
    return 1;
  }

  // The everyday words a synonym clue may be made of.
  std::set<std::string> knownWords;
  for (const std::string& word : american) {
    if (LowerLettersOnly(word)) knownWords.insert(word);
  }

  for (auto& [lemma, senses] : lemmas) {
    for (Sense& sense : senses) sense.gloss = errata.Corrected(sense.gloss);
  }
  const WordFamilies families(lemmas, exceptions, knownWords);

  std::vector<std::string> meaningLines;
  std::set<std::string> withMeanings;
  // Whether the first clue comes from the commonest sense, for words whose commonest sense is
  // plain from the tag counts.
  std::map<std::string, bool> commonestFirst;
  std::set<std::string> barredCommonest;
  std::map<std::string, DropReason> leftOut;
  Tally droppedMeanings{};
  int synonymClues = 0;
  for (const auto& [lemma, senses] : lemmas) {
    if (lemma.size() < kShortestEntry || lemma.size() > kLongestEntry) continue;
    if (!LowerLettersOnly(lemma)) continue;
    LemmaClues clues = CluesOfLemma(lemma, senses, blocked, knownWords, &families);
    synonymClues += clues.synonymClues;
    for (size_t reason = 0; reason < kDropReasonCount; ++reason) {
      droppedMeanings[reason] += clues.dropped[reason];
    }
    if (clues.meanings.empty()) {
      leftOut.emplace(lemma, clues.wordReason);
      continue;
    }
    withMeanings.insert(lemma);
    if (clues.commonestRanked) commonestFirst[lemma] = clues.commonestFirst;
    if (clues.commonestBarred) barredCommonest.insert(lemma);
    for (const auto& meaning : clues.meanings) meaningLines.push_back(Upper(lemma) + ":" + meaning);
  }

  std::vector<std::string> allLines = DictionaryWordsOf(
      american, [&](const std::string& word) { return withMeanings.count(word) > 0; });
  std::vector<std::string> dictionaryLines;
  std::vector<int> scores;
  int ranked = 0, rankedFirst = 0, barred = 0;
  for (const std::string& word : allLines) {
    const std::string lower = Lower(word);
    barred += static_cast<int>(barredCommonest.count(lower));
    auto first = commonestFirst.find(lower);
    if (first != commonestFirst.end()) {
      ++ranked;
      rankedFirst += first->second ? 1 : 0;
    }
    const int score = ScoreOf(levels, tags, lower);
    scores.push_back(score);
    if (score <= kEverydayScore) dictionaryLines.push_back(word);
  }
  // Why the American words of puzzle length that WordNet knows are not in the dictionary.
  Tally droppedWords{};
  for (const std::string& word : DictionaryWordsOf(american)) {
    auto found = leftOut.find(Lower(word));
    if (found != leftOut.end()) ++droppedWords[static_cast<size_t>(found->second)];
  }

  const std::string folder = WithTrailingSeparator(args.out);
  if (!WriteLinesReplacing(folder + "english1.txt", dictionaryLines) ||
      !WriteLinesReplacing(folder + "english2.txt", allLines) ||
      !WriteLinesReplacing(folder + "mean6.txt", meaningLines)) {
    std::fprintf(stderr, "build_word_lists: cannot write into %s\n", args.out.c_str());
    return 1;
  }
  std::printf("english1.txt: %s; everyday words, familiarity score at most %d\n",
              PerLengthText(dictionaryLines).c_str(), kEverydayScore);
  std::printf("english2.txt: %s; American words of 8 to 12 letters left out: %s\n",
              PerLengthText(allLines).c_str(), TallyText(droppedWords).c_str());
  std::printf("familiarity scores of english2.txt: %s\n", ScoreDistribution(scores).c_str());
  std::printf("mean6.txt: %zu meanings of %zu words (%d clued by synonyms); meanings left out: %s; "
              "words left out: %zu\n",
              meaningLines.size(), withMeanings.size(), synonymClues,
              TallyText(droppedMeanings).c_str(), leftOut.size());
  std::printf("first clue from the commonest sense: %d of %d words of 8 to 12 letters whose "
              "commonest sense was seen %d times or more (english2.txt); %d more whose commonest "
              "sense names a proper noun or is unsavoury, never first\n",
              rankedFirst, ranked, kRankedTags, barred);
  std::printf("block list: %zu entries; gloss corrections: %zu\n", blocked.EntryCount(),
              errata.Count());
  return 0;
}

}  // namespace
}  // namespace sl::wordlists

int main(int argc, char** argv) {
  try {
    return sl::wordlists::Run(argc, argv);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "build_word_lists: %s\n", failure.what());
    return 1;
  }
}
