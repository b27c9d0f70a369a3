#include "generation/generator.h"

namespace sl {
namespace {

std::string_view LettersOf(const RowLink& link) {
  return std::string_view(link.letters.data(), link.letters.size());
}

std::string PositionsText(const RowLink& link) {
  std::string text;
  for (int8_t column : link.columns) {
    const int oneBased = column + 1;
    text += static_cast<char>('0' + oneBased / 10);
    text += static_cast<char>('0' + oneBased % 10);
  }
  return text;
}

}  // namespace

bool FillLevel(const WordTable& table, const WordTable::Upper& upper,
               std::string_view upperLetters, std::string_view usedLetters, ChainLevel& chosen) {
  bool found = false;
  RowLink link;
  table.ForEachCandidate(upper, [&](int32_t row) {
    if (!table.Link(upper, row, link) || table.SameWord(upper, row)) return;
    const std::string_view letters = LettersOf(link);
    if (letters == upperLetters || usedLetters.find(letters) != std::string_view::npos) return;
    // Only the first candidate in order is ever extended, so keep the least one seen; rows come
    // in dictionary order, so on a tie the earlier entry stays first.
    if (!found || table.Before(row, link, chosen.row, chosen.link)) {
      chosen.row = row;
      chosen.link = link;
      found = true;
    }
  });
  return found;
}

std::string UsedLinkLetters(const Chain& chain, int k) {
  std::string used;
  for (int level = 1; level <= k && level < static_cast<int>(chain.size()); ++level) {
    used += LettersOf(chain[level].link);
  }
  return used;
}

Chain BuildChain(const WordTable& table, int32_t start) {
  const int size = table.Width();
  Chain chain;
  chain.reserve(size);
  chain.push_back({start, {}});
  for (int k = 1; k < size; ++k) {
    const ChainLevel& above = chain.back();
    const WordTable::Upper upper(table, above.row);
    // Level 1 has no link above it; "" matches no link letters and occurs in no used letters.
    const std::string_view upperLetters = k == 1 ? std::string_view() : LettersOf(above.link);
    const std::string used = UsedLinkLetters(chain, k - 1);
    ChainLevel next;
    if (!FillLevel(table, upper, upperLetters, used, next)) break;
    chain.push_back(next);
  }
  return chain;
}

GeneratedPuzzle ChainPuzzle(const WordTable& table, const Chain& chain) {
  GeneratedPuzzle puzzle;
  for (size_t level = 0; level < chain.size(); ++level) {
    puzzle.words.push_back(table.Word(chain[level].row));
    if (level > 0) puzzle.links.push_back(PositionsText(chain[level].link));
  }
  return puzzle;
}

void StorePuzzle(const GeneratedPuzzle& generated, Puzzle& puzzle) {
  const int size = static_cast<int>(generated.words.size());
  puzzle.PuzzleSize = size;
  puzzle.Wlist = generated.words;
  for (int i = 1; i < size && i <= static_cast<int>(generated.links.size()); ++i) {
    puzzle.LinkPositions[i] = generated.links[i - 1];
  }
  for (int r = 1; r < kGridSpan; ++r) {
    for (int c = 1; c < kGridSpan; ++c) {
      puzzle.Solution[r][c].clear();
      puzzle.Entry[r][c].clear();
    }
  }
  for (int r = 1; r <= size && r < kGridSpan; ++r) {
    const std::string& word = generated.words[r - 1];
    for (int c = 1; c <= static_cast<int>(word.size()) && c < kGridSpan; ++c) {
      puzzle.Solution[r][c] = std::string(1, word[c - 1]);
      puzzle.Entry[r][c] = ".";
    }
  }
}

PuzzleGenerator::PuzzleGenerator(const std::vector<std::string>& dictionary, int size)
    : table_(dictionary, size) {}

bool PuzzleGenerator::BuiltFrom(const std::vector<std::string>& dictionary, int size) const {
  return table_.SameRows(dictionary, size);
}

int32_t PuzzleGenerator::OpenCount() const {
  return anyForgotten_ ? static_cast<int32_t>(open_.size()) : table_.Count();
}

int32_t PuzzleGenerator::OpenRow(int32_t slot) const { return anyForgotten_ ? open_[slot] : slot; }

void PuzzleGenerator::Forget(int32_t start) {
  if (!anyForgotten_) {
    open_.resize(table_.Count());
    openSlot_.resize(table_.Count());
    for (int32_t row = 0; row < table_.Count(); ++row) {
      open_[row] = row;
      openSlot_[row] = row;
    }
    anyForgotten_ = true;
  }
  const int32_t slot = openSlot_[start];
  const int32_t moved = open_.back();
  open_[slot] = moved;
  openSlot_[moved] = slot;
  open_.pop_back();
}

CreateOutcome PuzzleGenerator::CreatePuzzle(Random& random, const std::atomic<bool>& cancel,
                                            GeneratedPuzzle& result) {
  while (OpenCount() > 0) {
    const int32_t start = OpenRow(random.Below(OpenCount()));
    auto known = succeeded_.find(start);
    if (known == succeeded_.end()) {
      // Indexing costs about one pass over the rows per column, as much as scanning one level
      // per column does.
      if (!table_.Indexed() && scannedLevels_ >= Size()) table_.IndexColumns();
      ++computedAttempts_;
      const Chain chain = BuildChain(table_, start);
      if (!table_.Indexed()) scannedLevels_ += static_cast<int64_t>(chain.size());
      if (static_cast<int>(chain.size()) == Size()) {
        known = succeeded_.emplace(start, ChainPuzzle(table_, chain)).first;
      } else {
        Forget(start);
      }
    }
    if (cancel.load()) return CreateOutcome::Cancelled;
    if (known != succeeded_.end()) {
      result = known->second;
      return CreateOutcome::Created;
    }
  }
  return CreateOutcome::NoChain;
}

CreateOutcome MakePuzzles(PuzzleGenerator& generator, Random& random,
                          const std::atomic<bool>& cancel, int32_t count,
                          const std::function<bool(GeneratedPuzzle&&)>& made) {
  for (int32_t n = 0; n < count; ++n) {
    GeneratedPuzzle puzzle;
    const CreateOutcome outcome = generator.CreatePuzzle(random, cancel, puzzle);
    if (outcome != CreateOutcome::Created) return outcome;
    if (!made(std::move(puzzle))) return CreateOutcome::Cancelled;
  }
  return CreateOutcome::Created;
}

}  // namespace sl
