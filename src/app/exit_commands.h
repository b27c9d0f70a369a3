#pragma once
// Leaving the game: Exit (cmdexitx) asks first and keeps the settings; "Save Options"
// (mnusaveopts) keeps them now. Closing the window by its close box asks nothing and keeps
// nothing (Form1's close handling).
#include <QObject>

namespace sl {

class Form1;

inline constexpr const char* kExitQuestion = "Exit?";

class ExitCommands : public QObject {
  Q_OBJECT

 public:
  explicit ExitCommands(Form1& form);

  // Asks "Exit?"; on Yes writes the configuration file and closes every window.
  void Exit();
  // Writes the configuration file.
  void SaveOptions();

 private:
  Form1& form_;
};

}  // namespace sl
