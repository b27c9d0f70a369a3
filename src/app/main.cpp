// The game: one main window. It reads its data files from its own folder (or, installed, from
// the installed data folder), and "puzzles.txt" and "english1.txt" from the current folder when
// they are there.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "app/form1.h"
#include "toolkit/gui/application_identity.h"

namespace {

constexpr const char* kNoDesktop = "Stacklinks needs a desktop session (X11 or Wayland).\n";

QtMessageHandler previousHandler = nullptr;
bool applicationStarted = false;

// A windowing system that cannot be reached is a fatal error inside QApplication; say plainly
// what is missing and end with a failure code instead of a crash.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg && !applicationStarted) {
    std::fputs(kNoDesktop, stderr);
    _exit(1);
  }
  if (previousHandler) previousHandler(type, context, text);
}

bool DisplayNamed() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value && *value) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayNamed()) {
    std::fputs(kNoDesktop, stderr);
    return 1;
  }
  previousHandler = qInstallMessageHandler(StartupMessageHandler);
  QApplication app(argc, argv);
  applicationStarted = true;
  sl::SetUpApplicationIdentity(STACKLINKS_APP_ID);

  sl::Form1 form;
  form.StartUp();
  form.show();
  return app.exec();
}
