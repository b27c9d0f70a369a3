#include "app/notices.h"

#include <QMessageBox>

namespace sl {
namespace {

const QString kTitle = QStringLiteral("Stacklinks");

}  // namespace

void Inform(QWidget& parent, const QString& text) {
  QMessageBox::information(&parent, kTitle, text);
}

void Warn(QWidget& parent, const QString& text) { QMessageBox::warning(&parent, kTitle, text); }

}  // namespace sl
