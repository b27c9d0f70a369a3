#pragma once
// The word files of the main window: Load a Dictionary (cmdloadict, mnudict), reading the
// dictionary for the current size whenever the window needs it, and the meanings that give shown
// puzzles their clues.
#include <QObject>
#include <string>

namespace sl {

class Form1;

class DictionaryCommands : public QObject {
  Q_OBJECT

 public:
  // Connects the button, the menu entry and Form1::DictionaryNeeded, and gives the window its
  // clue source (the meanings file in the program folder, read on first use).
  explicit DictionaryCommands(Form1& form);

  // Asks for a dictionary file and reads it. Refused while a creation runs.
  void LoadDictionary();
  // Reads the chosen file; the same refusal applies.
  void LoadDictionaryNamed(const std::string& path);
  // Replaces the dictionary with the file's words of PuzzleSize letters, with the status texts
  // ("Reading Dictionary ..." is on screen before the read starts) and the busy pointer. On
  // success the file becomes DictionaryFile and Label2 shows its name (full path as tool tip); on
  // failure "Error in dictionary" and both stay as they were. True on success. The read runs in
  // one go, so no command can come in meanwhile.
  bool ReadDictionary(const std::string& path);

 private:
  Form1& form_;
};

}  // namespace sl
