// Start-up of the game's window as the player waits for it, offscreen: the window built, the
// configuration read, the colour scheme applied, the window shown, its first tick 100 ms later
// reading the dictionary and the meanings, and the first puzzle drawn; on a copy of the files the
// build ships. Target: <= 150 ms for the first start of a process.
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

// One start-up of the window: built, the load step, shown, the events run until the first tick
// has shown the first puzzle, and the window painted.
std::unique_ptr<Form1> StartWindow(const GameFolders& folders) {
  auto form = std::make_unique<Form1>();
  form->SetFolders(folders);
  form->StartUp();
  form->show();
  while (form->Timer1().isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const QPixmap drawn = form->grab();
  const GameState& shown = form->State();
  if (shown.puzzle.Empty() || shown.dictionary.ListCount() == 0 || shown.meanings.Empty() ||
      drawn.isNull()) {
    Fail("the first puzzle was not shown");
  }
  return form;
}

std::unique_ptr<QApplication> application;

void MakeApplication() {
  static int argc = 1;
  static char name[] = "bench_window_startup";
  static char* argv[] = {name, nullptr};
  if (!application) application = std::make_unique<QApplication>(argc, argv);
}

// Closing the window is not part of the start-up.
void CloseUntimed(benchmark::State& state, std::unique_ptr<Form1> form) {
  state.PauseTiming();
  form.reset();
  state.ResumeTiming();
}

// The game's first start in a process: the application object and the font database too.
void BM_FirstStartUp(benchmark::State& state) {
  const GameFolderCopy copy;
  for (auto _ : state) {
    MakeApplication();
    CloseUntimed(state, StartWindow(copy.Folders()));
  }
}
BENCHMARK(BM_FirstStartUp)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every later start in the same process.
void BM_WindowStartUp(benchmark::State& state) {
  MakeApplication();
  const GameFolderCopy copy;
  for (auto _ : state) CloseUntimed(state, StartWindow(copy.Folders()));
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace sl

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  sl::application.reset();
  return 0;
}
