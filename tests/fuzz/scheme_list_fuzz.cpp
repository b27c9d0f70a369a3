// The colour scheme list "all.col": the options window's list of names and loading one scheme
// (for the game and for the preview), compared with a plain reference written from the rules.
// Input: one byte choosing which line of the file is the requested name, then the file.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "options/colour_table.h"
#include "options/scheme_file.h"
#include "plain_references.h"

namespace {

using Table = sl::SchemeTable;
using Components = std::array<int64_t, 3>;

// The first three ";"-separated fields, each its leading number to the nearest whole number;
// nothing for fewer than three fields or a number outside 0..2147483647.
std::optional<Components> ColourLine(const std::string& line) {
  const std::vector<std::string> fields = sl::fuzz::ReferenceSplit(line, ';');
  if (fields.size() < 3) return std::nullopt;
  Components components{};
  for (int i = 0; i < 3; ++i) {
    const double whole = std::nearbyint(sl::fuzz::ReferenceVal(fields[i]));
    if (!(whole >= 0 && whole <= 2147483647.0)) return std::nullopt;
    components[i] = static_cast<int64_t>(whole);
  }
  return components;
}

uint32_t Formed(const Components& c) {
  uint32_t colour = 0;
  for (int i = 0; i < 3; ++i) colour |= static_cast<uint32_t>(c[i] > 255 ? 255 : c[i]) << (8 * i);
  return colour;
}

// The 13 colour lines after the first line equal to name. The preview takes every slot as its
// line stands; the game makes slot 3 the running colour + 32 (above 256 gives 254) and slot 5
// the running colour - 32 (below 1 gives 8).
bool ReferenceRead(const std::vector<std::string>& lines, const std::string& name, bool game,
                   Table& table) {
  const auto header = std::find(lines.begin(), lines.end(), name);
  if (header == lines.end()) return false;
  Components running{};
  for (size_t slot = 0; slot < 13; ++slot) {  // slots before a fault keep what they read
    if (header + 1 + slot == lines.end()) return false;
    if (game && slot == 3) {
      for (int64_t& c : running) c = c + 32 > 256 ? 254 : c + 32;
    } else if (game && slot == 5) {
      for (int64_t& c : running) c = c - 32 < 1 ? 8 : c - 32;
    } else {
      const auto read = ColourLine(header[1 + slot]);
      if (!read) return false;
      running = *read;
    }
    table[slot] = Formed(running);
  }
  return true;
}

// The preview; "default.col" in any case reads nothing and shows a list box's background.
bool ReferencePreview(const std::vector<std::string>& lines, const std::string& name,
                      Table& table, uint32_t& preview) {
  if (sl::fuzz::ReferenceAsciiLower(name) == "default.col") {
    table[2] = table[4] = 0x80000005;
    table[3] = 0x1C1C1C;
    preview = table[2];
    return true;
  }
  const bool read = ReferenceRead(lines, name, false, table);
  preview = read ? table[2] : 0;
  return read;
}

Table Marked() {
  Table table{};
  for (size_t i = 0; i < table.size(); ++i) table[i] = 0xA0000000u + static_cast<uint32_t>(i);
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  if (size == 0) return 0;
  const std::string_view text = fuzz::Bytes(data + 1, size - 1);
  const fuzz::TempFile file("all.col", text);
  const std::vector<std::string> lines = fuzz::ReferenceLines(text);

  std::vector<std::string> names;
  for (const std::string& line : lines) {
    const size_t at = line.find(".col");
    if (at != std::string::npos) names.push_back(line.substr(0, at));
  }
  FUZZ_CHECK(ReadSchemeList(file.Path()) == names);

  // Mostly a line of the file, so that the header is found; otherwise "default.col".
  std::string name = "DeFault.col";
  if (!lines.empty() && data[0] != 0xFF) name = lines[data[0] % lines.size()];

  Table loaded = Marked(), expected = Marked();
  const bool ok = LoadColourScheme(file.Path(), name, loaded);
  FUZZ_CHECK(ok == ReferenceRead(lines, name, true, expected), "found \"%s\": %d", name.c_str(),
             ok);
  for (size_t slot = 0; slot < loaded.size(); ++slot) {
    FUZZ_CHECK(loaded[slot] == expected[slot], "slot %zu: %08x, expected %08x", slot,
               loaded[slot], expected[slot]);
  }

  Table previewed = Marked();
  expected = Marked();
  Colour preview = 1, expectedPreview = 1;
  const bool shown = PreviewColourScheme(file.Path(), name, previewed, preview);
  FUZZ_CHECK(shown == ReferencePreview(lines, name, expected, expectedPreview));
  FUZZ_CHECK(previewed == expected && preview == expectedPreview, "preview of \"%s\"",
             name.c_str());
  return 0;
}
