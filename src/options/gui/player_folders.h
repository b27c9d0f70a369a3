#pragma once
// The folders of this run, with the player's settings and data folders from the platform's
// standard locations (~/.config and ~/.local/share, or what XDG_CONFIG_HOME and XDG_DATA_HOME
// name).
#include "options/game_folders.h"

namespace sl {

GameFolders PlayerGameFolders();

}  // namespace sl
