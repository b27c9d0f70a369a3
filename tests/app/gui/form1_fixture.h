#pragma once
// Starts the main window in a fresh current folder holding the puzzle file the test writes, waits
// for its first tick, and answers the message windows its commands open.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <memory>
#include <string>

#include "app/form1.h"
#include "common/files.h"
#include "options/game_folders.h"
#include "gui_support/modal_watch.h"
#include "support/scheme_blocks.h"
#include "support/temp_folder.h"
#include "toolkit/gui/box_control.h"

// Failure messages show texts, not their code units.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

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
  // Writes puzzles.txt (unless the text is empty), then starts the window there. The test's
  // folder also stands in for the program folder, so no test touches the real settings; it gets
  // the test schemes unless it holds a scheme list or withSchemeList is false.
  void Start(const std::string& puzzles) {
    Start(puzzles, DecideGameFolders({folder.Path(), true, "", "", ""}));
  }
  // The same with the game's folders given; the data folder gets meanings and schemes as above.
  void Start(const std::string& puzzles, const GameFolders& folders) {
    if (!puzzles.empty()) folder.Write("puzzles.txt", puzzles);
    ASSERT_TRUE(SetCurrentFolder(folder.Path()));
    WriteUnlessPresent(folders.DataFile("mean6.txt"), "CURRENCY:money\r\n");
    if (withSchemeList) {  // the configuration's default "xp.col", and "blue.col"
      WriteUnlessPresent(folders.DataFile("all.col"),
                         SchemeBlock("xp.col", "236;233;216", "196;212;242") +
                             SchemeBlock("blue.col", "200;220;240", "150;180;220"));
    }
    form = std::make_unique<Form1>();
    form->SetFolders(folders);
    form->StartUp();
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !form->Timer1().isActive(); }, 5000));
  }
  // The same, then waits for the window to be active with the focus on the grid.
  void StartActive(const std::string& puzzles) {
    Start(puzzles);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    Grid().setFocus();
  }
  static void WriteUnlessPresent(const std::string& path, const std::string& bytes) {
    if (!FileExists(path)) std::ofstream(path, std::ios::binary) << bytes;
  }
  void TearDown() override {
    form.reset();
    SetCurrentFolder(previousFolder);
  }

  BoxControl& Button(const char* name) {
    return *form->findChild<BoxControl*>(QString::fromLatin1(name));
  }
  QAction& Entry(const char* name) { return *form->findChild<QAction*>(QString::fromLatin1(name)); }
  void Click(const char* name, Qt::MouseButton which = Qt::LeftButton) {
    QTest::mouseClick(&Button(name), which);
  }
  GridView& Grid() { return form->Picture2(); }
  Puzzle& Shown() { return form->State().puzzle; }
  QString Status() const { return form->Statx().text(); }
  QString Position() const { return form->Label1().text(); }
  const PlayState& Play() const { return form->State().play; }

  // A step answering a message window, titled "Stacklinks": the game's own box with the button
  // at place (0 Yes/Ok, 1 No), a standard box with Ok. `message` keeps its text.
  ModalWatch::Step Answer(int place = 0) {
    return [this, place](QWidget& modal) {
      EXPECT_EQ(modal.windowTitle(), QStringLiteral("Stacklinks"));
      if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
        message = box->text();
        messageIcon = box->icon();
        return box->accept();
      }
      message = modal.findChild<QLabel*>(QStringLiteral("Label1"))->text();
      QTest::mouseClick(modal.findChild<QPushButton*>(QStringLiteral("cmd%1").arg(place)),
                        Qt::LeftButton);
    };
  }
  // Answers the next message window.
  void AnswerNext(int place = 0) {
    message.clear();
    watch = std::make_unique<ModalWatch>(Answer(place));
  }
  // Runs the action, answering the message window it must open; returns that window's text.
  template <class Action>
  QString Answered(Action action, int place = 0) {
    AnswerNext(place);
    action();
    EXPECT_TRUE(watch->Handled());
    return message;
  }

  TempFolder folder;
  bool withSchemeList = true;
  std::string previousFolder = CurrentFolder();
  std::unique_ptr<Form1> form;
  std::unique_ptr<ModalWatch> watch;
  QString message;
  QMessageBox::Icon messageIcon = QMessageBox::NoIcon;  // of the last standard box answered
};

}  // namespace sl::test
