#include "app/appearance_commands.h"

#include <QAction>
#include <QCoreApplication>

#include "app/form1.h"
#include "options/gui/form2.h"
#include "options/scheme_file.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/msg_form.h"

namespace sl {

AppearanceCommands::AppearanceCommands(Form1& form) : form_(form) {
  const Form1Widgets& w = form_.Controls();
  connect(w.Command2, &BoxControl::MouseUp, this,
          [this] { form_.Run(GameCommand::ReapplyColours, [this] { ReapplyAppearance(); }); });
  connect(w.mnucolsch, &QAction::triggered, this,
          [this] { form_.Run(GameCommand::EditOptions, [this] { EditOptions(); }); });
}

std::string AppearanceCommands::SchemeListPath() const {
  return form_.State().folders.DataFile(kSchemeListName);
}

void AppearanceCommands::ReadSchemeList() {
  form_.State().SchemeList = sl::ReadSchemeList(SchemeListPath());
}

bool AppearanceCommands::LoadColourScheme() {
  Appearance& appearance = form_.State().appearance;
  if (sl::LoadColourScheme(SchemeListPath(), appearance.SchemeName, appearance.SchemeColours)) {
    return true;
  }
  MsgboxA("Colour Scheme: " + appearance.SchemeName + " not found", "vbok+vbcritical");
  QCoreApplication::processEvents();
  appearance.SchemeName = kDefaultSchemeName;
  return false;
}

void AppearanceCommands::ApplyColours() {
  Appearance& appearance = form_.State().appearance;
  ApplyButtonShade(appearance.SchemeColours);
  form_.Roles().Paint(RoleColoursOf(appearance));
}

void AppearanceCommands::ReapplyAppearance() {
  LoadColourScheme();
  ApplyColours();
  form_.ComputeGridLayout();
  form_.RedrawPuzzle();
  // Painting started the clue list afresh too: it is drawn again in the new font and colours.
  if (!form_.State().puzzle.Empty()) form_.DrawClueList();
}

Form2* AppearanceCommands::OptionsWindow() const { return options_.data(); }

void AppearanceCommands::UnloadOptionsWindow() { delete options_.data(); }

void AppearanceCommands::EditOptions() {
  if (!options_) {
    GameState& state = form_.State();
    options_ = new Form2(OptionsSettings{state.appearance, state.look, state.SchemeList,
                                         SchemeListPath(), [this] { ReapplyAppearance(); }},
                         &form_);
  }
  options_->exec();
  QCoreApplication::processEvents();
}

}  // namespace sl
