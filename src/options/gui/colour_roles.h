#pragma once
// Painting by role. Every widget that takes a scheme colour is registered once, where it is
// made, with its role; painting a scheme paints the roles, so a new window only registers its
// widgets. How a role's colour reaches a widget depends on the widget's kind (a button's back
// colour, a drawing surface's background and ink, a list's base, a label's window colour).
#include <QPointer>
#include <QWidget>
#include <vector>

#include "options/colour_table.h"

class QMenuBar;

namespace sl {

enum class ColourRole {
  Background,     // slot 2: windows, frames, labels, lists, check and option boxes
  Button,         // slot 4: buttons, the size label, text boxes
  MenuBar,        // slot 3: a menu bar and its menus; left alone for a "default" scheme
  Surface,        // drawing surfaces: background slot 2, ink FontColour
  MessageWindow,  // the message box: background slot 2, buttons slot 4, dark grey text
};

class ColourRoles {
 public:
  // The widget is painted with its role's colour by every Paint while it exists.
  void Register(QWidget& widget, ColourRole role);
  // Paints every registered widget.
  void Paint(const RoleColours& colours);
  // Paints only the registered widgets inside the window (itself included), for a window that
  // takes the scheme's colours itself whenever it is shown.
  void PaintWindow(const QWidget& window, const RoleColours& colours) const;

 private:
  struct Entry {
    QPointer<QWidget> widget;
    ColourRole role;
  };
  std::vector<Entry> entries_;
};

// Paints one widget in its role's colour.
void PaintWidget(QWidget& widget, ColourRole role, const RoleColours& colours);
// A solid background of the colour for the menu bar and all its drop-down menus.
void SetMenuBarColour(QMenuBar& bar, Colour colour);

}  // namespace sl
