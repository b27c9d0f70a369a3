#pragma once
// Plain notices of the main window's commands, in the platform's message box under the game's
// name.
#include <QString>

class QWidget;

namespace sl {

void Inform(QWidget& parent, const QString& text);
void Warn(QWidget& parent, const QString& text);

}  // namespace sl
