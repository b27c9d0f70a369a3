#include "output/gui/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace sl {

void CopyPictureToClipboard(const QImage& picture) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(picture);
}

}  // namespace sl
