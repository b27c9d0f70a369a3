#pragma once
// The controls of the options window at their places (twips).
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QGroupBox;
class QListWidget;
class QRadioButton;

namespace sl {

class BoxControl;
class ClickLabel;
class ColPik;
class ColourRoles;

struct Form2Controls {
  QGroupBox* schemeFrame = nullptr;  // "Colour Scheme: " + the scheme name
  QComboBox* schemeList = nullptr;
  BoxControl* shade = nullptr;       // "+-"
  ColPik* picker = nullptr;
  QListWidget* fontList = nullptr;
  ClickLabel* sample = nullptr;      // the font, size and colour being chosen
  ClickLabel* colourLabel = nullptr; // shows the font colour; a click takes the picked colour
  QCheckBox* hideHints = nullptr;
  std::array<QRadioButton*, 3> styles{};  // Flat, Raised, Sunk = GridStyle 0, 1, 2
  QButtonGroup* styleGroup = nullptr;
  BoxControl* apply = nullptr;
  BoxControl* exit = nullptr;
};

// Creates the controls inside the window, sizes the window, and registers each control that
// takes the scheme's colours with its role.
Form2Controls BuildForm2Controls(QDialog& window, ColourRoles& roles);

}  // namespace sl
