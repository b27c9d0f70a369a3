#pragma once
// Help (mnuhelp) opens the help window on the help page beside the program, without blocking the
// game; About (mnuabout) shows the about box modally. Both windows are made on first use.
#include <QObject>
#include <QPointer>

namespace sl {

class AboutForm;
class Form1;
class Form4;

class HelpCommands : public QObject {
  Q_OBJECT

 public:
  explicit HelpCommands(Form1& form);

  // Navigates the help window to "file:///" + AppFolder + "stacklinks.htm" and shows it.
  void Help();
  // Shows the about box and returns when it is closed.
  void About();

 private:
  Form1& form_;
  QPointer<Form4> help_;
  QPointer<AboutForm> about_;
};

}  // namespace sl
