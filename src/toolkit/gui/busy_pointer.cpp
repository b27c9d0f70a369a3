#include "toolkit/gui/busy_pointer.h"

#include <QApplication>

namespace sl {
namespace {

bool busyShown = false;

}  // namespace

void ShowBusyPointer(bool busy) {
  if (busy == busyShown) return;
  busyShown = busy;
  if (busy) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

bool BusyPointerShown() { return busyShown; }

}  // namespace sl
