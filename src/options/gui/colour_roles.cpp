#include "options/gui/colour_roles.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "options/gui/col_pik.h"
#include "toolkit/gui/screen_colours.h"
#include "toolkit/gui/picture_box.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/msg_form.h"

namespace sl {

namespace {

// A background for a widget the game does not draw itself, in the palette roles its kind
// fills with.
void PaintPlainWidget(QWidget& widget, Colour colour) {
  const QColor shown = ScreenColour(colour);
  if (qobject_cast<QComboBox*>(&widget)) {
    SetPaletteColour(widget, {QPalette::Window, QPalette::Button, QPalette::Base}, shown);
  } else if (qobject_cast<QAbstractItemView*>(&widget) || qobject_cast<QLineEdit*>(&widget) ||
             qobject_cast<QAbstractSpinBox*>(&widget) || qobject_cast<QTextEdit*>(&widget)) {
    SetPaletteColour(widget, {QPalette::Window, QPalette::Base}, shown);
  } else if (qobject_cast<QPushButton*>(&widget)) {
    SetPaletteColour(widget, {QPalette::Button}, shown);
  } else if (qobject_cast<QAbstractButton*>(&widget)) {
    SetPaletteColour(widget, {QPalette::Window}, shown);  // check and option boxes show their parent
  } else {
    SetPaletteColour(widget, {QPalette::Window}, shown);
    widget.setAutoFillBackground(true);
  }
}

// The back colour of a widget: the game's own controls keep the colour value (a system colour
// stays one), the others take it through their palette.
void PaintBackColour(QWidget& widget, Colour colour) {
  if (auto* button = qobject_cast<BoxControl*>(&widget)) {
    button->SetBackColor(colour);
  } else if (auto* picture = qobject_cast<PictureBox*>(&widget)) {
    // A kept drawing starts again in its new background, as a picture box does; its owner
    // redraws it.
    picture->SetBackColor(colour);
  } else if (auto* picker = qobject_cast<ColPik*>(&widget)) {
    picker->SetBackColor(colour);
  } else {
    PaintPlainWidget(widget, colour);
  }
}

}  // namespace

void ColourRoles::Register(QWidget& widget, ColourRole role) {
  entries_.push_back({QPointer<QWidget>(&widget), role});
}

void ColourRoles::Paint(const RoleColours& colours) {
  entries_.erase(std::remove_if(entries_.begin(), entries_.end(),
                                [](const Entry& entry) { return entry.widget.isNull(); }),
                 entries_.end());
  for (const Entry& entry : entries_) PaintWidget(*entry.widget, entry.role, colours);
}

void ColourRoles::PaintWindow(const QWidget& window, const RoleColours& colours) const {
  for (const Entry& entry : entries_) {
    if (entry.widget && (entry.widget == &window || window.isAncestorOf(entry.widget))) {
      PaintWidget(*entry.widget, entry.role, colours);
    }
  }
}

void PaintWidget(QWidget& widget, ColourRole role, const RoleColours& colours) {
  switch (role) {
    case ColourRole::Background:
      PaintBackColour(widget, colours.background);
      break;
    case ColourRole::Button:
      PaintBackColour(widget, colours.button);
      break;
    case ColourRole::MenuBar:
      if (auto* bar = qobject_cast<QMenuBar*>(&widget); bar && colours.colourMenuBar) {
        SetMenuBarColour(*bar, colours.menuBar);
      }
      break;
    case ColourRole::Surface:
      PaintBackColour(widget, colours.background);
      if (auto* picture = qobject_cast<PictureBox*>(&widget)) {
        picture->SetForeColor(colours.surfaceText);
      }
      break;
    case ColourRole::MessageWindow:
      if (auto* messages = qobject_cast<MsgForm*>(&widget)) {
        messages->SetBackColour(colours.background);
        messages->SetButtonColour(colours.button);
        messages->SetSchemeButtonColour(colours.button);
        messages->SetTextColour(colours.messageText);
      }
      break;
  }
}

void SetMenuBarColour(QMenuBar& bar, Colour colour) {
  const QColor shown = ScreenColour(colour);
  SetPaletteColour(bar, {QPalette::Window, QPalette::Button}, shown);
  bar.setAutoFillBackground(true);
  for (QMenu* menu : bar.findChildren<QMenu*>()) {
    SetPaletteColour(*menu, {QPalette::Window, QPalette::Base, QPalette::Button}, shown);
  }
}

}  // namespace sl
