#include "toolkit/file_dialog_request.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

TEST(FileDialogRequest, OnlySaveInAnyCaseChoosesTheSaveDialog) {
  for (const char* save : {"SAVE", "save", "sAvE"}) {
    EXPECT_EQ(FileDialogModeOf(save), FileDialogMode::Save) << save;
  }
  for (const char* other : {"", "OPEN", "saves", " save", "sav"}) {
    EXPECT_EQ(FileDialogModeOf(other), FileDialogMode::Open) << other;
  }
}

TEST(FileDialogRequest, FilterBracketsBlankSeparatedPatternsAndStartFolderEndsInOneSeparator) {
  // The dialog separates patterns by blanks, so every pattern of "*.txt;*.dic" filters.
  EXPECT_EQ(FileDialogFilter("Dictionaries", "*.txt;*.dic"), "Dictionaries (*.txt *.dic)");
  EXPECT_EQ(FileDialogFilter("", "*.txt"), " (*.txt)");  // no description: still the blank
  EXPECT_EQ(FileDialogStartFolder("/home/player"), "/home/player/");
  EXPECT_EQ(FileDialogStartFolder("/home/player/"), "/home/player/");
  EXPECT_EQ(FileDialogStartFolder(""), "/");
}

}  // namespace
}  // namespace sl
