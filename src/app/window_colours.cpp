#include "app/window_colours.h"

#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

#include "app/form1.h"
#include "output/gui/picture_box.h"
#include "output/render/qpainter_surface.h"
#include "puzzle/gui/clue_panel.h"
#include "puzzle/gui/grid_view.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/click_label.h"
#include "toolkit/gui/msg_form.h"

namespace sl {
namespace {


void SetBackground(QWidget& widget, const QColor& colour, QPalette::ColorRole role) {
  QPalette palette = widget.palette();
  palette.setColor(role, colour);
  widget.setPalette(palette);
}

}  // namespace

void ApplyColours(Form1& form) {
  GameState& state = form.State();
  if (static_cast<int32_t>(state.SchemeColours[13]) > 0) {
    state.SchemeColours[kButtonSlot] = state.SchemeColours[13];
  }
  const QPalette& base = form.palette();
  const Colour background = state.SchemeColours[kBackgroundSlot];
  const QColor window = ToQColor(background, base);
  const QColor button = ToQColor(state.SchemeColours[kButtonSlot], base);

  if (QWidget* client = form.centralWidget()) SetBackground(*client, window, QPalette::Window);
  form.Picture2().SetBackColor(background);
  form.Picture2().SetForeColor(state.FontColour);
  SetBackground(form.Frame1(), window, QPalette::Window);
  SetBackground(form.picouter(), window, QPalette::Window);
  form.picouter().Inner().SetBackColor(background);
  form.picouter().Inner().SetForeColor(state.FontColour);
  SetBackground(form.Label3(), button, QPalette::Window);

  // The buttons that take the button colour; the maintenance tools keep their own.
  const Form1Widgets& w = form.Controls();
  for (BoxControl* box : {w.cmdcreate, w.cmdreset, w.cmdshowsol, w.cmdloadict, w.cmddone,
                          w.Command5, w.Command8, w.Command9, w.Command11, w.command15,
                          w.Command16}) {
    box->SetBackColor(state.SchemeColours[kButtonSlot]);
  }
  for (QPushButton* plain : {w.Command6, w.Command7}) {
    SetBackground(*plain, button, QPalette::Button);
  }
  SetBackground(*form.menuBar(), ToQColor(state.SchemeColours[kMenuBarSlot], base),
                QPalette::Window);

  MsgForm& messages = MsgForm::Instance();
  messages.SetBackColour(background);
  messages.SetButtonColour(state.SchemeColours[kButtonSlot]);
  messages.SetSchemeButtonColour(state.SchemeColours[kButtonSlot]);
  messages.SetTextColour(kMessageTextColour);
}

}  // namespace sl
