#include "toolkit/gui/fit_label.h"

#include <QAccessible>
#include <QFontMetricsF>

#include "toolkit/gui/accessible_controls.h"

namespace sl {
namespace {

constexpr double kPointStep = 0.5;

}  // namespace

FitLabel::FitLabel(QWidget* parent) : QLabel(parent), base_(font()) {
  InstallAccessibleControls();
}

void FitLabel::SetFittedText(const QString& text) {
  const QString shown = this->text();
  full_ = text;
  Fit();
  // A changed text is announced by the label itself; the same text again ("Not done yet" after
  // a second check) is news to the player too.
  if (this->text() == shown && accessibleName().isEmpty()) {
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
  }
}

void FitLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void FitLabel::Fit() {
  const double room = contentsRect().width() - 2 * margin();
  QFont fitted = base_;
  double points = base_.pointSizeF();
  while (points - kPointStep >= kSmallestPoints &&
         QFontMetricsF(fitted).horizontalAdvance(full_) > room) {
    points -= kPointStep;
    fitted.setPointSizeF(points);
  }
  setFont(fitted);
  const QFontMetricsF metrics(fitted);
  if (metrics.horizontalAdvance(full_) <= room) {
    setText(full_);
    setToolTip(QString());
  } else {
    setText(metrics.elidedText(full_, Qt::ElideRight, room));
    setToolTip(full_);
  }
}

}  // namespace sl
