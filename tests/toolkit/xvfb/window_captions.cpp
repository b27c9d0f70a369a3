// The captions the window system shows: run under Xvfb (xvfb-run) on the X11 platform, each
// window's _NET_WM_NAME as xprop reads it. windowTitle() alone misses what Qt adds to it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "options/colour_table.h"
#include "options/gui/form2.h"
#include "output/gui/print_dialog.h"
#include "output/gui/prnt_form.h"
#include "toolkit/gui/about_form.h"
#include "toolkit/gui/application_identity.h"
#include "toolkit/gui/form4.h"

namespace sl {
namespace {

// What xprop prints for the window's _NET_WM_NAME, without the property's name.
std::string NetWmName(QWidget& window) {
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  QProcess xprop;
  xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window.winId()),
                                        QStringLiteral("_NET_WM_NAME")});
  EXPECT_TRUE(xprop.waitForFinished(10000));
  const QString out = QString::fromUtf8(xprop.readAllStandardOutput()).trimmed();
  window.hide();
  return out.mid(out.indexOf(u'=') + 1).trimmed().toStdString();
}

TEST(WindowCaptions, TheWindowSystemShowsEachCaptionExactly) {
  if (QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty()) {
    GTEST_SKIP() << "xprop is not installed";
  }
  Appearance appearance;
  GridLook look;
  const std::vector<std::string> schemes;
  Form2 options(OptionsSettings{appearance, look, schemes, "", nullptr});
  clsPrintDialog printDialog;
  PrntForm print(printDialog);
  Form4 help;
  AboutForm about;
  const std::vector<std::pair<QWidget*, std::string>> windows = {
      {&options, "\"Stacklinks Options\""},
      {&print, "\"Print Puzzles\""},
      {&help, "\"Stacklinks Help\""},
      {&about, "\"About Stacklinks\""}};
  for (const auto& [window, caption] : windows) {
    EXPECT_EQ(NetWmName(*window), caption) << window->objectName().toStdString();
  }
}

}  // namespace
}  // namespace sl

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  QApplication app(argc, argv);
  sl::SetUpApplicationIdentity("stacklinks-test");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
