#pragma once
// Chooses a scheme in the options window's list as a click on it does.
#include <QComboBox>

#include "options/gui/form2_controls.h"

namespace sl::test {

inline void ChooseScheme(const Form2Controls& controls, const char* name) {
  controls.schemeList->setCurrentText(QString::fromLatin1(name));
  Q_EMIT controls.schemeList->activated(controls.schemeList->currentIndex());
}

}  // namespace sl::test
