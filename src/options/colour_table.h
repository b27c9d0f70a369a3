#pragma once
// The colour table every window is painted from, its named slots, and the settings that choose
// the game's look. Colours are 32-bit values with red in the low byte (see Colour).
#include <array>
#include <cstdint>
#include <string>

#include "common/colour.h"

namespace sl {

// Slots of the colour table. A scheme fills slots 0..12; the others are loaded and kept but
// nothing is painted from them.
inline constexpr int kSchemeSlots = 14;
inline constexpr int kSchemeLoadedSlots = 13;   // slots 0..12 come from the scheme list
inline constexpr int kBackgroundSlot = 2;       // windows, frames, labels, drawing surfaces
inline constexpr int kMenuBarSlot = 3;          // loaded as the background + 32
inline constexpr int kButtonSlot = 4;           // buttons, the size label, text boxes
inline constexpr int kButtonShadowSlot = 5;     // loaded as the button colour - 32
inline constexpr int kButtonShadeSlot = 13;     // the player's button colour; 0 = not adjusted

using SchemeTable = std::array<Colour, kSchemeSlots>;

inline constexpr Colour kDarkGrey = RGB(28, 28, 28);
// The text of the message and about windows, a dark grey softer than black.
inline constexpr Colour kMessageTextColour = kDarkGrey;
// System colours (top bit set, the low byte names the colour).
inline constexpr Colour kSystemMenu = 0x80000004;
inline constexpr Colour kSystemWindow = 0x80000005;  // a list box's background

// The platform's own look: background and buttons in the button face, the menu bar in the menu
// colour. The table holds it until a scheme is loaded, so a scheme that cannot be read leaves a
// readable look rather than black windows.
SchemeTable SystemSchemeTable();

// The scheme the game starts with, and falls back to when the one named cannot be loaded.
inline constexpr const char* kDefaultSchemeName = "xp.col";

// The settings that choose the look, kept with the game's state.
struct Appearance {
  std::string SchemeName = kDefaultSchemeName;  // the scheme in use, with its ".col" ending
  SchemeTable SchemeColours = SystemSchemeTable();
  Colour FontColour = kBlack;  // letters of the grid and of the clue list
  // "Hide Corner Hint Letters" of the options window, kept for this run only. The grid shows no
  // hint letters (everything it shows follows from the words and links), so nothing reads it.
  int32_t HideCornerHints = 0;
};

// A colour of three components of 0 or more; a component above 255 counts as 255.
Colour ColourOfComponents(int64_t red, int64_t green, int64_t blue);

// The button colour the player adjusted (slot 13), when above 0 as a signed value, replaces the
// scheme's button colour (slot 4). System colours are negative and never replace it.
void ApplyButtonShade(SchemeTable& colours);

// The "+-" button: button 2 (right) lightens each component by 10, button 1 (left) darkens it
// by 10, any other button changes nothing; each component is then kept within 10..255. The
// colour must be RGB (translate system colours first).
Colour AdjustButtonShade(Colour rgb, int button);

// The scheme list's entry for a scheme name: the name up to (not including) its first ".".
std::string SchemeListText(const std::string& schemeName);

// The colour each painting role takes, resolved from the settings.
struct RoleColours {
  Colour background = kBlack;    // slot 2
  Colour button = kBlack;        // slot 4
  Colour menuBar = kBlack;       // slot 3
  bool colourMenuBar = true;     // false for a scheme whose name holds "default" in any case
  Colour surfaceText = kBlack;   // FontColour, on the grid and clue surfaces
  Colour messageText = kMessageTextColour;
};
RoleColours RoleColoursOf(const Appearance& appearance);

}  // namespace sl
