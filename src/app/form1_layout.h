#pragma once
// The controls of the main window at their designed places (twips), and its two menus.
class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QPushButton;
class QTimer;

namespace sl {

class BoxControl;
class ColourRoles;
class ClickLabel;
class CluePanel;
class FitLabel;
class FNDialog;
class GridView;

// Design size of the client area; the window may be widened to reach the controls beyond it.
inline constexpr int kClientWidth = 9285;
inline constexpr int kClientHeight = 7395;
inline constexpr int kWidenedClientWidth = 11000;

// Every control of the main window; each member's objectName() is its own name.
struct Form1Widgets {
  GridView* Picture2 = nullptr;
  QGroupBox* Frame1 = nullptr;
  CluePanel* picouter = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label2 = nullptr;
  FitLabel* Statx = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* label4 = nullptr;
  ClickLabel* Label3 = nullptr;
  FNDialog* gf1 = nullptr;
  QTimer* Timer1 = nullptr;

  // Push buttons: the two bottom rows, then those beyond the designed right edge.
  BoxControl *cmdloadict = nullptr, *cmddone = nullptr, *cmdshowsol = nullptr,
             *command15 = nullptr, *cmdcreate = nullptr;
  BoxControl *Command9 = nullptr, *Command5 = nullptr, *Command11 = nullptr, *Command8 = nullptr;
  BoxControl *cmdreset = nullptr, *Command16 = nullptr;
  // The maintenance tools.
  BoxControl *Command18 = nullptr, *Command17 = nullptr, *Command1 = nullptr,
             *Command19 = nullptr, *Command3 = nullptr, *Command14 = nullptr,
             *Command4 = nullptr, *Command2 = nullptr;
  // Two standard buttons that only carry their tips.
  QPushButton *Command6 = nullptr, *Command7 = nullptr;

  // Menu entries: File, then Puzzle.
  QAction *mnucolsch = nullptr, *mnusaveopts = nullptr, *mnudict = nullptr,
          *mnuloadpuz = nullptr, *mnuprint = nullptr, *mnuhelp = nullptr, *mnuabout = nullptr,
          *cmdexitx = nullptr, *can1 = nullptr;
  QAction *mnucreate = nullptr, *mnureset = nullptr, *mnusave = nullptr,
          *mnucopy2clip = nullptr, *can6 = nullptr;
};

// Creates every control as a child of the window, sized for the window's screen, and registers
// each one that takes the scheme's colours with its role.
Form1Widgets BuildForm1Controls(QMainWindow& window, ColourRoles& roles);

}  // namespace sl
