// Builds the game's word lists from Debian's WordNet and American word list:
//   english1.txt  every word of 8 to 12 letters (a-z only) that is in both and has a clean
//                 meaning; upper case, sorted
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
  std::string wordnet, words, blocked, out;
};

bool ParseArguments(int argc, char** argv, Arguments& args) {
  std::map<std::string, std::string*> named{{"--wordnet", &args.wordnet},
                                            {"--words", &args.words},
                                            {"--blocked", &args.blocked},
                                            {"--out", &args.out}};
  if (argc % 2 == 0) return false;
  for (int i = 1; i + 1 < argc; i += 2) {
    auto found = named.find(argv[i]);
    if (found == named.end()) return false;
    *found->second = argv[i + 1];
  }
  return !args.wordnet.empty() && !args.words.empty() && !args.blocked.empty() &&
         !args.out.empty();
}

using Tally = std::array<int, kDropReasonCount>;

std::string TallyText(const Tally& tally) {
  std::string text;
  for (size_t reason = 0; reason < kDropReasonCount; ++reason) {
    text += (reason ? ", " : "") + std::to_string(tally[reason]) + " " + kDropReasonNames[reason];
  }
  return text;
}

int Run(int argc, char** argv) {
  Arguments args;
  if (!ParseArguments(argc, argv, args)) {
    std::fprintf(stderr,
                 "usage: build_word_lists --wordnet DIR --words FILE --blocked FILE --out DIR\n");
    return 2;
  }
  std::string error;
  BlockList blocked;
  if (!blocked.Read(args.blocked, error)) {
    std::fprintf(stderr, "build_word_lists: %s\n", error.c_str());
    return 1;
  }
  Lemmas lemmas;
  if (!ReadWordNet(args.wordnet, lemmas, error)) {
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

  std::vector<std::string> meaningLines;
  std::set<std::string> withMeanings;
  std::map<std::string, DropReason> leftOut;
  Tally droppedMeanings{};
  int synonymClues = 0;
  for (const auto& [lemma, senses] : lemmas) {
    if (lemma.size() < kShortestEntry || lemma.size() > kLongestEntry) continue;
    if (!LowerLettersOnly(lemma)) continue;
    LemmaClues clues = CluesOfLemma(lemma, senses, blocked, knownWords);
    synonymClues += clues.synonymClues;
    for (size_t reason = 0; reason < kDropReasonCount; ++reason) {
      droppedMeanings[reason] += clues.dropped[reason];
    }
    if (clues.meanings.empty()) {
      leftOut.emplace(lemma, clues.wordReason);
      continue;
    }
    withMeanings.insert(lemma);
    for (const auto& meaning : clues.meanings) meaningLines.push_back(Upper(lemma) + ":" + meaning);
  }

  std::vector<std::string> dictionaryLines = DictionaryWordsOf(
      american, [&](const std::string& word) { return withMeanings.count(word) > 0; });
  // Why the American words of puzzle length that WordNet knows are not in the dictionary.
  Tally droppedWords{};
  for (const std::string& word : DictionaryWordsOf(american)) {
    auto found = leftOut.find(Lower(word));
    if (found != leftOut.end()) ++droppedWords[static_cast<size_t>(found->second)];
  }

  const std::string folder = WithTrailingSeparator(args.out);
  if (!WriteLinesReplacing(folder + "english1.txt", dictionaryLines) ||
      !WriteLinesReplacing(folder + "mean6.txt", meaningLines)) {
    std::fprintf(stderr, "build_word_lists: cannot write into %s\n", args.out.c_str());
    return 1;
  }
  std::map<size_t, int> perLength;
  for (const auto& word : dictionaryLines) ++perLength[word.size()];
  std::printf("english1.txt: %zu words (", dictionaryLines.size());
  for (const auto& [length, count] : perLength) std::printf(" %zu letters: %d;", length, count);
  std::printf(" ); American words of 8 to 12 letters left out: %s\n",
              TallyText(droppedWords).c_str());
  std::printf("mean6.txt: %zu meanings of %zu words (%d clued by synonyms); meanings left out: %s; "
              "words left out: %zu\n",
              meaningLines.size(), withMeanings.size(), synonymClues,
              TallyText(droppedMeanings).c_str(), leftOut.size());
  std::printf("block list: %zu entries\n", blocked.EntryCount());
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
