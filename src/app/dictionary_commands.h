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

  // Asks for a dictionary file and reads it. Refused while the create button is disabled (a
  // dictionary is being read or a puzzle created).
  void LoadDictionary();
  // Reads the chosen file; the same refusal applies.
  void LoadDictionaryNamed(const std::string& path);
  // Replaces the dictionary with the file's words of PuzzleSize letters, with the status texts,
  // the busy pointer and the create button held disabled meanwhile. On success the file becomes
  // DictionaryFile and Label2 shows its name (full path as tool tip); on failure "Error in
  // dictionary" and both stay as they were. True on success.
  bool ReadDictionary(const std::string& path);

 private:
  bool CreateEnabled() const;
  void SetCreateEnabled(bool enabled);

  Form1& form_;
};

}  // namespace sl
