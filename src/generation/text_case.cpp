#include "generation/text_case.h"

namespace sl {

char UpperCp1252(char ch) {
  auto b = static_cast<unsigned char>(ch);
  if (b >= 'a' && b <= 'z') return static_cast<char>(b - 0x20);
  // à..þ except ÷ sit 0x20 above their capitals; š œ ž ÿ have their capitals elsewhere.
  if (b >= 0xE0 && b <= 0xFE && b != 0xF7) return static_cast<char>(b - 0x20);
  switch (b) {
    case 0x9A: return static_cast<char>(0x8A);
    case 0x9C: return static_cast<char>(0x8C);
    case 0x9E: return static_cast<char>(0x8E);
    case 0xFF: return static_cast<char>(0x9F);
    default: return ch;
  }
}

std::string ToUpperCp1252(std::string_view text) {
  std::string upper(text);
  for (char& ch : upper) ch = UpperCp1252(ch);
  return upper;
}

}  // namespace sl
