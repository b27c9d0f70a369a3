// The help window with its web view, the about box, and the program icon they show.
#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTest>
#include <QTextBrowser>
#include <sys/stat.h>

#include "support/temp_folder.h"
#include "toolkit/gui/about_form.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/form4.h"
#include "toolkit/gui/program_icon.h"
#include "toolkit/gui/web_browser.h"
#include "toolkit/help_page.h"

namespace sl {
namespace {

class HelpWindowTest : public ::testing::Test {
 protected:
  QString PageText() { return help.WebBrowser1().View().toPlainText(); }
  test::TempFolder root;
  std::string folder = root.File("my games") + "/";
  QString address = QString::fromStdString(FileAddress(folder, kHelpPageName));
  Form4 help;
};

TEST_F(HelpWindowTest, OpensThePageInAFolderWithBlanksAndReadsItAgainOnEveryOpen) {
  ASSERT_EQ(::mkdir(root.File("my games").c_str(), 0755), 0);
  root.Write("my games/stacklinks.htm", "<h1>First</h1>");
  help.Open(address);
  EXPECT_TRUE(help.isVisible());
  EXPECT_FALSE(help.isModal());
  EXPECT_EQ(help.WebBrowser1().Url(), address);
  EXPECT_EQ(PageText(), QStringLiteral("First"));

  help.close();
  root.Write("my games/stacklinks.htm", "<h1>Second</h1>");
  help.Open(address);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(PageText(), QStringLiteral("Second"));

  help.Open(QString::fromStdString(FileAddress(folder, "none.htm")));
  EXPECT_TRUE(PageText().contains(QStringLiteral("none.htm cannot be found")));
}

TEST_F(HelpWindowTest, TheViewFillsTheWindowAndKeepsItsSizeWhenTheWindowGetsTooSmall) {
  help.show();
  help.resize(600, 400);
  QWidget& view = help.WebBrowser1();
  EXPECT_EQ(view.size(), QSize(600 - 8, 400 - 14));  // 120 and 210 twips at 15 twips a pixel
  EXPECT_EQ(help.WebBrowser1().View().size(), view.size());
  help.resize(5, 5);
  EXPECT_EQ(view.size(), QSize(592, 386));
}

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    about.open();
    ASSERT_TRUE(about.isVisible());
  }
  AboutForm about;
};

TEST_F(AboutTest, ClosesOnOkTheTextEscapeAndTheCloseBox) {
  QTest::mouseClick(&about.aboutok(), Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());

  about.open();
  QTest::mousePress(&about.AboutText(), Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());

  about.open();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(&about, &escape);
  EXPECT_TRUE(escape.isAccepted());
  EXPECT_FALSE(about.isVisible());

  about.open();
  EXPECT_TRUE(about.close());  // what the close box does
  EXPECT_FALSE(about.isVisible());

  // A press on the OK button alone does not close it: the release does.
  about.open();
  QTest::mousePress(&about.aboutok(), Qt::LeftButton);
  EXPECT_TRUE(about.isVisible());
}

TEST_F(AboutTest, ShowsTheTextInItsOrderAndTheVersion) {
  const QStringList lines = about.AboutText().text().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 10);
  EXPECT_TRUE(lines[0].isEmpty() && lines[3].isEmpty() && lines[6].isEmpty());
  EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Stacklinks")));
  EXPECT_EQ(lines[4], QStringLiteral("Fill words across."));
  EXPECT_EQ(about.Label1().text(), QStringLiteral("Version 1.0"));
  EXPECT_EQ(about.aboutok().Caption(), QStringLiteral("OK"));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Stacklinks"));
  EXPECT_EQ(about.minimumSize(), about.maximumSize());

}

TEST(ProgramIconTest, DrawsBlackArrowsWithRedSquaresSharplyAtEverySize) {
  const QIcon icon = ProgramIcon();
  for (int size : {16, 256}) {
    const QImage image = icon.pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    const double unit = size / 64.0;  // the SVG is drawn on 64 units
    const auto at = [&](double x, double y) {
      return image.pixelColor(static_cast<int>(x * unit), static_cast<int>(y * unit));
    };
    for (double row : {12.0, 32.0, 52.0}) {
      const QColor square = at(24, row), shaft = at(8, row), head = at(48, row);
      EXPECT_GT(square.red(), 180) << size;
      EXPECT_LT(square.green(), 80) << size;
      EXPECT_LT(shaft.lightness(), 60) << size;
      EXPECT_LT(head.lightness(), 60) << size;
      EXPECT_EQ(at(8, row - 6).alpha(), 0) << size;  // clear above the shaft
    }
  }
  // The about box's picture renders the same drawing at the screen's scale.
  IconView view;
  view.resize(32, 32);
  QImage shot(64, 64, QImage::Format_ARGB32);
  shot.setDevicePixelRatio(2);
  shot.fill(Qt::white);
  view.render(&shot);
  EXPECT_GT(shot.pixelColor(24, 12).red(), 180);
  EXPECT_LT(shot.pixelColor(24, 12).green(), 80);
}

}  // namespace
}  // namespace sl
