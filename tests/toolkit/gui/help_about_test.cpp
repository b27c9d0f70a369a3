// The help window with its web view, the about box, and the program icon they show.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
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

TEST(HelpWindowTest, ReadsThePageInAFolderWithBlanksOnEveryOpenInAViewThatFillsTheWindow) {
  test::TempFolder root;
  ASSERT_EQ(::mkdir(root.File("my games").c_str(), 0755), 0);
  const std::string folder = root.File("my games") + "/";
  const QString address = QString::fromStdString(FileAddress(folder, kHelpPageName));
  Form4 help;
  const auto pageText = [&help] { return help.WebBrowser1().View().toPlainText(); };
  root.Write("my games/stacklinks.htm", "<h1>First</h1>");
  help.Open(address);
  EXPECT_EQ(pageText(), QStringLiteral("First"));
  help.close();
  root.Write("my games/stacklinks.htm", "<h1>Second</h1>");
  help.Open(address);
  EXPECT_TRUE(help.isVisible());
  EXPECT_EQ(pageText(), QStringLiteral("Second"));
  help.Open(QString::fromStdString(FileAddress(folder, "none.htm")));
  EXPECT_TRUE(pageText().contains(QStringLiteral("none.htm cannot be found")));

  help.resize(600, 400);  // the sizes themselves are worked out and tested without a window
  EXPECT_EQ(help.WebBrowser1().View().size(), QSize(592, 386));
}

TEST(AboutTest, ClosesOnOkTheTextAndEscape) {
  AboutForm about;
  EXPECT_EQ(about.Label1().text(), QStringLiteral("Version 1.0"));
  about.open();
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

  // A press on the OK button alone does not close it: the release does.
  about.open();
  QTest::mousePress(&about.aboutok(), Qt::LeftButton);
  EXPECT_TRUE(about.isVisible());
}

QString ReadText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The help page and the package's copyright file give the about box's contact, terms of use and
// word data sources: they are written separately and must not drift apart.
TEST(AboutTest, HelpPageAndCopyrightFileSayWhatTheAboutBoxSays) {
  const QStringList about = AboutLines();
  ASSERT_TRUE(about[2].startsWith(QStringLiteral("Contact: ")));
  const QString contact = about[2].mid(9);
  const QStringList terms = about.mid(7, 3);
  ASSERT_TRUE(terms[0].startsWith(QStringLiteral("Stacklinks is free")));
  EXPECT_EQ(about.last(), QString::fromLatin1(kWordDataSources));

  const QString help = ReadText(QStringLiteral(STACKLINKS_BIN_DIR "/stacklinks.htm")).simplified();
  ASSERT_FALSE(help.isEmpty());
  const QString copyright = ReadText(QStringLiteral(STACKLINKS_COPYRIGHT_FILE));
  ASSERT_FALSE(copyright.isEmpty());
  EXPECT_TRUE(help.contains(contact));
  EXPECT_TRUE(copyright.contains(QStringLiteral("Upstream-Contact: Stacklinks maintainers <") +
                                 contact + QLatin1Char('>')));
  EXPECT_TRUE(help.contains(about.last()));
  for (const QString& line : terms) {
    EXPECT_TRUE(help.contains(line)) << line.toStdString();
    EXPECT_TRUE(copyright.contains(QLatin1Char(' ') + line + QLatin1Char('\n')))
        << line.toStdString();
  }
}

TEST(ProgramIconTest, DrawsBlackArrowsWithRedSquaresSharplyAtEverySize) {
  const auto red = [](const QColor& c) { return c.red() > 180 && c.green() < 80; };
  for (int size : {16, 256}) {
    const QImage image = ProgramIcon().pixmap(size, size).toImage();
    ASSERT_EQ(image.size(), QSize(size, size));
    const auto at = [&](int x, int y) { return image.pixelColor(x * size / 64, y * size / 64); };
    for (int row : {12, 32, 52}) {  // on the SVG's 64 units
      EXPECT_TRUE(red(at(24, row))) << size;
      EXPECT_LT(std::max(at(8, row).lightness(), at(48, row).lightness()), 60) << size;
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
  EXPECT_TRUE(red(shot.pixelColor(24, 12)));
}

}  // namespace
}  // namespace sl
