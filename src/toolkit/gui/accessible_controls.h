#pragma once
// What assistive tools (screen readers, through the platform's accessibility bridge) learn about
// the game's own controls: the self-drawn button is a push button with a Press action, the
// clickable label is a button named after its text, the fitted label reads its whole text, and a
// drawn table (accessible_table.h) has cells.

namespace sl {

// Makes the game's controls known to Qt's accessibility; every such control calls it when made.
// Only the first call does anything.
void InstallAccessibleControls();

}  // namespace sl
