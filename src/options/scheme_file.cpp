#include "options/scheme_file.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "common/ascii_case.h"
#include "common/numbers.h"
#include "common/text_lines.h"

namespace sl {

namespace {

using Components = std::array<int64_t, 3>;

constexpr const char* kSchemeEnding = ".col";
constexpr int64_t kMenuBarLift = 32;     // slot 3 = slot 2 + 32
constexpr int64_t kMenuBarOverflow = 256;
constexpr int64_t kMenuBarOverflowValue = 254;
constexpr int64_t kShadowDrop = 32;      // slot 5 = slot 4 - 32
constexpr int64_t kShadowFloor = 1;
constexpr int64_t kShadowFloorValue = 8;

// The first three ";"-separated numbers of a colour line: each the leading number of its field,
// to the nearest whole number. Nullopt for fewer than three fields or a number below 0 or
// beyond the 32-bit range.
std::optional<Components> ReadColourLine(const std::string& line) {
  Components components{};
  size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    if (start > line.size()) return std::nullopt;
    size_t end = line.find(';', start);
    if (end == std::string::npos) end = line.size();
    const double whole = std::nearbyint(Val(std::string_view(line).substr(start, end - start)));
    if (whole < 0 || whole > std::numeric_limits<int32_t>::max()) return std::nullopt;
    components[i] = static_cast<int64_t>(whole);
    start = end + 1;
  }
  return components;
}

// Opens the list and reads up to the header line equal to name. False when there is none.
bool FindHeader(LineReader& reader, const std::string& name) {
  std::string line;
  while (reader.Next(line)) {
    if (line == name) return true;
  }
  return false;
}

// Reads the block's thirteen colour lines, handing each slot and its line to store, which
// returns false for a line it cannot use. False at the first missing or unusable line.
template <class Store>
bool ReadBlock(LineReader& reader, Store store) {
  std::string line;
  for (int slot = 0; slot < kSchemeLoadedSlots; ++slot) {
    if (!reader.Next(line) || !store(slot, line)) return false;
  }
  return true;
}

Colour ColourOf(const Components& c) { return ColourOfComponents(c[0], c[1], c[2]); }

bool IsSystemSchemeName(const std::string& name) {
  return AsciiLower(name) == kSystemSchemeName;
}

}  // namespace

std::vector<std::string> ReadSchemeList(const std::string& listPath) {
  std::vector<std::string> names;
  LineReader reader(listPath);
  std::string line;
  while (reader.Next(line)) {
    const size_t at = line.find(kSchemeEnding);
    if (at != std::string::npos) names.push_back(line.substr(0, at));
  }
  return names;
}

bool LoadColourScheme(const std::string& listPath, const std::string& name, SchemeTable& colours) {
  LineReader reader(listPath);
  if (!FindHeader(reader, name)) return false;
  Components running{};
  return ReadBlock(reader, [&](int slot, const std::string& line) {
    // The lines of slots 3 and 5 are passed over: those slots follow from slots 2 and 4.
    if (slot == kMenuBarSlot) {
      for (int64_t& c : running) {
        c += kMenuBarLift;
        if (c > kMenuBarOverflow) c = kMenuBarOverflowValue;
      }
    } else if (slot == kButtonShadowSlot) {
      for (int64_t& c : running) {
        c -= kShadowDrop;
        if (c < kShadowFloor) c = kShadowFloorValue;
      }
    } else {
      std::optional<Components> read = ReadColourLine(line);
      if (!read) return false;
      running = *read;
    }
    colours[slot] = ColourOf(running);
    return true;
  });
}

bool PreviewColourScheme(const std::string& listPath, const std::string& name,
                         SchemeTable& colours, Colour& preview) {
  if (IsSystemSchemeName(name)) {
    colours[kBackgroundSlot] = kSystemWindow;
    colours[kButtonSlot] = kSystemWindow;
    colours[kMenuBarSlot] = kDarkGrey;
    preview = colours[kBackgroundSlot];
    return true;
  }
  preview = 0;
  LineReader reader(listPath);
  if (!FindHeader(reader, name)) return false;
  Colour background = 0;
  const bool read = ReadBlock(reader, [&](int slot, const std::string& line) {
    std::optional<Components> components = ReadColourLine(line);
    if (!components) return false;
    colours[slot] = ColourOf(*components);
    if (slot == kBackgroundSlot) background = colours[slot];
    return true;
  });
  if (read) preview = background;
  return read;
}

}  // namespace sl
