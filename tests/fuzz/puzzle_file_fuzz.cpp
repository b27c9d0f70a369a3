// A whole puzzle file through the game's counting, line lookup and puzzle reader, then the save
// command's append. The count is the number of lines (CR LF, lone CR and lone LF end a line; a
// blank line is a puzzle); puzzle n is line n and reads as the record's rules say, or fails
// leaving the shown puzzle as it was; a number beyond the count does nothing. Appending the shown
// puzzle adds exactly one line and keeps every line before it; a puzzle read from the file reads
// back from that line as the same puzzle.
// Input: one byte choosing the puzzle number (-1 .. count + 1; a first byte 2 always picks line
// 1), then the file. The file is also the meanings file, so its lines are the clues' source.
#include "common/text_lines.h"
#include "generation/meanings_clue_source.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "puzzle_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  if (size == 0) return 0;
  const std::string_view bytes = fuzz::Bytes(data + 1, size - 1);
  const std::vector<std::string> lines = SplitLines(bytes);
  const auto lineCount = static_cast<int32_t>(lines.size());
  const int32_t n = static_cast<int32_t>(data[0] % (lineCount + 3)) - 1;

  const fuzz::TempFile file("puzzles", bytes);
  const int32_t count = CountPuzzles(file.Path());
  FUZZ_CHECK(count == lineCount, "counted %d, %d lines", count, lineCount);
  for (int32_t k : {n, 1, count, count + 1}) {
    const std::optional<std::string> line = ReadPuzzleLine(file.Path(), k);
    const bool exists = k >= 1 && k <= count;
    FUZZ_CHECK(line.has_value() == exists && (!exists || *line == lines[k - 1]), "line %d", k);
  }

  Puzzle puzzle;
  const std::optional<PuzzleRecord> start = ParsePuzzleRecord("2;010201;AB,1;CD,2;");
  FUZZ_CHECK(start.has_value());
  ApplyRecord(puzzle, *start);
  const Puzzle before = puzzle;
  Meanings meanings;
  Random random(size);
  MeaningsClueSource clues(meanings, file.Path(), random);
  const ShowOutcome outcome = ReadPuzzleInto(puzzle, file.Path(), n, count, &clues);
  const std::optional<fuzz::ExpectedRecord> expected =
      n >= 1 && n <= count ? fuzz::ExpectRecord(lines[n - 1]) : std::nullopt;
  if (n >= 1 && n <= count) {
    FUZZ_CHECK(ParsePuzzleRecord(lines[n - 1]).has_value() == expected.has_value());
  }
  if (n > count) {
    FUZZ_CHECK(outcome.status == ShowStatus::NothingDone && fuzz::SamePuzzle(puzzle, before));
  } else if (!expected) {
    FUZZ_CHECK(outcome.status == ShowStatus::Failed && fuzz::SamePuzzle(puzzle, before));
  } else {
    FUZZ_CHECK(outcome.status == ShowStatus::Shown);
    FUZZ_CHECK(outcome.sizeChanged == (expected->size != before.PuzzleSize));
    fuzz::CheckShown(puzzle, *expected, lines);
  }

  FUZZ_CHECK(AppendPuzzle(file.Path(), puzzle, true));
  std::string after;
  FUZZ_CHECK(ReadFileBytes(file.Path(), after));
  FUZZ_CHECK(after.compare(0, bytes.size(), bytes) == 0, "the old bytes changed");
  std::vector<std::string> expectedLines = lines;
  expectedLines.push_back(FormatPuzzleRecord(puzzle));
  FUZZ_CHECK(SplitLines(after) == expectedLines, "append gave %zu lines, expected %zu",
             SplitLines(after).size(), expectedLines.size());
  FUZZ_CHECK(CountPuzzles(file.Path()) == count + 1);
  if (expected) {  // a shown puzzle reads back as the same puzzle
    Puzzle again;
    FUZZ_CHECK(ReadPuzzleInto(again, file.Path(), count + 1, count + 1, &clues).status ==
               ShowStatus::Shown);
    FUZZ_CHECK(fuzz::SamePuzzle(again, puzzle), "written back as %s",
               FormatPuzzleRecord(puzzle).c_str());
  }
  return 0;
}
