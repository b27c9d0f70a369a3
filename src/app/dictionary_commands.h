#pragma once
// The word files of the main window: Load a Dictionary (cmdloadict, mnudict), reading the
// dictionary for the current size whenever the window needs it, and the meanings that give shown
// puzzles their clues.
#include <QObject>
#include <memory>
#include <string>

#include "generation/gui/dictionary_job.h"

class QShortcut;

namespace sl {

class Form1;

inline constexpr const char* kDictionaryReadCanceled = "Dictionary reading canceled";

class DictionaryCommands : public QObject {
  Q_OBJECT

 public:
  // Connects the button, the menu entry and Form1::DictionaryNeeded, and gives the window its
  // clue source (the meanings file in the program folder, read on first use).
  explicit DictionaryCommands(Form1& form);

  // Asks for a dictionary file and reads it, when the command table lets it run.
  void LoadDictionary();
  // Reads the chosen file on a worker thread, with "Reading Dictionary ..." and the busy pointer
  // until it ends; the window answers meanwhile, Escape cancels, and the read is the game's job
  // (creating waits for it). On success the words replace the dictionary as ReadDictionary says;
  // on failure or cancel the dictionary, DictionaryFile and Label2 stay as they were.
  void LoadDictionaryNamed(const std::string& path);
  // True while a chosen file is being read.
  bool Reading() const { return job_.Running(); }
  void CancelReading();
  // Replaces the dictionary with the file's words of PuzzleSize letters, with the status texts
  // ("Reading Dictionary ..." is on screen before the read starts) and the busy pointer. On
  // success the file becomes DictionaryFile and Label2 shows its name (full path as tool tip); on
  // failure "Error in dictionary" and both stay as they were. True on success. The read runs in
  // one go, so no command can come in meanwhile (the size changes that need it are quick reads).
  bool ReadDictionary(const std::string& path);

 private:
  void StartReading(const std::string& path);
  void SetReading(bool reading);
  void OnReadFinished(const std::shared_ptr<DictionaryRead>& result);
  // The file whose words the dictionary now holds: DictionaryFile and Label2.
  void SetDictionaryFile(const std::string& path);

  Form1& form_;
  DictionaryJob job_;
  QShortcut* escape_ = nullptr;
};

}  // namespace sl
