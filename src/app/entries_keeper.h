#pragma once
// No letter lost: the letters of the puzzle on screen are kept with the settings (on Exit and
// Save Options) and given back when the next run starts on that same puzzle.
#include <QObject>
#include <string>

namespace sl {

class Form1;
struct GameFolders;

// "stacklinks.entries" beside the settings.
std::string KeptEntriesFile(const GameFolders& folders);

// Writes the letters of the puzzle shown, whole or not at all. Failures are silent: the
// settings written beside them report a folder that cannot be written.
void KeepEntries(const Form1& form);

class EntriesKeeper : public QObject {
  Q_OBJECT

 public:
  explicit EntriesKeeper(Form1& form);

 private:
  // After the first tick has shown its puzzle: the letters kept for it, if any.
  void RestoreAfterStart();

  Form1& form_;
};

}  // namespace sl
