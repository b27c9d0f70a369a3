#pragma once
// The message box's pictures, drawn in code so they stay crisp at any screen resolution.
#include <QIcon>
#include <QPixmap>

namespace sl {

// The picture of a place (0 question, 1 exclamation, 2 information, 3 stop sign, 4 white cross
// on red, 5 smiling face, 6 burning waste barrel, 7 printer, 8 light bulb) as a square of
// sidePixels logical pixels for a screen of the given device pixel ratio. Places 9 and 10, and
// any other number, hold no picture: the result is a null pixmap.
QPixmap MsgPicture(int place, int sidePixels, qreal devicePixelRatio);

// The message window's own icon: a grid of black squares with a red burst at the centre.
QIcon MsgWindowIcon();

}  // namespace sl
