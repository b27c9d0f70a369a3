#include "toolkit/gui/application_identity.h"

#include <QApplication>

#include "toolkit/gui/program_icon.h"

namespace sl {

void SetUpApplicationIdentity(const char* appId) {
  QApplication::setApplicationName(QStringLiteral("Stacklinks"));
  QApplication::setWindowIcon(ProgramIcon());
  // Ties the windows to the installed menu entry, so the desktop shows its name and icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(appId));
}

}  // namespace sl
