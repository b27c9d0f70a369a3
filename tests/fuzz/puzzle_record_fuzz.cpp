// One puzzle record read through the game's puzzle reader (ReadPuzzleInto, with clues from a
// meanings file), compared with a plain reading of the record's rules: a record that reads puts
// exactly its size, links, words, meaning numbers, letter cells and first-meaning clues into the
// puzzle, and writing the shown puzzle back and reading that gives the same puzzle again; a
// record that does not read leaves the puzzle as it was.
// Input: the record's line; the lines after it are the meanings file.
#include "common/text_lines.h"
#include "generation/meanings_clue_source.h"
#include "puzzle/puzzle_file.h"
#include "puzzle/puzzle_record.h"
#include "puzzle_reference.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  const std::string_view input = fuzz::Bytes(data, size);
  const size_t end = input.find_first_of("\r\n");
  const std::string_view record = input.substr(0, end);
  const std::string_view meaningText =
      end == std::string_view::npos ? std::string_view() : input.substr(end);
  const std::vector<std::string> meaningLines = SplitLines(meaningText);

  Puzzle puzzle;
  const std::optional<PuzzleRecord> start = ParsePuzzleRecord("3;010203;010203;ABC,1;DE,2;FGH,3;");
  FUZZ_CHECK(start.has_value());
  ApplyRecord(puzzle, *start);
  const Puzzle before = puzzle;

  const fuzz::TempFile file("record", std::string(record) + kCrLf);
  const fuzz::TempFile meaningsFile("meanings", meaningText);
  Meanings meanings;
  Random random(size);
  MeaningsClueSource clues(meanings, meaningsFile.Path(), random);

  const std::optional<fuzz::ExpectedRecord> expected = fuzz::ExpectRecord(record);
  FUZZ_CHECK(ParsePuzzleRecord(record).has_value() == expected.has_value());
  const ShowOutcome outcome = ReadPuzzleInto(puzzle, file.Path(), 1, 1, &clues);
  if (!expected) {
    FUZZ_CHECK(outcome.status == ShowStatus::Failed && fuzz::SamePuzzle(puzzle, before));
    return 0;
  }
  FUZZ_CHECK(outcome.status == ShowStatus::Shown);
  FUZZ_CHECK(outcome.sizeChanged == (expected->size != before.PuzzleSize));
  fuzz::CheckShown(puzzle, *expected, meaningLines);

  const fuzz::TempFile copy("copy", "");
  FUZZ_CHECK(AppendPuzzle(copy.Path(), puzzle, false));
  FUZZ_CHECK(CountPuzzles(copy.Path()) == 1);
  Puzzle again;
  FUZZ_CHECK(ReadPuzzleInto(again, copy.Path(), 1, 1, &clues).status == ShowStatus::Shown);
  FUZZ_CHECK(fuzz::SamePuzzle(again, puzzle), "written back as %s",
             FormatPuzzleRecord(puzzle).c_str());
  return 0;
}
