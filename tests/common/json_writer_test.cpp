// JSON text: string escaping (a reader must get back exactly the text, and never meet invalid
// UTF-8) and the layout of nested objects and arrays.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/json_writer.h"

namespace sl {
namespace {

TEST(JsonQuotedTest, EscapesWhatJsonRequiresAndKeepsWellFormedUtf8) {
  const std::pair<std::string, std::string> cases[] = {
      {"", R"("")"},
      {R"(say "hi")", R"("say \"hi\"")"},
      {R"(a\b)", R"("a\\b")"},
      {"tab\tnew\nline\rcr", R"("tab\tnew\nline\rcr")"},
      {std::string("\x00\x01\x1f\x08\x0c", 5), R"("\u0000\u0001\u001f\b\f")"},
      {"\x7f/", "\"\x7f/\""},  // DEL and "/" need no escape
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
  };
  for (const auto& [text, quoted] : cases) EXPECT_EQ(JsonQuoted(text), quoted) << text;
}

TEST(JsonQuotedTest, ReplacesEveryByteOfMalformedUtf8) {
  const std::string fffd = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> cases[] = {
      {"caf\xE9", "caf" + fffd},                             // a Windows-1252 byte, unconverted
      {"\xE2\x82", fffd + fffd},                              // cut short at the end
      {"\xE2\x82x", fffd + fffd + "x"},                       // cut short before a letter
      {"\xC0\xAF", fffd + fffd},                              // overlong "/"
      {"\xED\xA0\x80", fffd + fffd + fffd},                   // a surrogate
      {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},        // above U+10FFFF
      {"\x80" "a", fffd + "a"},                               // a lone continuation byte
  };
  for (const auto& [text, inner] : cases) {
    EXPECT_EQ(JsonQuoted(text), "\"" + inner + "\"") << testing::PrintToString(text);
  }
}

TEST(JsonWriterTest, BlocksIndentAndLinesStayOnOneLine) {
  JsonWriter json;
  json.BeginObject();
  json.Key("name").String("x");
  json.Key("grid").BeginArray();
  json.BeginArray(JsonWriter::Layout::Line).Number(1).Number(-2).EndArray();
  json.BeginArray(JsonWriter::Layout::Line);
  json.BeginObject().Key("cell").Number(0).Key("style").BeginObject().EndObject().EndObject();
  json.BeginArray().EndArray();
  json.EndArray();
  json.EndArray();
  json.Key("empty").BeginObject().EndObject();
  json.EndObject();
  EXPECT_EQ(json.Text(),
            "{\n"
            "  \"name\": \"x\",\n"
            "  \"grid\": [\n"
            "    [1, -2],\n"
            "    [{\"cell\": 0, \"style\": {}}, []]\n"
            "  ],\n"
            "  \"empty\": {}\n"
            "}\n");
}

}  // namespace
}  // namespace sl
