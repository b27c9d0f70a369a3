#include "generation/dictionary.h"

#include <new>

#include "generation/line_scan.h"
#include "generation/text_case.h"

namespace sl {

std::string DictionaryWordOf(std::string_view line) { return ToUpperCp1252(line); }

bool ReadDictionaryWords(const std::string& path, int32_t size, clsSimpleArray& dictionary,
                         const std::atomic<bool>* stop) {
  clsSimpleArray words;
  bool ok = false;
  if (size >= 0) {
    auto wanted = static_cast<size_t>(size);
    try {
      ok = ScanLines(path, wanted, [&](std::string_view head, size_t length) {
        if (length == wanted) words.AddItem(DictionaryWordOf(head));
      }, stop);
    } catch (const std::bad_alloc&) {
      ok = false;
    }
  }
  if (ok) {
    dictionary = std::move(words);
  } else if (dictionary.ListCount() > 0 &&
             dictionary.list(0).size() != static_cast<size_t>(size)) {
    dictionary.Clear();
  }
  return ok;
}

}  // namespace sl
