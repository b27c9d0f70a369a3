#pragma once
// Asking the player for a file through the main window's file-name control.
#include <string>

namespace sl {

class Form1;

struct FilePrompt {
  const char* title;
  const char* fileTypes;  // e.g. "*.txt;*.dic"
  const char* mode;       // "OPEN" or "SAVE"
};

// Shows the dialog starting in the data folder (the folder the game writes to when saving) and
// returns the chosen path, or "" when the player cancels. The process's current folder is the
// same afterwards, wherever the player browsed.
std::string AskForFile(Form1& form, const FilePrompt& prompt);

}  // namespace sl
