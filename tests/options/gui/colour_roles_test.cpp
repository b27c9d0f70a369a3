#include "options/gui/colour_roles.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <memory>

#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

// Drawing surfaces in their roles' colours are shown in the main window's look test.
TEST(ColourRoles, EachKindTakesItsRolesColourAndAWindowCanBePaintedAlone) {
  QMainWindow window;
  auto* list = new QListWidget(&window);
  auto button = std::make_unique<BoxControl>();
  ColourRoles roles;
  roles.Register(*list, ColourRole::Background);
  roles.Register(*button, ColourRole::Button);
  roles.Register(*window.menuBar(), ColourRole::MenuBar);
  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("File"));
  RoleColours colours;
  colours.background = RGB(200, 220, 240);
  colours.button = RGB(150, 180, 220);
  colours.menuBar = RGB(232, 252, 254);
  colours.colourMenuBar = false;  // a "default" scheme
  roles.Paint(colours);
  EXPECT_EQ(list->palette().color(QPalette::Base), QColor(200, 220, 240));
  EXPECT_EQ(button->BackColor(), RGB(150, 180, 220));
  EXPECT_FALSE(window.menuBar()->testAttribute(Qt::WA_SetPalette));

  colours.colourMenuBar = true;
  colours.button = RGB(1, 2, 3);
  button.reset();  // a destroyed widget is passed over
  roles.Paint(colours);
  EXPECT_EQ(menu->palette().color(QPalette::Window), QColor(232, 252, 254));

  // A window made later registers its widgets and can be painted alone.
  QWidget later;
  auto* inside = new BoxControl(&later);
  BoxControl outside;
  roles.Register(*inside, ColourRole::Button);
  roles.Register(outside, ColourRole::Button);
  roles.PaintWindow(later, colours);
  EXPECT_EQ(inside->BackColor(), RGB(1, 2, 3));
  EXPECT_EQ(outside.BackColor(), kButtonFace);
}

}  // namespace
}  // namespace sl
