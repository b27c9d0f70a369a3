#include "app/configuration.h"

#include "app/entries_keeper.h"
#include "app/form1.h"
#include "output/render/qpainter_surface.h"
#include "toolkit/gui/msg_form.h"
#include "toolkit/gui/native_path.h"

namespace sl {

ConfigValues ConfigFromState(const GameState& state) {
  ConfigValues values;
  values.SchemeName = state.appearance.SchemeName;
  values.DictionaryFile = state.play.DictionaryFile;
  values.PuzzleFile = state.play.PuzzleFile;
  values.GridFontName = state.look.GridFontName;
  values.PuzzleSize = state.puzzle.PuzzleSize;
  values.PuzzleNumber = state.play.PuzzleNumber;
  values.GridFontSize = state.look.GridFontSize;
  values.FontColour = static_cast<int32_t>(state.appearance.FontColour);
  values.ButtonShade = static_cast<int32_t>(state.appearance.SchemeColours[kButtonShadeSlot]);
  return values;
}

void ApplyConfigToState(const ConfigValues& values, GameState& state) {
  state.appearance.SchemeName = values.SchemeName;
  state.play.DictionaryFile = values.DictionaryFile;
  state.play.PuzzleFile = values.PuzzleFile;
  state.look.GridFontName = values.GridFontName;
  state.puzzle.PuzzleSize = values.PuzzleSize;
  state.play.PuzzleNumber = values.PuzzleNumber;
  state.look.GridFontSize = values.GridFontSize;
  state.appearance.FontColour = static_cast<Colour>(values.FontColour);
  state.appearance.SchemeColours[kButtonShadeSlot] = static_cast<Colour>(values.ButtonShade);
}

void ReadcfgFile(Form1& form) {
  GameState& state = form.State();
  ConfigValues values = ConfigFromState(state);
  ReadcfgFile(state.folders.ConfigFile(), state.folders.dataFolder, values);
  ApplyConfigToState(values, state);
}

void SavecfgFile(Form1& form) {
  KeepEntries(form);
  const std::string path = form.State().folders.ConfigFile();
  if (SavecfgFile(path, ConfigFromState(form.State()))) return;
  // The message's own words are ASCII, so with the path as the system's UTF-8 it is all UTF-8.
  MsgboxText(QString::fromStdString(ConfigSaveFailedMessage(FromNativePath(path).toStdString())),
             "vbcritical+vbok");
}

}  // namespace sl
