// Start-up of the game's window, offscreen: the window built, the configuration read, the colour
// scheme applied, the dictionary and the meanings read and the first puzzle drawn, on a copy of
// the files the build ships. Target: <= 150 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "app/form1.h"
#include "common/files.h"
#include "options/game_folders.h"

namespace sl {
namespace {

const std::filesystem::path kShippedFolder = STACKLINKS_BIN_DIR;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "bench_window_startup: %s\n", message.c_str());
  std::exit(1);
}

// A program folder of its own holding the shipped data files, so that the settings the
// start-up writes never land in the build; the current folder while the benchmark runs.
class GameFolderCopy {
 public:
  GameFolderCopy() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "stacklinks-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) Fail("cannot make a temporary folder");
    path_ = pattern;
    for (const auto& entry : std::filesystem::directory_iterator(kShippedFolder)) {
      const std::string ext = entry.path().extension().string();
      if (ext == ".txt" || ext == ".col" || ext == ".htm") {
        std::filesystem::copy_file(entry.path(), path_ / entry.path().filename());
      }
    }
    if (!SetCurrentFolder(path_.string())) Fail("cannot enter " + path_.string());
  }
  ~GameFolderCopy() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  GameFolders Folders() const { return DecideGameFolders({path_.string(), true, "", "", ""}); }

 private:
  std::filesystem::path path_;
};

void BM_WindowStartUp(benchmark::State& state) {
  const GameFolderCopy copy;
  for (auto _ : state) {
    auto form = std::make_unique<Form1>();
    form->SetFolders(copy.Folders());
    form->StartUp();
    form->show();
    form->FirstTick();  // at once, rather than after the window's first 100 ms
    const QPixmap drawn = form->grab();
    const GameState& shown = form->State();
    if (shown.puzzle.Empty() || shown.dictionary.ListCount() == 0 || shown.meanings.Empty() ||
        drawn.isNull()) {
      Fail("the first puzzle was not shown");
    }
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace sl

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
