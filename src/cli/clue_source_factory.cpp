#include "cli/clue_source_factory.h"

#include "common/files.h"

namespace sl::cli {

std::string DefaultMeaningsFile() { return ProgramFolder() + "mean6.txt"; }

std::unique_ptr<ClueSource> MakeClueSource(const std::string& meaningsPath) {
  // TODO(meanings): the one place where the meanings-file reader of src/generation plugs in:
  // return a ClueSource that loads meaningsPath on EnsureLoaded() and fills the first clues.
  (void)meaningsPath;
  return nullptr;
}

}  // namespace sl::cli
