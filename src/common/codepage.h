#pragma once
// Files hold Windows-1252 bytes; widgets show Unicode. These convert at that boundary.
#include <string>
#include <string_view>

namespace sl {

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined map to U+FFFD.
std::string Cp1252ToUtf8(std::string_view bytes);

// UTF-8 to Windows-1252. Characters the code page cannot hold (and malformed UTF-8) become "?".
std::string Utf8ToCp1252(std::string_view utf8);

}  // namespace sl
