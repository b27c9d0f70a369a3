#include "options/config_file.h"

#include <cmath>
#include <limits>
#include <optional>

#include "common/files.h"
#include "common/numbers.h"
#include "common/text_lines.h"
#include "puzzle/puzzle.h"

namespace sl {

namespace {

constexpr int kConfigLines = 5;
constexpr int kNumbersOnLine5 = 5;

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
bool IsNumberSeparator(char ch) { return IsBlank(ch) || ch == ','; }

// One delimited text field: leading blanks skipped; "quoted" runs to the next quote, otherwise
// the field runs to the first comma and loses its trailing blanks.
std::string ReadTextField(const std::string& line) {
  size_t pos = 0;
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  if (pos < line.size() && line[pos] == '"') {
    size_t close = line.find('"', pos + 1);
    return line.substr(pos + 1, close == std::string::npos ? std::string::npos : close - pos - 1);
  }
  size_t end = line.find(',', pos);
  std::string field = line.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
  while (!field.empty() && IsBlank(field.back())) field.pop_back();
  return field;
}

bool IsDigit(const std::string& text, size_t i) {
  return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// True when the whole field is one number: an optional sign, digits with an optional fraction,
// an optional exponent.
bool IsNumber(const std::string& field) {
  size_t i = (!field.empty() && (field[0] == '-' || field[0] == '+')) ? 1 : 0;
  size_t digits = 0;
  for (; IsDigit(field, i); ++i) ++digits;
  if (i < field.size() && field[i] == '.') {
    for (++i; IsDigit(field, i); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
    ++i;
    if (i < field.size() && (field[i] == '-' || field[i] == '+')) ++i;
    if (!IsDigit(field, i)) return false;
    while (IsDigit(field, i)) ++i;
  }
  return i == field.size();
}

// A number read into a 32-bit integer as the nearest whole number, halves to even; nullopt when
// the field is not a number or the number does not fit.
std::optional<int32_t> ParseNumber(const std::string& field) {
  if (!IsNumber(field)) return std::nullopt;
  const double value = std::nearbyint(Val(field));
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

// The numeric fields of line 5, separated by any run of blanks, tabs or commas. Stops at the
// first field that is not a number.
std::vector<int32_t> ReadNumberFields(const std::string& line) {
  std::vector<int32_t> numbers;
  size_t pos = 0;
  while (numbers.size() < kNumbersOnLine5) {
    while (pos < line.size() && IsNumberSeparator(line[pos])) ++pos;
    if (pos >= line.size()) break;
    size_t end = pos;
    while (end < line.size() && !IsNumberSeparator(line[end])) ++end;
    std::optional<int32_t> number = ParseNumber(line.substr(pos, end - pos));
    if (!number) break;
    numbers.push_back(*number);
    pos = end;
  }
  return numbers;
}

// Defaults after a failed read; PuzzleNumber keeps its value.
void SetDefaults(ConfigValues& values) {
  int32_t keptNumber = values.PuzzleNumber;
  values = ConfigValues{};
  values.PuzzleNumber = keptNumber;
}

// Reads the file into values field by field, so a failure part-way leaves the fields read so
// far (only PuzzleNumber survives the defaults). False when the file cannot be read whole.
bool ReadFields(const std::string& path, const std::string& appFolder, ConfigValues& values) {
  std::vector<std::string> lines;
  {
    LineReader reader(path);
    if (!reader.IsOpen()) return false;
    std::string line;
    while (lines.size() < kConfigLines && reader.Next(line)) lines.push_back(line);
    if (reader.Failed() || lines.size() < kConfigLines) return false;
  }
  values.SchemeName = lines[0];
  values.DictionaryFile = lines[1];
  values.PuzzleFile = lines[2];
  if (!FileExists(values.DictionaryFile)) values.DictionaryFile = appFolder + "english1-s.txt";
  if (!FileExists(values.PuzzleFile)) values.PuzzleFile.clear();
  values.GridFontName = ReadTextField(lines[3]);

  std::vector<int32_t> numbers = ReadNumberFields(lines[4]);
  int32_t* targets[kNumbersOnLine5] = {&values.PuzzleSize, &values.PuzzleNumber,
                                       &values.GridFontSize, &values.FontColour,
                                       &values.ButtonShade};
  for (size_t i = 0; i < numbers.size(); ++i) *targets[i] = numbers[i];
  if (numbers.size() < kNumbersOnLine5) return false;

  if (values.GridFontSize < 8) values.GridFontSize = kDefaultGridFontSize;
  if (!IsCreatedSize(values.PuzzleSize)) values.PuzzleSize = kMaxPuzzleSize;
  return true;
}

// A font name the reader would cut or trim is written in quotes, so it reads back whole.
std::string FontNameField(const std::string& name) {
  bool needsQuotes = name.find(',') != std::string::npos ||
                     (!name.empty() && (IsBlank(name.front()) || IsBlank(name.back())));
  if (needsQuotes && name.find('"') == std::string::npos) return "\"" + name + "\"";
  return name;
}

}  // namespace

std::string ConfigFilePath(const std::string& appFolder) { return appFolder + kConfigFileName; }

ConfigReadResult ReadcfgFile(const std::string& path, const std::string& appFolder,
                             ConfigValues& values) {
  if (ReadFields(path, appFolder, values)) return ConfigReadResult::Read;
  SetDefaults(values);
  return SavecfgFile(path, values) ? ConfigReadResult::DefaultsWritten
                                   : ConfigReadResult::DefaultsNotWritten;
}

std::vector<std::string> FormatConfig(const ConfigValues& values) {
  return {values.SchemeName,
          values.DictionaryFile,
          values.PuzzleFile,
          FontNameField(values.GridFontName),
          std::to_string(values.PuzzleSize) + " " + std::to_string(values.PuzzleNumber) + " " +
              std::to_string(values.GridFontSize) + " " + std::to_string(values.FontColour) +
              " " + std::to_string(values.ButtonShade)};
}

bool SavecfgFile(const std::string& path, const ConfigValues& values) {
  return WriteLinesReplacing(path, FormatConfig(values));
}

std::string ConfigSaveFailedMessage(const std::string& path) {
  return std::string("Configuration file:") + kCrLf + path + kCrLf +
         "could not be accessed, options not saved";
}

}  // namespace sl
