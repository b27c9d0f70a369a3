#include "app/help_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>

#include "app/form1.h"
#include "toolkit/gui/about_form.h"
#include "toolkit/gui/box_control.h"
#include "toolkit/gui/form4.h"
#include "toolkit/gui/native_path.h"
#include "toolkit/help_page.h"

namespace sl {

HelpCommands::HelpCommands(Form1& form) : form_(form) {
  connect(form_.Controls().mnuhelp, &QAction::triggered, this,
          [this] { form_.Run(GameCommand::Help, [this] { Help(); }); });
  connect(form_.Controls().mnuabout, &QAction::triggered, this,
          [this] { form_.Run(GameCommand::About, [this] { About(); }); });
}

void HelpCommands::Help() {
  if (!help_) help_ = new Form4(&form_);
  help_->Open(FromNativePath(FileAddress(form_.State().folders.dataFolder, kHelpPageName)));
  QCoreApplication::processEvents();
}

void HelpCommands::About() {
  if (!about_) {
    about_ = new AboutForm(&form_);
    ColourRoles& roles = form_.Roles();
    roles.Register(*about_, ColourRole::Background);
    roles.Register(about_->AboutText(), ColourRole::Background);
    roles.Register(about_->Label1(), ColourRole::Button);
    roles.Register(about_->aboutok(), ColourRole::Button);
    // The box takes the scheme's colours each time it becomes the active window.
    connect(about_, &AboutForm::Activated, this, [this] {
      form_.Roles().PaintWindow(*about_, RoleColoursOf(form_.State().appearance));
    });
  }
  about_->exec();
  QCoreApplication::processEvents();
}

}  // namespace sl
