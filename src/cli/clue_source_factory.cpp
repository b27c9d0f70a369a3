#include "cli/clue_source_factory.h"

#include "common/random.h"
#include "generation/meanings.h"
#include "generation/meanings_clue_source.h"
#include "options/game_folders.h"

namespace sl::cli {
namespace {

// A clue source that owns its meanings list and random source (the game's window owns them
// instead, for the whole run).
class FileClueSource final : public ClueSource {
 public:
  explicit FileClueSource(const std::string& path) : source_(meanings_, path, random_) {}
  bool EnsureLoaded() override { return source_.EnsureLoaded(); }
  void LookUpFirstClues(Puzzle& puzzle) override { source_.LookUpFirstClues(puzzle); }

 private:
  Meanings meanings_;
  Random random_;
  MeaningsClueSource source_;
};

}  // namespace

std::string DefaultMeaningsFile() { return ProgramDataFolders().MeaningsFile(); }

std::unique_ptr<ClueSource> MakeClueSource(const std::string& meaningsPath) {
  return std::make_unique<FileClueSource>(meaningsPath);
}

}  // namespace sl::cli
