#pragma once
// The generator written the slow, literal way, kept only as the benchmark's baseline: candidate
// entries built as texts ("letters word positions"), kept in case-insensitive sorted lists with
// insertion by a scan for the first greater entry, a full dictionary scan per level, a fresh
// attempt every time (nothing remembered).
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "generation/text_case.h"

namespace sl::baseline {

// Both sides in upper case (the code page's letters, accented ones included), then byte order.
inline int CompareNoCase(const std::string& a, const std::string& b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(UpperCp1252(a[i]));
    const auto y = static_cast<unsigned char>(UpperCp1252(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

class SortedList {
 public:
  void Clear() { items_.clear(); }
  void Add(const std::string& item) {
    size_t at = 0;
    while (at < items_.size() && CompareNoCase(items_[at], item) <= 0) ++at;
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), item);
  }
  std::string Item(size_t index) const { return index < items_.size() ? items_[index] : ""; }
  size_t Count() const { return items_.size(); }

 private:
  std::vector<std::string> items_;
};

struct LinkText {
  std::string letters, positions;
};

inline LinkText FindLink(const std::string& upper, const std::string& lower) {
  std::string s, p;
  for (size_t i = 2; i <= upper.size(); ++i) {
    if (i > lower.size()) break;
    const char c = upper[i - 1];
    if (c == lower[i - 1] && c != 'A' && c != 'E') {
      s += c;
      char digits[8];
      std::snprintf(digits, sizeof digits, "%02d", static_cast<int>(i));
      p += digits;
    }
  }
  if (s.size() < 3) return {};
  const std::string t = s.substr(0, 3);
  const std::string q = p.substr(0, 6);
  const int p1 = std::stoi(q.substr(0, 2)), p2 = std::stoi(q.substr(2, 2)),
            p3 = std::stoi(q.substr(4, 2));
  if (t[0] == t[1] || t[0] == t[2] || t[1] == t[2]) return {};
  if (p2 == p1 + 1 || p3 == p2 + 1) return {};
  return {t, q};
}

// The words of an attempt, level by level, and the link positions below the start word.
struct Chain {
  std::vector<std::string> words, links;
};

class Generator {
 public:
  Generator(std::vector<std::string> dictionary, int size, uint32_t seed)
      : dictionary_(std::move(dictionary)), size_(size), engine_(seed) {}

  // One attempt from the start word; true when it made a chain of `size` words.
  bool BuildChain(size_t start) {
    const std::string w = dictionary_[start];
    levels_[0].Clear();
    levels_[1].Clear();
    levels_[0].Add(w);
    for (const std::string& c : dictionary_) {
      if (c == w) continue;
      const LinkText t = FindLink(w, c);
      if (!t.letters.empty()) levels_[1].Add(t.letters + " " + c + " " + t.positions);
    }
    for (int k = 2; k < size_; ++k) {
      if (levels_[k - 1].Count() == 0) return false;
      levels_[k].Clear();
      const std::string entry = levels_[k - 1].Item(0);
      FillLevel(k, entry.substr(4), entry.substr(0, 3), UsedLinkLetters(k - 1));
    }
    return levels_[size_ - 1].Count() > 0;
  }

  // The chain of the last attempt, as far as it got: levels deeper than the first empty one
  // still hold what earlier attempts left there.
  Chain LastChain() const {
    Chain chain{{levels_[0].Item(0)}, {}};
    for (int k = 1; k < size_ && levels_[k].Count() > 0; ++k) {
      const std::string entry = levels_[k].Item(0);
      chain.words.push_back(entry.substr(4, size_));
      chain.links.push_back(entry.substr(5 + size_));
    }
    return chain;
  }

  // Attempts from random start words until one makes a chain; its words.
  std::vector<std::string> CreatePuzzle() {
    std::uniform_int_distribution<size_t> draw(0, dictionary_.size() - 1);
    Chain chain;
    while (chain.words.size() != static_cast<size_t>(size_)) {
      BuildChain(draw(engine_));
      chain = LastChain();
    }
    return chain.words;
  }

  size_t Count() const { return dictionary_.size(); }

 private:
  void FillLevel(int k, const std::string& upperRest, const std::string& upperLetters,
                 const std::string& used) {
    const std::string w = upperRest.substr(0, upperRest.find(' '));
    for (const std::string& c : dictionary_) {
      if (c == w) continue;
      const LinkText t = FindLink(w, c);
      if (t.letters.empty() || t.letters == upperLetters) continue;
      if (used.find(t.letters) != std::string::npos) continue;
      levels_[k].Add(t.letters + " " + c + " " + t.positions);
    }
  }

  std::string UsedLinkLetters(int k) const {
    std::string used;
    for (int i = 1; i <= k; ++i) used += levels_[i].Item(0).substr(0, 3);
    return used;
  }

  std::vector<std::string> dictionary_;
  int size_;
  std::mt19937 engine_;
  SortedList levels_[12];
};

}  // namespace sl::baseline
