#include "toolkit/file_dialog_request.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

TEST(FileDialogRequest, OnlySaveInAnyCaseChoosesTheSaveDialog) {
  EXPECT_EQ(FileDialogModeOf("SAVE"), FileDialogMode::Save);
  EXPECT_EQ(FileDialogModeOf("save"), FileDialogMode::Save);
  EXPECT_EQ(FileDialogModeOf("sAvE"), FileDialogMode::Save);
  for (const char* other : {"", "OPEN", "Open", "saves", " save", "sav", "load"}) {
    EXPECT_EQ(FileDialogModeOf(other), FileDialogMode::Open) << other;
  }
}

TEST(FileDialogRequest, FilterHasOneEntryWithTheDescriptionAndBracketedPatterns) {
  EXPECT_EQ(FileDialogFilter(" Files", "*.txt"), " Files (*.txt)");
  // The dialog separates patterns by blanks, so every pattern of "*.txt;*.dic" filters.
  EXPECT_EQ(FileDialogFilter("Dictionaries", "*.txt;*.dic"), "Dictionaries (*.txt *.dic)");
  // No description still shows a blank before the patterns.
  EXPECT_EQ(FileDialogFilter("", "*.txt"), " (*.txt)");
}

TEST(FileDialogRequest, StartFolderEndsInOneSeparator) {
  EXPECT_EQ(FileDialogStartFolder("/home/player"), "/home/player/");
  EXPECT_EQ(FileDialogStartFolder("/home/player/"), "/home/player/");
  EXPECT_EQ(FileDialogStartFolder(""), "/");
}

}  // namespace
}  // namespace sl
