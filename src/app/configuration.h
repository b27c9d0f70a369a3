#pragma once
// The configuration file as the main window keeps it: which game state each of its values
// comes from and goes to.
#include "options/config_file.h"

namespace sl {

class Form1;
struct GameState;

ConfigValues ConfigFromState(const GameState& state);
void ApplyConfigToState(const ConfigValues& values, GameState& state);

// Start-up: reads "stacklinks.cfg" in the settings folder into the state (writing the defaults
// when it cannot be read). No message is shown.
void ReadcfgFile(Form1& form);
// Writes the state to "stacklinks.cfg" (and the letters typed beside it); when that fails the
// message box says so and nothing else changes.
void SavecfgFile(Form1& form);

}  // namespace sl
