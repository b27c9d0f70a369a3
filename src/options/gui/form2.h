#pragma once
// Form2, the options window "Stacklinks Options": the colour scheme with a live preview, the
// button colour ("+-"), the colour picker, the grid font with its size and colour, the corner
// hint setting and the grid style. Every time it is shown it is filled from the settings, so
// changes that were not applied are gone. Choosing a scheme and "+-" change the colour table at
// once, as a preview; "Apply" stores the rest and asks the main window to reapply its look.
// Closing the window without "Apply" ends the preview: the colour table and the scheme name come
// back as they were, so nothing unapplied is painted later or saved.
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "options/colour_table.h"
#include "options/gui/colour_roles.h"
#include "options/gui/form2_controls.h"
#include "puzzle/puzzle.h"

namespace sl {

// What the options window reads and changes: the main window's settings.
struct OptionsSettings {
  Appearance& appearance;
  GridLook& look;
  const std::vector<std::string>& schemeNames;  // the scheme list read at start-up
  std::string schemeListPath;                   // "all.col"
  std::function<void()> reapplyAppearance;      // the main window's ReapplyAppearance
};

class Form2 : public QDialog {
  Q_OBJECT

 public:
  Form2(OptionsSettings settings, QWidget* parent = nullptr);

  const Form2Controls& Controls() const { return c_; }
  // The colour the player last picked (black until one is picked).
  Colour SelectedColour() const { return selected_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FillFromSettings();
  void SchemeChosen();
  void Shade(int button);
  void FontChosen();
  void SampleSize(int button);
  void TakeFontColour();
  void Apply();
  void Repaint();
  void SetSampleColour(Colour colour);
  void SetColourLabel(Colour colour);
  // Makes the colour current in the picker; what the picker reports meanwhile is not a pick.
  void ShowInPicker(Colour colour);

  OptionsSettings settings_;
  ColourRoles roles_;
  Form2Controls c_;
  Colour selected_ = kBlack;
  bool settingPicker_ = false;
  Colour fontColour_ = kBlack;  // the colour label's colour
  // The colour table and scheme name as last applied (or as found when the window opened).
  SchemeTable appliedColours_{};
  std::string appliedSchemeName_;
};

}  // namespace sl
