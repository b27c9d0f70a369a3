#pragma once
// The configuration file "stacklinks.cfg": five lines kept from one run to the next.
//   1 scheme name ("xp.col")   2 dictionary path   3 puzzle file path (may be empty)
//   4 grid font name           5 PuzzleSize PuzzleNumber GridFontSize FontColour ButtonShade
#include <cstdint>
#include <string>
#include <vector>

#include "options/colour_table.h"
#include "puzzle/puzzle.h"

namespace sl {

inline constexpr const char* kConfigFileName = "stacklinks.cfg";

struct ConfigValues {
  std::string SchemeName = kDefaultSchemeName;
  std::string DictionaryFile = kDefaultDictionaryFile;
  std::string PuzzleFile;
  std::string GridFontName = kDefaultGridFont;
  int32_t PuzzleSize = kMaxPuzzleSize;
  int32_t PuzzleNumber = 0;
  int32_t GridFontSize = kDefaultGridFontSize;
  int32_t FontColour = 0;   // colour of the grid letters, red in the low byte
  int32_t ButtonShade = 0;  // the player's button colour (colour slot 13); 0 = not adjusted
};

// appFolder (ending in a separator) + "stacklinks.cfg".
std::string ConfigFilePath(const std::string& appFolder);

enum class ConfigReadResult {
  Read,               // the file was read
  DefaultsWritten,    // it could not be read: defaults are in effect and were written
  DefaultsNotWritten  // as above, but writing the defaults failed as well
};

// Reads the file into values. A dictionary that is absent or empty becomes appFolder +
// "english1-s.txt", an absent or empty puzzle file becomes "", a font size below 8 becomes 16
// and a puzzle size outside 8..12 becomes 12. A number with a fraction counts as the nearest
// whole number. When the file cannot be read (missing, fewer than five lines, a field of line 5
// that is not a number or does not fit 32 bits, fewer than five numbers) every value
// gets its default except PuzzleNumber, which keeps what it held or had been read, and the
// defaults are written to the file. No message is shown.
ConfigReadResult ReadcfgFile(const std::string& path, const std::string& appFolder,
                             ConfigValues& values);

// The five lines as they are written.
std::vector<std::string> FormatConfig(const ConfigValues& values);

// Replaces the file with the five lines (through a temporary file, so a failure never leaves a
// half-written file). False when it could not be written; nothing in memory changes.
bool SavecfgFile(const std::string& path, const ConfigValues& values);

// The message shown when saving fails: "Configuration file:" CR LF path CR LF
// "could not be accessed, options not saved".
std::string ConfigSaveFailedMessage(const std::string& path);

}  // namespace sl
