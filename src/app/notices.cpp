#include "app/notices.h"

#include <QMessageBox>

namespace sl {
namespace {

const QString kTitle = QStringLiteral("Stacklinks");

}  // namespace

// The plain system box: a text and OK, no picture.
void Inform(QWidget& parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, &parent);
  box.exec();
}

void Warn(QWidget& parent, const QString& text) { QMessageBox::warning(&parent, kTitle, text); }

}  // namespace sl
