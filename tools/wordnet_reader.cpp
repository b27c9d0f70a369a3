#include "wordnet_reader.h"

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <unordered_map>

#include "common/text_lines.h"

namespace sl::wordlists {

namespace {

// A pointer between two words of two synsets: derivation ("+") or antonymy ("!").
struct LexicalLink {
  bool antonym = false;
  uint64_t target = 0;  // key of the target synset
  int sourceWord = 0;   // 1-based word numbers within the two synsets
  int targetWord = 0;
};

struct Synset {
  std::string gloss;
  std::vector<LexicalLink> lexicalLinks;
  std::vector<uint64_t> broader, similar;   // keys of the "@" and "&" targets
  std::vector<uint64_t> usageDomains;       // keys of the synsets its ";u" pointers name
  std::vector<std::string> words;           // as the data file writes them
  std::vector<std::string> capitalized;     // its words written with a capital, in lower case
  bool instance = false;                    // it has an instance hypernym ("@i")
};

// Synset offsets are unique only within one part of speech's data file.
uint64_t Key(int partOfSpeech, uint64_t offset) {
  return (static_cast<uint64_t>(partOfSpeech) << 40) | offset;
}

int PartOfSpeechOfLetter(char letter) {
  switch (letter) {
    case 'n': return 0;
    case 'v': return 1;
    case 'a': case 's': return 2;
    case 'r': return 3;
    default: return -1;
  }
}

enum class Domain { Other, Derogatory, Obscene };

// The usage-domain synsets whose members are labelled offensive, by the words that name them.
Domain DomainOf(const std::vector<std::string>& words) {
  for (const auto& word : words) {
    if (word == "ethnic_slur" || word == "disparagement" || word == "derogation") {
      return Domain::Derogatory;
    }
    if (word == "obscenity" || word == "vulgarism" || word == "dirty_word") return Domain::Obscene;
  }
  return Domain::Other;
}

bool ReadFileLines(const std::string& path, std::vector<std::string>& lines, std::string& error) {
  if (ReadLines(path, lines)) return true;
  error = "cannot read " + path;
  return false;
}

std::string Malformed(const std::string& path, size_t line) {
  return path + ":" + std::to_string(line + 1) + ": unexpected format";
}

// Reads a count written in the given base (16 or 10) with no sign; false unless it is a whole
// token no bigger than `limit`. The counts size the vectors below, so they are checked first.
bool ReadCount(std::istream& in, int base, int limit, int& count) {
  std::string token;
  if (!(in >> token) || token.size() > 4) return false;
  count = 0;
  for (char ch : token) {
    int digit = ch >= '0' && ch <= '9'               ? ch - '0'
                : base == 16 && ch >= 'a' && ch <= 'f' ? ch - 'a' + 10
                                                       : -1;
    if (digit < 0) return false;
    count = count * base + digit;
  }
  return count <= limit;
}

// A synset word as the index files write it: lower case, without an adjective's position marker
// such as "(a)" or "(ip)".
std::string IndexForm(const std::string& word) {
  std::string form = word.substr(0, word.find('('));
  for (char& ch : form) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return form;
}

// The word as a lemma: the index form with blanks between words.
std::string LemmaForm(const std::string& word) {
  std::string form = IndexForm(word);
  std::replace(form.begin(), form.end(), '_', ' ');
  return form;
}

// A synset word as a clue writes it: without an adjective's position marker, blanks between
// words.
std::string ClueForm(const std::string& word) {
  std::string form = word.substr(0, word.find('('));
  std::replace(form.begin(), form.end(), '_', ' ');
  return form;
}

// The first word of each synset named.
std::vector<std::string> FirstWords(const std::vector<uint64_t>& keys,
                                    const std::unordered_map<uint64_t, Synset>& synsets) {
  std::vector<std::string> words;
  for (uint64_t key : keys) {
    auto found = synsets.find(key);
    if (found != synsets.end() && !found->second.words.empty()) {
      words.push_back(ClueForm(found->second.words.front()));
    }
  }
  return words;
}

// The lemmas the word (1-based number within the synset) is linked to by "+" pointers, or by
// "!" pointers when antonyms are asked for.
std::vector<std::string> RelatedWords(const Synset& synset, int wordNumber, bool antonyms,
                                      const std::unordered_map<uint64_t, Synset>& synsets) {
  std::vector<std::string> related;
  for (const LexicalLink& link : synset.lexicalLinks) {
    if (link.sourceWord != wordNumber || link.antonym != antonyms) continue;
    auto target = synsets.find(link.target);
    if (target == synsets.end() || link.targetWord < 1 ||
        link.targetWord > static_cast<int>(target->second.words.size())) {
      continue;
    }
    related.push_back(LemmaForm(target->second.words[static_cast<size_t>(link.targetWord - 1)]));
  }
  return related;
}

// One line of a data file: "offset lex_filenum ss_type w_cnt (word lex_id)... p_cnt
// (symbol offset pos source/target)... [frames] | gloss".
bool ParseDataLine(const std::string& line, int pos, std::unordered_map<uint64_t, Synset>& synsets,
                   std::unordered_map<uint64_t, Domain>& domains) {
  size_t bar = line.find(" | ");
  std::istringstream in(line.substr(0, bar));
  uint64_t offset = 0;
  std::string lexFile, ssType;
  int wordCount = 0;
  if (!(in >> offset >> lexFile >> ssType) || !ReadCount(in, 16, 0xff, wordCount)) return false;
  std::vector<std::string> words(static_cast<size_t>(wordCount));
  Synset synset;
  std::string lexId;
  for (auto& word : words) {
    if (!(in >> word >> lexId)) return false;
    if (word[0] >= 'A' && word[0] <= 'Z') synset.capitalized.push_back(IndexForm(word));
  }
  synset.words = words;
  int pointerCount = 0;
  if (!ReadCount(in, 10, 999, pointerCount)) return false;
  for (int p = 0; p < pointerCount; ++p) {
    std::string symbol, targetPos, sourceTarget;
    uint64_t target = 0;
    if (!(in >> symbol >> target >> targetPos >> sourceTarget)) return false;
    int targetPart = PartOfSpeechOfLetter(targetPos[0]);
    if (targetPart < 0) return false;
    if (symbol == ";u") synset.usageDomains.push_back(Key(targetPart, target));
    if (symbol == "@i") synset.instance = true;
    if (symbol == "@") synset.broader.push_back(Key(targetPart, target));
    if (symbol == "&") synset.similar.push_back(Key(targetPart, target));
    if ((symbol == "+" || symbol == "!") && sourceTarget.size() == 4) {
      int source = 0, targetWord = 0;
      std::istringstream numbers(sourceTarget.substr(0, 2) + " " + sourceTarget.substr(2));
      numbers >> std::hex >> source >> targetWord;
      synset.lexicalLinks.push_back({symbol == "!", Key(targetPart, target), source, targetWord});
    }
  }
  if (bar != std::string::npos) synset.gloss = line.substr(bar + 3);
  uint64_t key = Key(pos, offset);
  Domain domain = DomainOf(words);
  if (domain != Domain::Other) domains[key] = domain;
  synsets[key] = std::move(synset);
  return true;
}

// One line of an index file: "lemma pos synset_cnt p_cnt (symbol)... sense_cnt tagsense_cnt
// (offset)..." with the offsets in sense-number order.
bool ParseIndexLine(const std::string& line, std::string& lemma, std::vector<uint64_t>& offsets) {
  std::istringstream in(line);
  std::string pos, symbol;
  int synsetCount = 0, pointerCount = 0, senseCount = 0, tagSenseCount = 0;
  if (!(in >> lemma >> pos) || !ReadCount(in, 10, 999, synsetCount) ||
      !ReadCount(in, 10, 999, pointerCount)) {
    return false;
  }
  for (int p = 0; p < pointerCount; ++p) {
    if (!(in >> symbol)) return false;
  }
  if (!(in >> senseCount >> tagSenseCount)) return false;
  offsets.assign(static_cast<size_t>(synsetCount), 0);
  for (auto& offset : offsets) {
    if (!(in >> offset)) return false;
  }
  return true;
}

}  // namespace

bool ReadWordNet(const std::string& folder, Lemmas& lemmas, std::string& error) {
  const std::string base = folder + "/";
  std::vector<std::string> lines;
  std::unordered_map<uint64_t, Synset> synsets;
  std::unordered_map<uint64_t, Domain> domains;
  for (int pos = 0; pos < 4; ++pos) {
    const std::string path = base + "data." + kPartsOfSpeech[pos];
    if (!ReadFileLines(path, lines, error)) return false;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].empty() || lines[i][0] == ' ') continue;  // the licence at the top
      if (!ParseDataLine(lines[i], pos, synsets, domains)) {
        error = Malformed(path, i);
        return false;
      }
    }
  }

  lemmas.clear();
  for (int pos = 0; pos < 4; ++pos) {
    const std::string path = base + "index." + kPartsOfSpeech[pos];
    if (!ReadFileLines(path, lines, error)) return false;
    std::string lemma;
    std::vector<uint64_t> offsets;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines[i].empty() || lines[i][0] == ' ') continue;
      if (!ParseIndexLine(lines[i], lemma, offsets)) {
        error = Malformed(path, i);
        return false;
      }
      auto& senses = lemmas[lemma];
      for (size_t s = 0; s < offsets.size(); ++s) {
        auto found = synsets.find(Key(pos, offsets[s]));
        if (found == synsets.end()) {
          error = path + ": " + lemma + " names a missing synset";
          return false;
        }
        Sense sense;
        sense.partOfSpeech = pos;
        sense.number = static_cast<int>(s) + 1;
        const Synset& synset = found->second;
        sense.gloss = synset.gloss;
        sense.instance = synset.instance;
        sense.capitalized = std::find(synset.capitalized.begin(), synset.capitalized.end(),
                                      lemma) != synset.capitalized.end();
        for (size_t w = 0; w < synset.words.size(); ++w) {
          if (IndexForm(synset.words[w]) != lemma) continue;
          const int number = static_cast<int>(w) + 1;
          sense.derived = RelatedWords(synset, number, false, synsets);
          sense.antonyms = RelatedWords(synset, number, true, synsets);
        }
        for (const std::string& word : synset.words) {
          if (IndexForm(word) != lemma) sense.synonyms.push_back(ClueForm(word));
        }
        sense.broader = FirstWords(synset.broader, synsets);
        sense.similar = FirstWords(synset.similar, synsets);
        for (uint64_t key : synset.usageDomains) {
          auto domain = domains.find(key);
          if (domain == domains.end()) continue;
          if (domain->second == Domain::Derogatory) sense.derogatoryUsage = true;
          if (domain->second == Domain::Obscene) sense.obsceneUsage = true;
        }
        senses.push_back(std::move(sense));
      }
    }
  }

  // "lemma%ss_type:lex_filenum:lex_id:head:head_id sense_number tag_count"
  const std::string counts = base + "cntlist.rev";
  if (!ReadFileLines(counts, lines, error)) return false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::istringstream in(lines[i]);
    std::string senseKey;
    int number = 0, tagCount = 0;
    if (!(in >> senseKey >> number >> tagCount)) continue;
    size_t percent = senseKey.find('%');
    if (percent == std::string::npos || percent + 1 >= senseKey.size()) continue;
    static const int kTypeToPos[] = {-1, 0, 1, 2, 3, 2};  // ss_type 1..5: n v a r s
    int type = senseKey[percent + 1] - '0';
    if (type < 1 || type > 5) continue;
    auto lemma = lemmas.find(senseKey.substr(0, percent));
    if (lemma == lemmas.end()) continue;
    for (auto& sense : lemma->second) {
      if (sense.partOfSpeech == kTypeToPos[type] && sense.number == number) sense.tagCount = tagCount;
    }
  }
  return true;
}

bool ReadExceptions(const std::string& folder, Exceptions& exceptions, std::string& error) {
  exceptions.clear();
  std::vector<std::string> lines;
  for (const char* part : kPartsOfSpeech) {
    if (!ReadFileLines(folder + "/" + part + ".exc", lines, error)) return false;
    for (const std::string& line : lines) {
      std::istringstream in(line);
      std::string form, base;
      if (!(in >> form)) continue;
      while (in >> base) {
        std::replace(base.begin(), base.end(), '_', ' ');
        exceptions[form].push_back(base);
      }
    }
  }
  return true;
}

}  // namespace sl::wordlists
