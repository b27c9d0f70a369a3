#pragma once
// The sheet as a picture, as it goes to the clipboard.
#include <QImage>

#include "output/puzzle_sheet.h"

namespace sl {

// The picture-kind sheet on a white image 8000 by 13200 twips at the given twips per pixel (533
// by 880 pixels at 15). A device pixel ratio above 1 gives a sharper image of the same size.
QImage SheetPicture(const SheetContent& sheet, double twipsPerPixel, double devicePixelRatio = 1);

}  // namespace sl
