#pragma once
// Scheme list blocks for tests: a header line and thirteen colour lines.
#include <string>

namespace sl::test {

// The block headed `header` with the given slot 2 (background) and slot 4 (buttons) lines. The
// other slots hold lines a test can tell apart: 0 "1;2;3", 1 "4;5;6", 3 "99;99;99" and 5
// "77;77;77" (which loading replaces by colours made from slots 2 and 4), 6..12 "slot;0;0".
inline std::string SchemeBlock(const std::string& header, const std::string& slot2,
                               const std::string& slot4) {
  std::string block = header + "\r\n1;2;3\r\n4;5;6\r\n" + slot2 + "\r\n99;99;99\r\n" + slot4 +
                      "\r\n77;77;77\r\n";
  for (int slot = 6; slot <= 12; ++slot) block += std::to_string(slot) + ";0;0\r\n";
  return block;
}

}  // namespace sl::test
