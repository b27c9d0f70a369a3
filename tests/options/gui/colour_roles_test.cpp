#include "options/gui/colour_roles.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <memory>

#include "output/gui/picture_box.h"
#include "toolkit/gui/box_control.h"

namespace sl {
namespace {

RoleColours Colours(bool colourMenuBar) {
  RoleColours colours;
  colours.background = RGB(200, 220, 240);
  colours.button = RGB(150, 180, 220);
  colours.menuBar = RGB(232, 252, 254);
  colours.colourMenuBar = colourMenuBar;
  colours.surfaceText = RGB(128, 0, 0);
  return colours;
}

QColor Palette(const QWidget& widget, QPalette::ColorRole role) {
  return widget.palette().color(role);
}

TEST(ColourRoles, EachKindOfWidgetTakesItsRolesColourWhereItShowsIt) {
  QMainWindow window;
  auto* label = new QLabel(&window);
  auto* list = new QListWidget(&window);
  auto* button = new BoxControl(&window);
  auto* surface = new PictureBox(&window);
  ColourRoles roles;
  roles.Register(*label, ColourRole::Background);
  roles.Register(*list, ColourRole::Background);
  roles.Register(*button, ColourRole::Button);
  roles.Register(*surface, ColourRole::Surface);
  roles.Register(*window.menuBar(), ColourRole::MenuBar);
  roles.Paint(Colours(false));
  EXPECT_EQ(Palette(*label, QPalette::Window), QColor(200, 220, 240));
  EXPECT_TRUE(label->autoFillBackground());
  EXPECT_EQ(Palette(*list, QPalette::Base), QColor(200, 220, 240));
  EXPECT_EQ(button->BackColor(), RGB(150, 180, 220));
  EXPECT_EQ(surface->BackColor(), RGB(200, 220, 240));
  EXPECT_EQ(surface->ForeColor(), RGB(128, 0, 0));
  EXPECT_FALSE(window.menuBar()->testAttribute(Qt::WA_SetPalette));  // a "default" scheme

  QMenu* menu = window.menuBar()->addMenu(QStringLiteral("File"));
  roles.Paint(Colours(true));
  EXPECT_EQ(Palette(*window.menuBar(), QPalette::Window), QColor(232, 252, 254));
  EXPECT_EQ(Palette(*menu, QPalette::Window), QColor(232, 252, 254));
}

TEST(ColourRoles, AWindowShownLaterTakesTheColoursLastPaintedAndOnlyItsOwnWidgets) {
  ColourRoles roles;
  roles.Paint(Colours(true));
  QWidget shownLater;
  auto* inside = new BoxControl(&shownLater);
  auto elsewhere = std::make_unique<BoxControl>();
  roles.Register(*inside, ColourRole::Button);
  roles.Register(*elsewhere, ColourRole::Button);
  roles.PaintWindow(shownLater);
  EXPECT_EQ(inside->BackColor(), RGB(150, 180, 220));
  EXPECT_EQ(elsewhere->BackColor(), kButtonFace);

  elsewhere.reset();  // a destroyed widget is passed over
  RoleColours next = Colours(true);
  next.button = RGB(1, 2, 3);
  roles.Paint(next);
  EXPECT_EQ(inside->BackColor(), RGB(1, 2, 3));
}

}  // namespace
}  // namespace sl
