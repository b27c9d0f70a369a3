#pragma once
// The game's look: the scheme list read at start-up, loading the scheme the settings name and
// painting every window from it, "Edit Options" (mnucolsch) opening the options window, and
// ReapplyAppearance (the hidden Command2 "Trigger SetCol", pressed by the options window's
// "Apply"), which reloads the scheme, repaints and redraws the grid in the new look.
#include <QObject>
#include <QPointer>
#include <string>

namespace sl {

class Form1;
class Form2;

class AppearanceCommands : public QObject {
  Q_OBJECT

 public:
  explicit AppearanceCommands(Form1& form);

  // The scheme names of "all.col" for the options window; none when it cannot be read.
  void ReadSchemeList();
  // Fills the colour table from the scheme SchemeName names. When it cannot be read, the
  // message box says so and SchemeName becomes "xp.col" for the next start; the table keeps
  // what it held (the platform's look at start-up), so the windows stay readable.
  bool LoadColourScheme();
  // Paints every window from the colour table; the player's button colour, when set, first
  // becomes the button colour.
  void ApplyColours();
  // LoadColourScheme, ApplyColours, then the grid layout and the grid and clues drawn again.
  void ReapplyAppearance();
  // Shows the options window, modally.
  void EditOptions();
  // The options window once it has been opened, else null.
  Form2* OptionsWindow() const;
  // Closes and destroys the options window if it exists (the game is ending).
  void UnloadOptionsWindow();

 private:
  std::string SchemeListPath() const;

  Form1& form_;
  QPointer<Form2> options_;
};

}  // namespace sl
