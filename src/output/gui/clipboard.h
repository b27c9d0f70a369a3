#pragma once
// The clipboard picture of the sheet.
#include <QImage>

namespace sl {

// Puts the picture on the system clipboard as an image; a later copy replaces it.
void CopyPictureToClipboard(const QImage& picture);

}  // namespace sl
