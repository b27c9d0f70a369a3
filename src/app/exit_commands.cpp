#include "app/exit_commands.h"

#include <QAction>
#include <QCoreApplication>

#include "app/configuration.h"
#include "app/form1.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/msgbox_style.h"

namespace sl {

ExitCommands::ExitCommands(Form1& form) : form_(form) {
  connect(form_.Controls().cmdexitx, &QAction::triggered, this,
          [this] { form_.Run(GameCommand::Exit, [this] { Exit(); }); });
  connect(form_.Controls().mnusaveopts, &QAction::triggered, this,
          [this] { form_.Run(GameCommand::SaveOptions, [this] { SaveOptions(); }); });
}

void ExitCommands::Exit() {
  const int32_t answer = MsgboxA(kExitQuestion, "vbQuestion + vbYesNo");
  QCoreApplication::processEvents();
  if (answer != kMsgYes) return;
  SavecfgFile(form_);
  // Closing the main window closes the other windows and ends the game.
  form_.close();
}

void ExitCommands::SaveOptions() { SavecfgFile(form_); }

}  // namespace sl
