#include "output/print_run.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/recording_surface.h"
#include "support/temp_folder.h"

namespace sl {
namespace {

using test::DrawCall;
using test::RecordingSurface;
using test::TempFolder;

// Pages on recording surfaces, at a 600 dpi device's 2.4 twips a pixel.
class RecordingDocument : public PageDocument {
 public:
  Surface* Page() override {
    if (pages.empty()) NewPage();
    return pages.back().get();
  }
  void NewPage() override {
    pages.push_back(std::make_unique<RecordingSurface>());
    pages.back()->SetTwipsPerPixel(2.4);
  }
  // The puzzle number each page's heading shows, or 0 for a blank page.
  std::vector<int> Numbers() const {
    std::vector<int> numbers;
    for (const auto& page : pages) {
      const auto rotated = page->CallsOf(DrawCall::Rotated);
      numbers.push_back(rotated.empty() ? 0 : std::stoi(rotated[0].text.substr(5)));
    }
    return numbers;
  }
  std::vector<std::unique_ptr<RecordingSurface>> pages;
};

// Seven two-word puzzles; the fourth is damaged (a word field without ",").
std::string SevenPuzzles(const TempFolder& folder) {
  std::string text;
  for (int n = 1; n <= 7; ++n) text += n == 4 ? "2;0102;AB;CD,1;\r\n" : "2;010201;AB,1;CD,2;\r\n";
  return folder.Write("seven.txt", text);
}

TEST(PrintRun, OnePagePerPuzzleBlankForUnreadableNoneAfterTheLast) {
  TempFolder folder;
  const std::string file = SevenPuzzles(folder);
  // first, last, pages (puzzle numbers, 0 blank), sheets drawn
  const struct {
    int32_t first, last;
    std::vector<int> pages;
    int32_t printed;
  } cases[] = {
      {5, 10, {5, 6, 7}, 3},
      {3, 5, {3, 0, 5}, 2},
      {7, 7, {7}, 1},
      {0, 2, {1, 2}, 2},
      {8, 9, {}, 0},
  };
  for (const auto& c : cases) {
    RecordingDocument document;
    const PrintOutcome outcome =
        PrintPuzzles(document, {file, c.first, c.last, 7, {"Arial", 16}}, nullptr);
    EXPECT_EQ(document.Numbers(), c.pages) << c.first << "-" << c.last;
    EXPECT_EQ(outcome.pages, static_cast<int32_t>(c.pages.size()));
    EXPECT_EQ(outcome.printed, c.printed);
    EXPECT_FALSE(outcome.cancelled);
  }
}

TEST(PrintRun, StopsWhereTheProgressSaysAndAtTheCountGiven) {
  TempFolder folder;
  const std::string file = SevenPuzzles(folder);
  RecordingDocument document;
  std::vector<int32_t> told;
  const PrintOutcome outcome =
      PrintPuzzles(document, {file, 1, 7, 7, {}}, nullptr, [&](int32_t n) {
        told.push_back(n);
        return n < 3;
      });
  EXPECT_EQ(told, (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(document.Numbers(), (std::vector<int>{1, 2}));
  EXPECT_TRUE(outcome.cancelled);

  // A count below the file's lines (the file grew since it was counted) ends the run there.
  RecordingDocument shorter;
  EXPECT_EQ(PrintPuzzles(shorter, {file, 1, 7, 2, {}}, nullptr).pages, 2);

  // A document that cannot be started ends the run at once.
  struct NoPaper : PageDocument {
    Surface* Page() override { return nullptr; }
    void NewPage() override { ADD_FAILURE() << "no page follows a failed one"; }
  } noPaper;
  const PrintOutcome failed = PrintPuzzles(noPaper, {file, 1, 7, 7, {}}, nullptr);
  EXPECT_TRUE(failed.failed);
  EXPECT_EQ(failed.pages, 0);
  EXPECT_EQ(failed.printed, 0);
}

}  // namespace
}  // namespace sl
