#include "toolkit/file_dialog_request.h"

#include <gtest/gtest.h>

namespace sl {
namespace {

// The dialog itself, with its filter, folder and modes, is shown in the FNDialog tests.
TEST(FileDialogRequest, OnlyTheWholeWordSaveChoosesSavingAndEmptyPartsStillGiveValidText) {
  for (const char* other : {"saves", " save", "sav", ""}) {
    EXPECT_EQ(FileDialogModeOf(other), FileDialogMode::Open) << other;
  }
  EXPECT_EQ(FileDialogModeOf("SAVE"), FileDialogMode::Save);
  EXPECT_EQ(FileDialogFilter("", "*.txt"), " (*.txt)");
  EXPECT_EQ(FileDialogStartFolder("/home/player/"), "/home/player/");  // no second separator
  EXPECT_EQ(FileDialogStartFolder(""), "/");
}

}  // namespace
}  // namespace sl
