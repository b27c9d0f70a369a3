#pragma once
// The controls of the main window at their designed places (twips), and its two menus.
#include <QHash>
#include <QString>

class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QTimer;

namespace sl {

class BoxControl;
class ClickLabel;
class CluePanel;
class FNDialog;
class GridView;

// Design size of the client area; the window may be widened to reach the controls beyond it.
inline constexpr int kClientWidth = 9285;
inline constexpr int kClientHeight = 7395;
inline constexpr int kWidenedClientWidth = 11000;

struct Form1Widgets {
  GridView* Picture2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  CluePanel* picouter = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Statx = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* label4 = nullptr;
  ClickLabel* Label3 = nullptr;
  FNDialog* gf1 = nullptr;
  QTimer* Timer1 = nullptr;
  QHash<QString, BoxControl*> buttons;  // by objectName
  QHash<QString, QAction*> entries;     // menu entries by objectName
};

// Creates every control as a child of the window, sized for the window's screen.
Form1Widgets BuildForm1Controls(QMainWindow& window);

}  // namespace sl
