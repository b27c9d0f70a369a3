#include "options/game_folders.h"

#include <filesystem>
#include <system_error>

#include "common/files.h"
#include "options/config_file.h"

#ifndef STACKLINKS_DATA_FROM_BIN
#define STACKLINKS_DATA_FROM_BIN "../share/stacklinks"
#endif

namespace sl {
namespace {

// The game's own folder inside a home folder; "" (the current folder) when the home is unknown.
std::string PlayerFolder(const std::string& home) {
  if (home.empty()) return "";
  return WithTrailingSeparator(home) + kPlayerSubfolder + "/";
}

}  // namespace

std::string GameFolders::ConfigFile() const { return ConfigFilePath(settingsFolder); }

GameFolders DecideGameFolders(const FolderFacts& facts) {
  GameFolders folders;
  if (facts.dataBesideExecutable || facts.installedDataFolder.empty()) {
    const std::string program = WithTrailingSeparator(facts.executableFolder);
    folders.dataFolder = program;
    folders.settingsFolder = program;
    folders.workFolder = program;
    folders.batchFolder = "";
    return folders;
  }
  folders.dataFolder = WithTrailingSeparator(facts.installedDataFolder);
  folders.settingsFolder = PlayerFolder(facts.configHome);
  folders.workFolder = PlayerFolder(facts.dataHome);
  folders.batchFolder = folders.workFolder;
  return folders;
}

FolderFacts ExecutableFolderFacts(const std::string& executableFolder,
                                  const std::string& dataFromBin) {
  FolderFacts facts;
  facts.executableFolder = WithTrailingSeparator(executableFolder);
  facts.dataBesideExecutable = FileExists(facts.executableFolder + kDataMarkerFile);
  const std::filesystem::path data = std::filesystem::path(facts.executableFolder) / dataFromBin;
  const std::string installed = WithTrailingSeparator(data.lexically_normal().string());
  if (FileExists(installed + kDataMarkerFile)) facts.installedDataFolder = installed;
  return facts;
}

FolderFacts ProgramFolderFacts() {
  return ExecutableFolderFacts(ProgramFolder(), STACKLINKS_DATA_FROM_BIN);
}

GameFolders ProgramDataFolders() { return DecideGameFolders(ProgramFolderFacts()); }

bool MakeWritableFolders(const GameFolders& folders) {
  bool made = true;
  for (const std::string* folder :
       {&folders.settingsFolder, &folders.workFolder, &folders.batchFolder}) {
    if (folder->empty()) continue;
    std::error_code error;
    std::filesystem::create_directories(*folder, error);
    if (error) made = false;
  }
  return made;
}

std::string StartingFile(const std::string& bareName, const GameFolders& folders) {
  if (FileExists(bareName)) return bareName;
  const std::string shipped = folders.DataFile(bareName);
  return FileExists(shipped) ? shipped : bareName;
}

}  // namespace sl
