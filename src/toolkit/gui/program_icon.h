#pragma once
// The program's icon (three black arrows pointing right, each with a red square on it), drawn
// from its one SVG source, so it is sharp at every size and screen scale.
#include <QIcon>
#include <QWidget>

namespace sl {

// The icon for windows and the application, rendered from the SVG at the usual icon sizes.
QIcon ProgramIcon();

// A picture control showing the icon, as large as fits while keeping its proportions.
class IconView : public QWidget {
  Q_OBJECT

 public:
  explicit IconView(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace sl
