#pragma once
// Writes JSON text: objects, arrays, strings and whole numbers, indented two blanks a level.
// A container opened as a line keeps all its members on one line, so a grid reads row by row.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sl {

// The text as a JSON string, quotes included. Quotes, backslashes and control characters are
// escaped; other characters pass as UTF-8, and a byte that is not part of well-formed UTF-8
// becomes U+FFFD, so the result is always valid JSON.
std::string JsonQuoted(std::string_view utf8);

class JsonWriter {
 public:
  enum class Layout { Block, Line };

  JsonWriter& BeginObject(Layout layout = Layout::Block);
  JsonWriter& EndObject();
  JsonWriter& BeginArray(Layout layout = Layout::Block);
  JsonWriter& EndArray();
  // The name of the next member of the object being written.
  JsonWriter& Key(std::string_view utf8);
  JsonWriter& String(std::string_view utf8);
  JsonWriter& Number(int64_t value);

  // The text written so far, ended by a line end once the outermost value is closed.
  const std::string& Text() const { return text_; }

 private:
  struct Level {
    bool line = false;
    bool empty = true;
  };
  void BeforeValue();
  void Open(char bracket, Layout layout);
  void Close(char bracket);
  void NewLine();

  std::string text_;
  std::vector<Level> levels_;
  bool afterKey_ = false;
};

}  // namespace sl
