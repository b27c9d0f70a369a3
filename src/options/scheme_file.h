#pragma once
// The scheme list "all.col": blocks of a header line ("xp.col") and thirteen colour lines
// "red;green;blue" for slots 0..12. Other lines between blocks are passed over.
#include <string>
#include <vector>

#include "options/colour_table.h"

namespace sl {

inline constexpr const char* kSchemeListName = "all.col";
inline constexpr const char* kSystemSchemeName = "default.col";

// The options window's scheme names: for every line that holds ".col" (case-sensitive), the
// text before the first ".col", in file order. A missing or unreadable file gives none.
std::vector<std::string> ReadSchemeList(const std::string& listPath);

// Fills slots 0..12 from the block headed exactly `name`. Slot 3 is the background (slot 2) + 32
// per component, a sum above 256 becoming 254; slot 5 is the button colour (slot 4) - 32, a
// difference below 1 becoming 8; a component above 255 counts as 255. False when the list is
// missing, holds no such header, or a colour line is malformed (fewer than three fields, a
// negative or out-of-range number); the slots read before the failure keep their new values.
bool LoadColourScheme(const std::string& listPath, const std::string& name, SchemeTable& colours);

// The options window's preview. "default.col" (in any case) gives the system look without
// reading the list: slots 2 and 4 the list-box background, slot 3 dark grey. Any other name
// fills slots 0..12 from the file as they stand (slots 3 and 5 too). preview is then slot 2,
// or 0 when the scheme cannot be read (same failures as LoadColourScheme; false).
bool PreviewColourScheme(const std::string& listPath, const std::string& name,
                         SchemeTable& colours, Colour& preview);

}  // namespace sl
