#include "app/paper_commands.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFileDialog>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <vector>

#include "app/gui/form1_fixture.h"
#include "options/gui/screen_colours.h"
#include "output/gui/print_dialog.h"
#include "output/gui/prnt_form.h"
#include "support/run_command.h"

namespace sl {
namespace {

// Answers the modal windows a command opens, one step per window in order; progress windows
// are left alone.
class ModalScript {
 public:
  using Step = std::function<void(QWidget&)>;
  explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == last_ || qobject_cast<QProgressDialog*>(modal)) return;
      if (done_ == steps_.size()) return;
      last_ = modal;
      steps_[done_++](*modal);
    });
    timer_.start();
  }
  size_t Done() const { return done_; }

 private:
  std::vector<Step> steps_;
  QTimer timer_;
  QWidget* last_ = nullptr;
  size_t done_ = 0;
};

class PaperCommandsTest : public test::Form1Fixture {
 protected:
  PaperCommands& Commands() { return *form->FindCommands<PaperCommands>(); }
  // Answers the game's message box with OK, keeping its text.
  ModalScript::Step Message() {
    return [this](QWidget& box) {
      message = box.findChild<QLabel*>(QStringLiteral("Label1"))->text();
      QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmd0")), Qt::LeftButton);
    };
  }
};

TEST_F(PaperCommandsTest, PrintsARangeToAPdfFileAndShowsTheCurrentPuzzleAgainEmpty) {
  Start(test::kFivePuzzles);
  ASSERT_TRUE(Commands().PrintDialog().PrintsToPdf()) << "the test machine has no printer";
  form->State().puzzle.Entry[1][2] = "U";
  int shown = 0;
  QObject::connect(form.get(), &Form1::PuzzleShown, [&shown] { ++shown; });

  // Cancelling the print window prints nothing.
  ModalScript cancel({[](QWidget& window) {
    QTest::mouseClick(&static_cast<PrntForm&>(window).Command2(), Qt::LeftButton);
  }});
  Commands().Print();
  EXPECT_EQ(cancel.Done(), 1u);
  EXPECT_EQ(shown, 0);

  const std::string pdf = folder.File("book.pdf");
  QString offered;
  ModalScript print({
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
      Message(),
  });
  Commands().Print();
  EXPECT_EQ(print.Done(), 3u);
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

TEST_F(PaperCommandsTest, CopiesTheSheetAsAWhitePictureAndACopyReplacesIt) {
  Start(test::kFivePuzzles);
  Commands().CopyToClipboard();
  const QImage first = QGuiApplication::clipboard()->image();
  EXPECT_EQ(first.size(), QSize(533, 880));
  EXPECT_EQ(first.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(first.pixel(532, 879), qRgb(255, 255, 255));

  Click("Command8");  // the twelve-word puzzle: a different picture
  Click("Command8");
  Commands().CopyToClipboard();
  const QImage second = QGuiApplication::clipboard()->image();
  EXPECT_EQ(second.size(), first.size());
  EXPECT_NE(second, first);
}

}  // namespace
}  // namespace sl
