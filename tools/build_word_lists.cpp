// Builds the game's word lists from Debian's WordNet and American word list:
//   english1.txt  every word of 8 to 12 letters (a-z only) that is in both and has a usable
//                 meaning; upper case, sorted
//   mean6.txt     WORD:meaning for every single-word WordNet entry of 3 to 15 letters, the most
//                 common sense first; offensive senses, obscene words and meanings that give
//                 their word away are left out
// Both are written with CR LF. The output depends only on the input files.
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/text_lines.h"
#include "generation/dictionary_words.h"
#include "generation/meaning_text.h"
#include "wordnet_reader.h"

namespace sl::wordlists {
namespace {

constexpr size_t kShortestEntry = 3;
constexpr size_t kLongestEntry = 15;
std::string Upper(std::string word) {
  for (char& ch : word) ch = static_cast<char>(ch - 'a' + 'A');
  return word;
}

// The clue texts of a lemma, most common sense first. None when the word itself is obscene or
// vulgar; senses that make it a slur or a derogatory term are left out.
std::vector<std::string> MeaningsOf(const std::string& lemma, std::vector<Sense> senses) {
  std::stable_sort(senses.begin(), senses.end(), [](const Sense& a, const Sense& b) {
    if (a.tagCount != b.tagCount) return a.tagCount > b.tagCount;
    if (a.number != b.number) return a.number < b.number;
    return a.partOfSpeech < b.partOfSpeech;
  });
  std::vector<std::string> meanings;
  for (const auto& sense : senses) {
    std::string definition = DefinitionOfGloss(sense.gloss);
    TermMark mark = MarkOfDefinition(definition);
    if (sense.obsceneUsage || mark == TermMark::Vulgar) return {};
    if (sense.derogatoryUsage || mark == TermMark::Offensive) continue;
    std::string clue = ShortenClue(definition);
    if (clue.empty() || GivesWordAway(clue, lemma)) continue;
    if (std::find(meanings.begin(), meanings.end(), clue) == meanings.end()) meanings.push_back(clue);
  }
  return meanings;
}

struct Arguments {
  std::string wordnet, words, out;
};

bool ParseArguments(int argc, char** argv, Arguments& args) {
  std::map<std::string, std::string*> named{
      {"--wordnet", &args.wordnet}, {"--words", &args.words}, {"--out", &args.out}};
  for (int i = 1; i + 1 < argc; i += 2) {
    auto found = named.find(argv[i]);
    if (found == named.end()) return false;
    *found->second = argv[i + 1];
  }
  return !args.wordnet.empty() && !args.words.empty() && !args.out.empty();
}

int Run(int argc, char** argv) {
  Arguments args;
  if (!ParseArguments(argc, argv, args)) {
    std::fprintf(stderr, "usage: build_word_lists --wordnet DIR --words FILE --out DIR\n");
    return 2;
  }
  Lemmas lemmas;
  std::string error;
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

  std::vector<std::string> meaningLines;
  std::set<std::string> withMeanings;
  for (const auto& [lemma, senses] : lemmas) {
    if (lemma.size() < kShortestEntry || lemma.size() > kLongestEntry) continue;
    if (!LowerLettersOnly(lemma)) continue;
    std::vector<std::string> meanings = MeaningsOf(lemma, senses);
    if (meanings.empty()) continue;
    withMeanings.insert(lemma);
    for (const auto& meaning : meanings) meaningLines.push_back(Upper(lemma) + ":" + meaning);
  }

  std::vector<std::string> dictionaryLines = DictionaryWordsOf(
      american, [&](const std::string& word) { return withMeanings.count(word) > 0; });

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
  std::printf(" )\nmean6.txt: %zu meanings of %zu words\n", meaningLines.size(),
              withMeanings.size());
  return 0;
}

}  // namespace
}  // namespace sl::wordlists

int main(int argc, char** argv) { return sl::wordlists::Run(argc, argv); }
