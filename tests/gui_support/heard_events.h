#pragma once
// What the game tells assistive tools, recorded the way a screen reader's bridge receives it:
// while a HeardEvents lives, accessibility is on and every focus, name, selection and table
// event is kept with the name of the object it is about.
#include <QAccessible>
#include <QStringList>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <vector>

namespace sl::test {

class HeardEvents {
 public:
  struct Heard {
    QAccessible::Event type;
    QString name;
  };

  HeardEvents() {
    current_ = this;
    QAccessible::installUpdateHandler(&Record);
    SetActive(true);
  }
  ~HeardEvents() {
    SetActive(false);
    QAccessible::installUpdateHandler(nullptr);
    current_ = nullptr;
  }
  HeardEvents(const HeardEvents&) = delete;
  HeardEvents& operator=(const HeardEvents&) = delete;

  // The names heard with events of this type, oldest first.
  QStringList Names(QAccessible::Event type) const {
    QStringList names;
    for (const Heard& heard : heard_) {
      if (heard.type == type) names << heard.name;
    }
    return names;
  }
  void Clear() { heard_.clear(); }

 private:
  // The offscreen platform has no bridge that would switch accessibility on.
  static void SetActive(bool active) {
    if (QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
      platform->setActive(active);
    }
  }
  static void Record(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    // Other events may be about objects half destroyed.
    if (!current_ || (type != QAccessible::Focus && type != QAccessible::NameChanged &&
                      type != QAccessible::Selection && type != QAccessible::TableModelChanged)) {
      return;
    }
    QAccessibleInterface* iface = event->accessibleInterface();
    current_->heard_.push_back({type, iface ? iface->text(QAccessible::Name) : QString()});
  }

  static inline HeardEvents* current_ = nullptr;
  std::vector<Heard> heard_;
};

}  // namespace sl::test
