#include "app/paper_commands.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QRadioButton>

#include "app/gui/form1_fixture.h"
#include "toolkit/gui/screen_colours.h"
#include "output/gui/print_dialog.h"
#include "output/gui/prnt_form.h"
#include "support/run_command.h"

namespace sl {
namespace {

using PaperCommandsTest = test::Form1Fixture;

TEST_F(PaperCommandsTest, PrintsARangeToAPdfFileAndShowsTheCurrentPuzzleAgainEmpty) {
  Start(test::kFivePuzzles);
  PaperCommands& commands = *form->FindCommands<PaperCommands>();
  ASSERT_TRUE(commands.PrintDialog().PrintsToPdf()) << "the test machine has no printer";
  form->State().puzzle.Entry[1][2] = "U";
  int shown = 0;
  QObject::connect(form.get(), &Form1::PuzzleShown, [&shown] { ++shown; });

  // Cancelling the print window prints nothing.
  test::ModalWatch cancel([](QWidget& window) {
    QTest::mouseClick(&static_cast<PrntForm&>(window).Command2(), Qt::LeftButton);
  });
  commands.Print();
  EXPECT_TRUE(cancel.Handled());
  EXPECT_EQ(shown, 0);

  const std::string pdf = folder.File("book.pdf");
  QString offered;
  test::ModalWatch print({
      [this](QWidget& window) {
        auto& prnt = static_cast<PrntForm&>(window);
        EXPECT_EQ(prnt.Label2().text(), QString::fromLatin1(kNoPrinterName));
        // Painted by role in the scheme's colours.
        const SchemeTable& scheme = form->State().appearance.SchemeColours;
        EXPECT_EQ(prnt.palette().color(QPalette::Window), ScreenColour(scheme[kBackgroundSlot]));
        EXPECT_EQ(prnt.Text1().palette().color(QPalette::Base), ScreenColour(scheme[kButtonSlot]));
        prnt.Option2().setChecked(true);
        prnt.Text1().setText(QStringLiteral("2-9"));
        QTest::mouseClick(&prnt.Command1(), Qt::LeftButton);
      },
      [&](QWidget& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        offered = files.selectedFiles().value(0);
        files.selectFile(QString::fromStdString(pdf));
        static_cast<QDialog&>(files).accept();
      },
      Answer(),
  });
  commands.Print();
  EXPECT_TRUE(print.Handled());
  EXPECT_TRUE(offered.endsWith(QStringLiteral("/puzzles-2-9.pdf"))) << offered.toStdString();
  // Puzzles 2 to 5, one page each; the broken fourth keeps its page blank and is not counted.
  EXPECT_EQ(message, QStringLiteral(" 3 puzzles printed"));
  const std::string info = test::RunCommand("pdfinfo " + test::ShellQuote(pdf)).out;
  EXPECT_NE(info.find("Pages:           4"), std::string::npos) << info;
  // The window was drawn once, after the run: puzzle 1 again, its entries empty.
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(Position(), QStringLiteral("p# 1 of 5"));
  EXPECT_EQ(form->State().puzzle.Entry[1][2], ".");
}

TEST_F(PaperCommandsTest, CopiesTheSheetAsAPictureAndACopyReplacesIt) {
  Start(test::kFivePuzzles);
  PaperCommands& commands = *form->FindCommands<PaperCommands>();
  commands.CopyToClipboard();
  const QImage first = QGuiApplication::clipboard()->image();
  EXPECT_EQ(first.size(), QSize(533, 880));

  Click("Command8");  // the twelve-word puzzle: a different picture
  Click("Command8");
  commands.CopyToClipboard();
  const QImage second = QGuiApplication::clipboard()->image();
  EXPECT_NE(second, first);
}

}  // namespace
}  // namespace sl
