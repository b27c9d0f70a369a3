// The configuration file: any bytes as "stacklinks.cfg", read and compared with a plain reference
// of the five-line format. A file that reads is left as it was and writing it back reads back
// the same settings; a file that does not read is replaced by exactly the defaults.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "common/text_lines.h"
#include "fuzz_support.h"
#include "options/config_file.h"
#include "plain_references.h"

namespace {

using sl::ConfigValues;

bool Present(const std::string& path) {
  struct stat st {};
  return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

bool Blank(char c) { return c == ' ' || c == '\t'; }

std::string FontField(const std::string& line) {
  size_t i = 0;
  while (i < line.size() && Blank(line[i])) ++i;
  std::string field;
  if (i < line.size() && line[i] == '"') {
    for (++i; i < line.size() && line[i] != '"'; ++i) field += line[i];
    return field;
  }
  for (; i < line.size() && line[i] != ','; ++i) field += line[i];
  while (!field.empty() && Blank(field.back())) field.pop_back();
  return field;
}

// A whole field that is one number (sign, digits with an optional fraction, an optional
// exponent), rounded half to even; nothing when it is not one or does not fit 32 bits.
std::optional<int32_t> NumberField(const std::string& field) {
  if (field.empty() || sl::fuzz::NumberEnd(field, 0) != field.size()) return std::nullopt;
  const double value = std::nearbyint(std::strtod(field.c_str(), nullptr));
  if (!(value >= -2147483648.0 && value <= 2147483647.0)) return std::nullopt;
  return static_cast<int32_t>(value);
}

// The settings the file gives, or nothing when it cannot be read; puzzleNumber gets the second
// number whenever it was read, even from a file that fails later.
std::optional<ConfigValues> Reference(std::string_view text, const std::string& appFolder,
                                      int32_t& puzzleNumber) {
  std::vector<std::string> lines = sl::fuzz::ReferenceLines(text);
  if (lines.size() < 5) return std::nullopt;
  ConfigValues values;
  values.SchemeName = lines[0];
  values.DictionaryFile = Present(lines[1]) ? lines[1] : appFolder + "english1-s.txt";
  values.PuzzleFile = Present(lines[2]) ? lines[2] : "";
  values.GridFontName = FontField(lines[3]);
  std::vector<std::string> fields(1);
  for (char c : lines[4]) {
    if (!Blank(c) && c != ',') {
      fields.back() += c;
    } else if (!fields.back().empty()) {
      fields.emplace_back();
    }
  }
  std::vector<int32_t> numbers;
  for (const std::string& field : fields) {
    if (numbers.size() == 5 || field.empty()) break;
    const std::optional<int32_t> number = NumberField(field);
    if (!number) break;
    numbers.push_back(*number);
  }
  if (numbers.size() >= 2) puzzleNumber = numbers[1];
  if (numbers.size() < 5) return std::nullopt;
  values.PuzzleSize = numbers[0] >= 8 && numbers[0] <= 12 ? numbers[0] : 12;
  values.PuzzleNumber = numbers[1];
  values.GridFontSize = numbers[2] < 8 ? 16 : numbers[2];
  values.FontColour = numbers[3];
  values.ButtonShade = numbers[4];
  return values;
}

bool Same(const ConfigValues& a, const ConfigValues& b) {
  auto fields = [](const ConfigValues& v) {
    return std::tie(v.SchemeName, v.DictionaryFile, v.PuzzleFile, v.GridFontName, v.PuzzleSize,
                    v.PuzzleNumber, v.GridFontSize, v.FontColour, v.ButtonShade);
  };
  return fields(a) == fields(b);
}

std::string Contents(const std::string& path) {
  std::string bytes;
  FUZZ_CHECK(sl::ReadFileBytes(path, bytes));
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sl;
  const std::string_view text = fuzz::Bytes(data, size);
  const std::string appFolder = "/tmp/stacklinks-fuzz-" + std::to_string(getpid()) + "-none/";
  const fuzz::TempFile file("stacklinks.cfg", text);

  const int32_t heldNumber = static_cast<int32_t>(size) - 100;
  ConfigValues values;
  values.PuzzleNumber = heldNumber;
  const ConfigReadResult result = ReadcfgFile(file.Path(), appFolder, values);

  int32_t keptNumber = heldNumber;
  const std::optional<ConfigValues> expected = Reference(text, appFolder, keptNumber);
  if (expected) {
    FUZZ_CHECK(result == ConfigReadResult::Read);
    FUZZ_CHECK(Same(values, *expected), "settings differ from the reference");
    FUZZ_CHECK(Contents(file.Path()) == text, "reading changed the file");

    // Written and read again, the same settings.
    const fuzz::TempFile copy("stacklinks-copy.cfg", "");
    FUZZ_CHECK(SavecfgFile(copy.Path(), values));
    ConfigValues again;
    FUZZ_CHECK(ReadcfgFile(copy.Path(), appFolder, again) == ConfigReadResult::Read);
    FUZZ_CHECK(Same(again, values), "written settings read back differently");
  } else {
    FUZZ_CHECK(result == ConfigReadResult::DefaultsWritten);
    // A failed read leaves the defaults, keeping a puzzle number read before the fault.
    const ConfigValues defaults{"xp.col", "english1.txt", "", "Arial", 12, keptNumber, 16, 0, 0};
    FUZZ_CHECK(Same(values, defaults), "the defaults differ");
    const std::string written = "xp.col\r\nenglish1.txt\r\n\r\nArial\r\n12 " +
                                std::to_string(keptNumber) + " 16 0 0\r\n";
    FUZZ_CHECK(Contents(file.Path()) == written, "the defaults were not written as such");
  }
  return 0;
}
