#include "output/ipuz.h"

#include <array>

#include "common/codepage.h"
#include "common/json_writer.h"
#include "puzzle/puzzle_record.h"

namespace sl {
namespace {

constexpr const char* kAuthor =
    "Stacklinks, from WordNet 3.0 (Princeton University) and the SCOWL word list (wamerican)";
constexpr const char* kCopyright =
    "Clues: WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved. "
    "Words: SCOWL, Copyright 2000-2011 by Kevin Atkinson.";

using Row = std::array<bool, kGridSpan>;

// For row r (1..N-1): true in the columns linked to row r+1. The positions are read as the
// game reads them; one outside 1..N links nothing.
Row LinkedColumns(const Puzzle& puzzle, int32_t r) {
  Row linked{};
  for (int32_t column : LinkColumns(puzzle.LinkPositions[r])) {
    if (column >= 1 && column <= puzzle.PuzzleSize) linked[column] = true;
  }
  return linked;
}

void WriteCell(JsonWriter& json, int32_t number, bool barBelow) {
  if (!barBelow) {
    json.Number(number);
    return;
  }
  json.BeginObject(JsonWriter::Layout::Line).Key("cell").Number(number);
  json.Key("style").BeginObject().Key("barred").String("B").EndObject();
  json.EndObject();
}

// Row numbers in column 1, every other cell an empty letter cell; the bar under each upper row
// is open only in its linked columns.
void WritePuzzleGrid(JsonWriter& json, const Puzzle& puzzle) {
  const int32_t n = puzzle.PuzzleSize;
  json.Key("puzzle").BeginArray();
  for (int32_t r = 1; r <= n; ++r) {
    const Row linked = r < n ? LinkedColumns(puzzle, r) : Row{};
    json.BeginArray(JsonWriter::Layout::Line);
    for (int32_t c = 1; c <= n; ++c) WriteCell(json, c == 1 ? r : 0, r < n && !linked[c]);
    json.EndArray();
  }
  json.EndArray();
}

void WriteSolution(JsonWriter& json, const Puzzle& puzzle) {
  json.Key("solution").BeginArray();
  for (int32_t r = 1; r <= puzzle.PuzzleSize; ++r) {
    json.BeginArray(JsonWriter::Layout::Line);
    for (int32_t c = 1; c <= puzzle.PuzzleSize; ++c) json.String(Cp1252ToUtf8(puzzle.Solution[r][c]));
    json.EndArray();
  }
  json.EndArray();
}

// One across clue a row; its cells are [column, row], counted from 1.
void WriteClues(JsonWriter& json, const Puzzle& puzzle) {
  json.Key("clues").BeginObject().Key("Across").BeginArray();
  for (int32_t r = 1; r <= puzzle.PuzzleSize; ++r) {
    json.BeginObject(JsonWriter::Layout::Line);
    json.Key("number").Number(r);
    json.Key("clue").String(Cp1252ToUtf8(puzzle.Clue[r]));
    json.Key("cells").BeginArray();
    for (int32_t c = 1; c <= puzzle.PuzzleSize; ++c) json.BeginArray().Number(c).Number(r).EndArray();
    json.EndArray().EndObject();
  }
  json.EndArray().EndObject();
}

}  // namespace

std::string IpuzGridProblem(const Puzzle& puzzle) {
  const int32_t n = puzzle.PuzzleSize;
  if (n < 1 || puzzle.Wlist.empty()) return "it holds no words";
  if (static_cast<int32_t>(puzzle.Wlist.size()) != n) return "it does not hold " + std::to_string(n) + " words";
  for (size_t k = 0; k < puzzle.Wlist.size(); ++k) {
    if (static_cast<int32_t>(puzzle.Wlist[k].size()) != n) {
      return "word " + std::to_string(k + 1) + " does not have " + std::to_string(n) + " letters";
    }
  }
  return "";
}

std::string IpuzText(const Puzzle& puzzle, const std::string& puzzleFileName, int32_t number) {
  JsonWriter json;
  json.BeginObject();
  json.Key("version").String(kIpuzVersion);
  json.Key("kind").BeginArray(JsonWriter::Layout::Line);
  json.String(kIpuzCrosswordKind).String(kIpuzStacklinksKind).EndArray();
  json.Key("title").String("Stacklinks: " + puzzleFileName + ", puzzle " + std::to_string(number));
  json.Key("author").String(kAuthor);
  json.Key("copyright").String(kCopyright);
  json.Key("notes").String("Letters joined by a gap in the bar between two rows are the same.");
  json.Key("dimensions").BeginObject(JsonWriter::Layout::Line);
  json.Key("width").Number(puzzle.PuzzleSize).Key("height").Number(puzzle.PuzzleSize).EndObject();
  WritePuzzleGrid(json, puzzle);
  WriteSolution(json, puzzle);
  WriteClues(json, puzzle);
  json.Key(kIpuzLinksKey).BeginArray(JsonWriter::Layout::Line);
  for (int32_t i = 1; i < puzzle.PuzzleSize; ++i) json.String(Cp1252ToUtf8(puzzle.LinkPositions[i]));
  json.EndArray();
  json.EndObject();
  return json.Text();
}

}  // namespace sl
