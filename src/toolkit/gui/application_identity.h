#pragma once
// How the game names itself to the desktop: its name, icon and menu entry. No display name is
// set, because Qt appends one to every window caption (" — Stacklinks"), and the captions are
// the windows' own texts exactly.
namespace sl {

// Call once the QApplication exists. appId names the installed menu entry.
void SetUpApplicationIdentity(const char* appId);

}  // namespace sl
