#include "output/gui/prnt_form.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "gui_support/modal_watch.h"
#include "output/gui/print_dialog.h"
#include "toolkit/gui/msg_form.h"

namespace sl {
namespace {

class PrntFormTest : public ::testing::Test {
 protected:
  void SetUp() override { MsgForm::SetUp(nullptr); }

  clsPrintDialog printDialog;
  PrntForm form{printDialog};
};

// Shows the window and runs the step on it while it is up; the step must close it.
template <class Step>
void WhileAsked(PrntForm& form, const QString& file, int32_t count, Step step) {
  test::ModalWatch watch([&](QWidget& modal) {
    ASSERT_EQ(&modal, &form);
    step();
  });
  form.Ask(file, count);
  EXPECT_TRUE(watch.Handled());
}

TEST_F(PrntFormTest, ShowsFileAndPrinterAndAnswersInItsTag) {
  WhileAsked(form, QStringLiteral("/p/puzzles.txt"), 7, [&] {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Print Puzzles"));
    EXPECT_EQ(form.Tag(), QStringLiteral("X"));
    EXPECT_TRUE(form.Option1().isChecked());
    EXPECT_EQ(form.Label1().text(), QStringLiteral("/p/puzzles.txt"));
    EXPECT_EQ(form.Label2().text(), printDialog.PrinterName());
    EXPECT_EQ(form.Label2().toolTip(), QStringLiteral("Current printer"));
    // The system print dialog: cancelled it changes nothing; accepted, its printer is shown in
    // upper case, as the label's text and tip.
    for (const bool accept : {false, true}) {
      test::ModalWatch dialog([accept](QWidget& modal) {
        auto& system = static_cast<QDialog&>(modal);
        accept ? system.accept() : system.reject();
      });
      QTest::mouseClick(&form.Command3(), Qt::LeftButton);
      EXPECT_TRUE(dialog.Handled());
      const QString name = printDialog.PrinterName();
      EXPECT_EQ(form.Label2().text(), accept ? name.toUpper() : name);
      EXPECT_EQ(form.Label2().toolTip(),
                accept ? name.toUpper() : QStringLiteral("Current printer"));
    }
    QTest::mouseClick(&form.Command1(), Qt::LeftButton);
  });
  EXPECT_EQ(form.Tag(), QStringLiteral("Y"));
  EXPECT_TRUE(form.PrintsCurrentPuzzle());

  // Cancel, Escape and the close box answer not to print; only the close box unloads.
  WhileAsked(form, QStringLiteral("a"), 7,
             [&] { QTest::mouseClick(&form.Command2(), Qt::LeftButton); });
  EXPECT_EQ(form.Tag(), QString());
  EXPECT_FALSE(form.ClosedByBox());
  WhileAsked(form, QStringLiteral("a"), 7, [&] { QTest::keyClick(&form, Qt::Key_Escape); });
  EXPECT_EQ(form.Tag(), QString());
  WhileAsked(form, QStringLiteral("a"), 7, [&] { form.close(); });
  EXPECT_EQ(form.Tag(), QString());
  EXPECT_TRUE(form.ClosedByBox());
}

TEST_F(PrntFormTest, ABadRangeKeepsTheWindowOpenAGoodOneIsHandedBackAndKept) {
  QString message;
  WhileAsked(form, QStringLiteral("f"), 8, [&] {
    QTest::keyClicks(&form.Text1(), QStringLiteral("9-9"));
    EXPECT_TRUE(form.Option2().isChecked()) << "typing chooses the range";
    test::ModalWatch box([&](QWidget& modal) {
      message = modal.findChild<QLabel*>(QStringLiteral("Label1"))->text();
      QTest::mouseClick(modal.findChild<QPushButton*>(QStringLiteral("cmd0")), Qt::LeftButton);
    });
    QTest::mouseClick(&form.Command1(), Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Tag(), QStringLiteral("X"));
    form.Text1().setText(QStringLiteral(" 5 - 10 "));
    QTest::mouseClick(&form.Command1(), Qt::LeftButton);
  });
  EXPECT_EQ(message, QStringLiteral("Print range not correct"));
  EXPECT_EQ(form.Tag(), QStringLiteral("Y"));
  EXPECT_FALSE(form.PrintsCurrentPuzzle());
  EXPECT_EQ(form.First(), 5);
  EXPECT_EQ(form.Last(), 10);
  // The window is kept: the range and the option are still there next time.
  WhileAsked(form, QStringLiteral("f"), 7, [&] {
    EXPECT_EQ(form.Text1().text(), QStringLiteral(" 5 - 10 "));
    EXPECT_TRUE(form.Option2().isChecked());
    QTest::mouseClick(&form.Command2(), Qt::LeftButton);
  });
}

}  // namespace
}  // namespace sl
