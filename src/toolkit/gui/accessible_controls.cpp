#include "toolkit/gui/accessible_controls.h"

#include <QAccessibleWidget>

#include "toolkit/gui/accessible_table.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/fit_label.h"

namespace sl {
namespace {

// A control that acts when pressed: a push button with the Press action next to the focus one,
// named by its accessible name or else by what the control itself says (its caption, or the
// label's spoken name).
template <class Control>
class AccessiblePressable : public QAccessibleWidget {
 public:
  using NameOf = QString (Control::*)() const;
  AccessiblePressable(Control* control, NameOf nameOf)
      : QAccessibleWidget(control, QAccessible::Button), nameOf_(nameOf) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return (Pressed().*nameOf_)();
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& actionName) override {
    if (actionName == pressAction()) {
      Pressed().Press();
      return;
    }
    QAccessibleWidget::doAction(actionName);
  }

 private:
  Control& Pressed() const { return *static_cast<Control*>(widget()); }
  NameOf nameOf_;
};

// Reads the label's whole text even when the screen shows it cut short.
class AccessibleFitLabel : public QAccessibleWidget {
 public:
  explicit AccessibleFitLabel(FitLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      return static_cast<FitLabel*>(widget())->FullText();
    }
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* GameControlFactory(const QString& className, QObject* object) {
  // Asked once per class of the object's ancestry, most derived first.
  if (className == QLatin1String(BoxControl::staticMetaObject.className())) {
    return new AccessiblePressable<BoxControl>(static_cast<BoxControl*>(object),
                                               &BoxControl::Caption);
  }
  if (className == QLatin1String(ClickLabel::staticMetaObject.className())) {
    return new AccessiblePressable<ClickLabel>(static_cast<ClickLabel*>(object),
                                               &ClickLabel::SpokenName);
  }
  if (className == QLatin1String(FitLabel::staticMetaObject.className())) {
    return new AccessibleFitLabel(static_cast<FitLabel*>(object));
  }
  if (object && className == QLatin1String(object->metaObject()->className())) {
    return MakeAccessibleTable(object);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
  static const bool installed = [] {
    QAccessible::installFactory(&GameControlFactory);
    return true;
  }();
  (void)installed;
}

}  // namespace sl
