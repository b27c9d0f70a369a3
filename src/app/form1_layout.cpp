#include "app/form1_layout.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "app/button_icons.h"
#include "options/gui/colour_roles.h"
#include "toolkit/gui/twip_geometry.h"
#include "puzzle/gui/clue_panel.h"
#include "puzzle/gui/grid_view.h"
#include "puzzle/grid_layout.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/fit_label.h"
#include "toolkit/gui/fn_dialog.h"
#include "toolkit/gui/plain_frame.h"

// A control's handle in Form1Widgets and its objectName: the same word, written once.
#define CONTROL(name) &Form1Widgets::name, #name

namespace sl {
namespace {

using Place = TwipRect;

// Buttons that take the scheme's button colour; the maintenance tools keep their own.
enum class ButtonColour { Scheme, Own };

struct ButtonDef {
  BoxControl* Form1Widgets::*handle;
  const char* name;
  Place place;
  const char* tooltip;
  ButtonPicture picture;
  const char* caption;
  ButtonColour colour = ButtonColour::Scheme;
};

constexpr int kButtonWidth = 315;
constexpr int kButtonHeight = 345;
constexpr int kToolLeft = 9450;  // the hidden tools column, beyond the designed right edge
constexpr int kToolWidth = 1335;
constexpr int kToolPitch = 390;

constexpr Place IconButton(int left, int top) { return {left, top, kButtonWidth, kButtonHeight}; }
constexpr Place ToolButton(int row) {
  return {kToolLeft, 60 + row * kToolPitch, kToolWidth, kButtonHeight};
}

const ButtonDef kButtons[] = {
    {CONTROL(cmdloadict), IconButton(30, 6660), "Load a Dictionary", ButtonPicture::Book, ""},
    {CONTROL(cmddone), IconButton(4545, 6660), "Check if puzzle done", ButtonPicture::Tick, ""},
    {CONTROL(cmdshowsol), IconButton(4860, 6660), "Show Solution", ButtonPicture::Eye, ""},
    {CONTROL(command15), IconButton(5175, 6660), "Refresh clues", ButtonPicture::Refresh, ""},
    {CONTROL(cmdcreate), IconButton(5490, 6660), "Create a new puzzle", ButtonPicture::Sparkle, ""},
    {CONTROL(Command9), IconButton(30, 7020), "Load a puzzle file", ButtonPicture::Folder, ""},
    {CONTROL(Command5), IconButton(4860, 7020), "Previous puzzle", ButtonPicture::ArrowLeft, ""},
    {CONTROL(Command11), IconButton(5175, 7020), "Random puzzle", ButtonPicture::Dice, ""},
    {CONTROL(Command8), IconButton(5490, 7020), "Next puzzle", ButtonPicture::ArrowRight, ""},
    // Beyond the designed right edge: reset (also in the menu), cancel of a creation, and the
    // maintenance tools.
    {CONTROL(cmdreset), IconButton(9915, 6510), "Clear User Entries", ButtonPicture::Eraser, ""},
    {CONTROL(Command16), IconButton(9600, 6510), "Cancel puzzle creation", ButtonPicture::Stop, ""},
    {CONTROL(Command18), ToolButton(0), "", ButtonPicture::None, "CreateMulti", ButtonColour::Own},
    {CONTROL(Command17), ToolButton(1), "", ButtonPicture::None, "Randomize", ButtonColour::Own},
    {CONTROL(Command1), ToolButton(2), "", ButtonPicture::None, "randomize", ButtonColour::Own},
    {CONTROL(Command19), ToolButton(3), "", ButtonPicture::None, "RemoveDup", ButtonColour::Own},
    {CONTROL(Command3), ToolButton(4), "", ButtonPicture::None, "addpn", ButtonColour::Own},
    {CONTROL(Command14), ToolButton(5), "", ButtonPicture::None, "AddMeanIndex",
     ButtonColour::Own},
    {CONTROL(Command4), ToolButton(6), "", ButtonPicture::None, "DrawGrid", ButtonColour::Own},
    {CONTROL(Command2), ToolButton(7), "", ButtonPicture::None, "Trigger SetCol",
     ButtonColour::Own},
};

// Two standard buttons that only carry their tips.
struct PlainButtonDef {
  QPushButton* Form1Widgets::*handle;
  const char* name;
  int row;
  const char* caption;
  const char* tooltip;
};
const PlainButtonDef kPlainButtons[] = {
    {CONTROL(Command6), 8, "Print", "Print this Puzzle on one page"},
    {CONTROL(Command7), 9, "Save", "Save this puzzle"},
};

struct MenuEntryDef {
  QAction* Form1Widgets::*handle;  // nullptr: a separator
  const char* name;
  const char* caption;
};

constexpr MenuEntryDef kSeparator{nullptr, nullptr, nullptr};

const MenuEntryDef kFileMenu[] = {
    {CONTROL(mnucolsch), "Edit Options"},      {CONTROL(mnusaveopts), "Save Options"},
    kSeparator,
    {CONTROL(mnudict), "Load a Dictionary"},   {CONTROL(mnuloadpuz), "Load a Puzzle File"},
    kSeparator,
    {CONTROL(mnuprint), "Print"},              {CONTROL(mnuhelp), "Help"},
    {CONTROL(mnuabout), "About"},
    kSeparator,
    {CONTROL(cmdexitx), "Exit"},
    kSeparator,
    {CONTROL(can1), "Cancel"},
};

const MenuEntryDef kPuzzleMenu[] = {
    {CONTROL(mnucreate), "Create"}, {CONTROL(mnureset), "Reset"},
    kSeparator,
    {CONTROL(mnusave), "Save"},     {CONTROL(mnucopy2clip), "Copy to Clipboard"},
    kSeparator,
    {CONTROL(can6), "Cancel"},
};

#undef CONTROL

void InfoLabelLook(QLabel& label) {
  label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label.setContentsMargins(4, 0, 2, 0);
}

QLabel* InfoLabel(QWidget* parent, const char* name, const Place& place) {
  QLabel* label = Placed(new QLabel(parent), name, place);
  InfoLabelLook(*label);
  return label;
}

template <size_t N>
void AddMenu(QMenuBar& bar, const char* name, const char* title, const MenuEntryDef (&entries)[N],
             Form1Widgets& w) {
  QMenu* menu = bar.addMenu(QString::fromLatin1(title));
  menu->setObjectName(QString::fromLatin1(name));
  for (const MenuEntryDef& entry : entries) {
    if (!entry.handle) {
      menu->addSeparator();
      continue;
    }
    QAction* action = menu->addAction(QString::fromLatin1(entry.caption));
    action->setObjectName(QString::fromLatin1(entry.name));
    w.*entry.handle = action;
  }
}

}  // namespace

Form1Widgets BuildForm1Controls(QMainWindow& window, ColourRoles& roles) {
  Form1Widgets w;
  auto* client = new QWidget(&window);
  client->setObjectName(QStringLiteral("client"));
  client->setAutoFillBackground(true);
  window.setCentralWidget(client);
  client->setMinimumSize(TwipsToPixelsX(*client, kClientWidth),
                         TwipsToPixelsY(*client, kClientHeight));
  client->setMaximumSize(TwipsToPixelsX(*client, kWidenedClientWidth),
                         TwipsToPixelsY(*client, kClientHeight));

  w.Picture2 = Placed(new GridView(client), "Picture2",
                      {30, 30, kGridSurfaceWidth, kGridSurfaceHeight});
  w.Frame1 = Placed(new PlainFrame(QStringLiteral("Clues"), client), "Frame1",
                    {5880, 60, 3375, 7275});
  w.picouter = Placed(new CluePanel(w.Frame1), "picouter", {90, 270, 3195, 6510});
  w.Label5 = InfoLabel(w.Frame1, "Label5", {90, 6870, 3195, 315});

  w.Label2 = InfoLabel(client, "Label2", {375, 6660, 1785, 345});
  w.Statx = Placed(new FitLabel(client), "Statx", {2160, 6660, 2355, 345});
  InfoLabelLook(*w.Statx);
  w.Label1 = InfoLabel(client, "Label1", {375, 7020, 1800, 345});
  w.label4 = InfoLabel(client, "label4", {2175, 7020, 2355, 345});
  w.Label3 = Placed(new ClickLabel(client), "Label3", {4530, 7020, 315, 345});
  w.Label3->setAlignment(Qt::AlignCenter);
  w.Label3->setAutoFillBackground(true);
  w.Label3->setCursor(Qt::PointingHandCursor);
  w.Label3->setToolTip(QStringLiteral("Puzzle size, click to change"));

  for (const ButtonDef& def : kButtons) {
    BoxControl* button = Placed(new BoxControl(client), def.name, def.place);
    button->setToolTip(QString::fromLatin1(def.tooltip));
    button->SetCaption(QString::fromLatin1(def.caption));
    button->SetPicture(ButtonIcon(def.picture));
    if (def.colour == ButtonColour::Scheme) roles.Register(*button, ColourRole::Button);
    w.*def.handle = button;
  }
  for (const PlainButtonDef& def : kPlainButtons) {
    auto* button = Placed(new QPushButton(QString::fromLatin1(def.caption), client), def.name,
                          ToolButton(def.row));
    button->setToolTip(QString::fromLatin1(def.tooltip));
    roles.Register(*button, ColourRole::Button);
    w.*def.handle = button;
  }
  w.gf1 = Placed(new FNDialog(client), "gf1", ToolButton(10));

  for (QWidget* background : std::initializer_list<QWidget*>{
           client, w.Frame1, w.picouter, w.Label5, w.Label2, w.Statx, w.Label1, w.label4}) {
    roles.Register(*background, ColourRole::Background);
  }
  roles.Register(*w.Label3, ColourRole::Button);
  roles.Register(*w.Picture2, ColourRole::Surface);
  roles.Register(w.picouter->Inner(), ColourRole::Surface);

  w.Timer1 = new QTimer(&window);
  w.Timer1->setObjectName(QStringLiteral("Timer1"));
  w.Timer1->setSingleShot(true);
  w.Timer1->setInterval(100);

  QMenuBar* bar = window.menuBar();
  AddMenu(*bar, "mnumain", "File", kFileMenu, w);
  AddMenu(*bar, "mnudictx", "Puzzle", kPuzzleMenu, w);
  roles.Register(*bar, ColourRole::MenuBar);
  return w;
}

}  // namespace sl
