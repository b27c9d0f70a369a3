#include "clue_leak.h"

#include <algorithm>
#include <set>

#include "word_text.h"

namespace sl::wordlists {

namespace {

constexpr size_t kShortestRoot = 3;

const char* const kPrefixes[] = {"counter", "under", "over", "non", "dis", "mis", "pre", "out",
                                  "re",      "un",    "in",   "im",  "il",  "ir",  "en",  "em",
                                  "de",      "a"};

const char* const kSuffixes[] = {
    "s",     "es",    "ies",   "ed",    "ied",  "d",     "ing",   "er",    "ers",   "ier",
    "est",   "iest",  "or",    "ors",   "ly",   "ily",   "ness",  "iness", "ist",   "ists",
    "ism",   "isms",  "ity",   "ities", "ion",  "ions",  "ation", "ition", "al",    "ial",
    "ical",  "ic",    "ics",   "ous",   "ious", "eous",  "ive",   "ative", "ment",  "ments",
    "able",  "ible",  "ably",  "ibly",  "ful",  "less",  "ward",  "wards", "itis",  "ess",
    "ize",   "ise",   "ization", "isation", "y", "ry",   "ery",   "ance",  "ence",  "ancy",
    "ency",  "ship",  "hood",  "dom",   "ish",  "ian",   "an",    "ee",    "ant",   "ent",
    "ate",   "ated",  "ating", "ator",  "ators", "en",    "n",
};

bool IsVowel(char ch) { return ch == 'a' || ch == 'e' || ch == 'i' || ch == 'o' || ch == 'u'; }

bool EndsWith(const std::string& text, std::string_view end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The stem left by taking an ending off, in the spellings it may have had before.
void AddStemSpellings(const std::string& stem, std::set<std::string>& out) {
  out.insert(stem);
  out.insert(stem + "e");  // hoping -> hope
  const size_t n = stem.size();
  if (stem[n - 1] == 'i') out.insert(stem.substr(0, n - 1) + "y");  // happiness -> happy
  if (n >= 2 && stem[n - 1] == stem[n - 2] && !IsVowel(stem[n - 1])) {
    out.insert(stem.substr(0, n - 1));  // running -> run
  }
  if (EndsWith(stem, "bil")) out.insert(stem.substr(0, n - 3) + "ble");  // ability -> able
  if (EndsWith(stem, "ic")) out.insert(stem.substr(0, n - 2) + "y");  // application -> apply
  if (stem[n - 1] == 'c') {  // revocable -> revoke
    out.insert(stem.substr(0, n - 1) + "k");
    out.insert(stem.substr(0, n - 1) + "ke");
  }
}

}  // namespace

std::vector<std::string> RootsOf(std::string_view word) {
  std::set<std::string> roots{Lower(word)};
  std::vector<std::string> pending(roots.begin(), roots.end());
  // Each round takes one more affix off what the last round found; a few rounds reach roots
  // such as "critic" in "uncritically".
  for (int round = 0; round < 4 && !pending.empty(); ++round) {
    std::set<std::string> found;
    for (const std::string& form : pending) {
      for (std::string_view prefix : kPrefixes) {
        if (form.size() >= prefix.size() + 4 && form.compare(0, prefix.size(), prefix) == 0) {
          found.insert(form.substr(prefix.size()));
        }
      }
      for (std::string_view suffix : kSuffixes) {
        if (form.size() >= suffix.size() + kShortestRoot && EndsWith(form, suffix)) {
          AddStemSpellings(form.substr(0, form.size() - suffix.size()), found);
        }
      }
    }
    pending.clear();
    for (const std::string& root : found) {
      if (root.size() >= kShortestRoot && roots.insert(root).second) pending.push_back(root);
    }
  }
  return {roots.begin(), roots.end()};
}

namespace {

size_t SharedBeginning(const std::string& a, const std::string& b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

// True when the word holds a run of `length` letters that stands somewhere in the answer too
// ("cushion" for PINCUSHION, "morally" for AMORALLY).
bool HoldsRunOf(const std::string& word, const std::string& answer, size_t length) {
  for (size_t at = 0; at + length <= answer.size(); ++at) {
    if (word.find(answer.c_str() + at, 0, length) != std::string::npos) return true;
  }
  return false;
}

bool IsFunctionWord(const std::string& word) {
  static const std::set<std::string> kWords = {
      "that", "this", "with", "from", "have", "into", "than", "then", "them", "they", "what",
      "when", "some", "such", "each", "more", "most", "also", "been", "were", "made", "make",
      "used", "very", "only", "upon", "onto", "your", "will", "both", "over", "under", "other",
      "there", "where"};
  return kWords.count(word) > 0;
}

// Words that end an answer as a suffix rather than as a part ("comfortable", "likewise").
bool IsSuffixWord(const std::string& word) {
  static const std::set<std::string> kWords = {"able", "less", "like", "ward", "ship", "hood",
                                               "ness", "wise", "some", "ment", "ance", "ence"};
  return kWords.count(word) > 0;
}

// The number of single-letter edits that turn one word into the other.
size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> row(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// True when the text is empty or a chain of the suffixes ("ally" is -al and -ly).
bool IsSuffixChain(std::string_view text) {
  if (text.empty()) return true;
  for (std::string_view suffix : kSuffixes) {
    if (text.substr(0, suffix.size()) == suffix && IsSuffixChain(text.substr(suffix.size()))) {
      return true;
    }
  }
  return false;
}

// True when the text is the root followed by suffixes, allowing the root's spelling changes:
// a doubled last letter ("swim" in "swimming"), a dropped final e ("move" in "moving"), y turned
// to i ("happy" in "happiness").
bool IsRootWithSuffixes(std::string_view text, const std::string& root, bool respelt) {
  const size_t n = root.size();
  if (text.substr(0, n) == root) {
    std::string_view rest = text.substr(n);
    if (IsSuffixChain(rest)) return true;
    if (respelt && !rest.empty() && rest[0] == root[n - 1] && IsSuffixChain(rest.substr(1))) {
      return true;
    }
  }
  if (respelt && n >= 4 && (root[n - 1] == 'e' || root[n - 1] == 'y') &&
      text.substr(0, n - 1) == std::string_view(root).substr(0, n - 1)) {
    std::string_view rest = text.substr(n - 1);
    if (root[n - 1] == 'e' ? IsSuffixChain(rest) : !rest.empty() && rest[0] == 'i' &&
                                                      IsSuffixChain(rest.substr(1))) {
      return true;
    }
  }
  return false;
}

// How a word may be made of a root: as it stands or respelt, after a prefix or not.
struct Making {
  bool prefixed = false;
  bool respelt = false;
};

// True when the word is the root with suffixes, after one of the prefixes when allowed
// ("unstable" and "stable", "movement" and "move"; not "activity" and "act"). A respelt root
// proves little on its own: "acte" would be spelt in both "reaction" and "activity".
bool SpeltWith(const std::string& word, const std::string& root, Making making) {
  if (IsRootWithSuffixes(word, root, making.respelt)) return true;
  if (!making.prefixed) return false;
  for (std::string_view prefix : kPrefixes) {
    if (word.compare(0, prefix.size(), prefix) == 0 &&
        IsRootWithSuffixes(std::string_view(word).substr(prefix.size()), root, making.respelt)) {
      return true;
    }
  }
  return false;
}

// A root both words are built on: one of them ("joy" for JOYFULLY), one of four letters or more
// that one of them is plainly made of ("move" for MOVEMENT and "moving", "stable" for
// DESTABILIZE and "unstable"), or one of three letters that one begins with plainly and the
// other is made of in any way ("add" for ADDITION and "adding", "arm" for DISARMING and "arms").
bool ShareRoot(const std::vector<std::string>& answerRoots, const std::string& answer,
               const std::string& word) {
  for (const std::string& root : RootsOf(word)) {
    if (!std::binary_search(answerRoots.begin(), answerRoots.end(), root)) continue;
    if (root == word || root == answer) return true;
    const Making plain{true, false}, bare{false, false}, any{true, true};
    const bool shared =
        root.size() > kShortestRoot
            ? SpeltWith(word, root, plain) || SpeltWith(answer, root, plain)
            : (SpeltWith(word, root, bare) && SpeltWith(answer, root, any)) ||
                  (SpeltWith(answer, root, bare) && SpeltWith(word, root, any));
    if (shared) return true;
  }
  return false;
}

// True when the answer begins or ends with the clue's word, or a root of four letters or more the
// clue's word is made of: a part of a compound (CANNONBALL and "cannon", DISHWASHER and
// "dishes", CAMPSITE and "encampment"). Function words such as "that" or "over" are no parts, and
// suffix-like words such as "able" are no final parts.
bool IsPartOf(const std::string& answer, const std::string& word) {
  if (IsFunctionWord(word)) return false;
  for (const std::string& root : RootsOf(word)) {
    if (root.size() < 4 || root.size() >= answer.size() || IsFunctionWord(root)) continue;
    if (root != word && !SpeltWith(word, root, Making{true, true})) continue;
    if (StartsWith(answer, root) ||
        (!IsSuffixWord(root) &&
         answer.compare(answer.size() - root.size(), root.size(), root) == 0)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool RevealsWord(std::string_view clue, std::string_view answerText) {
  const std::string answer = Lower(answerText);
  if (answer.empty()) return false;
  const std::vector<std::string> answerRoots = RootsOf(answer);
  const size_t mostOfAnswer = std::max<size_t>(5, (answer.size() * 6 + 9) / 10);
  for (const std::string& word : LowerWordsOf(clue)) {
    if (word == answer || SharedBeginning(word, answer) >= 5) return true;
    // Another spelling of a long answer ("tendinitis" for TENDONITIS).
    if (answer.size() >= 8 && EditDistance(word, answer) <= answer.size() / 5) return true;
    if (HoldsRunOf(word, answer, mostOfAnswer)) return true;
    if (ShareRoot(answerRoots, answer, word) || IsPartOf(answer, word)) return true;
  }
  return false;
}

}  // namespace sl::wordlists
