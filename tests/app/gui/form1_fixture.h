#pragma once
// Starts the main window in a fresh current folder holding the puzzle file the test writes, and
// waits for its first tick.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "app/form1.h"
#include "common/files.h"
#include "support/temp_folder.h"

namespace sl::test {

// Five records: two of size 8, one of 12, a broken one, and one of 10.
inline const char* const kFivePuzzles =
    "8;020608;020408;020507;020507;020507;020508;030507;CURRENCY,1;PUNGENCY,1;BURGLARY,1;"
    "GUZZLERS,1;BUNGLERS,1;PUZZLERS,1;SUBPLOTS,1;NOBILITY,1;\r\n"
    "8;020407;020408;020408;020408;020407;030508;030508;BLUNDERS,1;BLENDERS,1;BLANKETS,1;"
    "FLANNELS,1;SLANDERS,1;BLINKERS,1;TWINKLES,1;WHISKERS,1;\r\n"
    "12;020407;081012;030510;030510;030710;021012;020409;081012;050810;081012;050911;"
    "ELECTIONEERS,1;ELECTROCUTES,1;CERTIFICATES,1;PERSISTENTLY,1;PARTICIPATES,1;FORTHRIGHTLY,1;"
    "COMPLACENTLY,1;COMPELLINGLY,1;APPETIZINGLY,1;HESITATINGLY,1;INTRIGUINGLY,1;FORBIDDINGLY,1;\r\n"
    "8;020608;CURRENCY\r\n"
    "10;030510;040608;030509;030609;020610;020410;020406;060810;030810;PROMISSORY,1;"
    "EXOTICALLY,1;TACTICALLY,1;MACHINABLE,1;ARCHANGELS,1;PRETENDERS,1;GROTESQUES,1;PROTESTING,1;"
    "CANVASSING,1;CONFIRMING,1;\r\n";

class Form1Fixture : public ::testing::Test {
 protected:
  // Writes puzzles.txt (unless the text is empty), then starts the window there.
  void Start(const std::string& puzzles) {
    if (!puzzles.empty()) folder.Write("puzzles.txt", puzzles);
    ASSERT_TRUE(SetCurrentFolder(folder.Path()));
    // The program folder holds the configuration and the meanings: the test's folder stands in
    // for it, so no test reads or writes the real program's settings.
    if (!FileExists(folder.File("mean6.txt"))) folder.Write("mean6.txt", "CURRENCY:money\r\n");
    form = std::make_unique<Form1>();
    form->SetProgramFolder(folder.Path());
    BeforeStartUp();
    form->StartUp();
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->Timer1().isActive(); }, 5000));
  }
  virtual void BeforeStartUp() {}

  void TearDown() override {
    form.reset();
    SetCurrentFolder(previousFolder);
  }

  TempFolder folder;
  std::string previousFolder = CurrentFolder();
  std::unique_ptr<Form1> form;
};

}  // namespace sl::test
