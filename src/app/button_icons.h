#pragma once
// The 16 by 16 pictures of the main window's icon buttons, drawn in code as shapes so they are
// sharp at every screen scale.
#include <QIcon>

namespace sl {

enum class ButtonPicture {
  None,
  Book,        // load a dictionary
  Tick,        // check the puzzle
  Eye,         // show the solution
  Refresh,     // new clues
  Sparkle,     // create a puzzle
  Folder,      // load a puzzle file
  ArrowLeft,   // previous puzzle
  Dice,        // random puzzle
  ArrowRight,  // next puzzle
  Eraser,      // clear the entries
  Stop,        // cancel creation
};

// The picture as an icon drawn at whatever size and resolution it is shown; null for None.
QIcon ButtonIcon(ButtonPicture picture);

}  // namespace sl
