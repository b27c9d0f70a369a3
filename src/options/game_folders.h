#pragma once
// Which folders the game reads its data from and writes its own files to.
//
// A build or a portable copy keeps everything in the executable's folder, the program folder:
// the data files beside the executable are read there and the settings and the last created
// puzzle are written there. An installed game cannot write to its program folder, so it reads
// its data from <prefix>/share/stacklinks/ and keeps the files it writes in the player's own
// folders (~/.config/stacklinks/ for the settings, ~/.local/share/stacklinks/ for the puzzles it
// makes).
//
// The decision takes the facts as values, so that every layout can be tried without installing;
// gathering the facts is separate (ExecutableFolderFacts here, the home folders from the
// platform's standard locations in the window library).
#include <string>

#include "generation/meanings.h"

namespace sl {

// The file whose presence marks a folder as holding the game's data files: the meanings, which
// every copy of the game carries.
inline constexpr const char* kDataMarkerFile = kMeaningsFileName;
// The folder the game's own files get under the player's settings and data folders.
inline constexpr const char* kPlayerSubfolder = "stacklinks";
inline constexpr const char* kTempPuzzleFileName = "temporarypuzzle.txt";

struct FolderFacts {
  std::string executableFolder;       // the running executable's folder
  bool dataBesideExecutable = false;  // that folder holds the data files: a build or portable copy
  std::string installedDataFolder;    // the installed data folder when it holds the data, else ""
  std::string configHome;             // the player's settings folder (~/.config), "" if unknown
  std::string dataHome;               // the player's data folder (~/.local/share), "" if unknown
};

// Every folder below ends in "/", or is "" for the current folder.
struct GameFolders {
  std::string dataFolder;      // the shipped files: meanings, schemes, help page, words, puzzles
  std::string settingsFolder;  // "stacklinks.cfg"
  std::string workFolder;      // "temporarypuzzle.txt"; where saving a puzzle starts browsing
  std::string batchFolder;     // the output of the puzzle batch

  std::string DataFile(const std::string& name) const { return dataFolder + name; }
  std::string MeaningsFile() const { return DataFile(kMeaningsFileName); }  // "mean6.txt"
  std::string ConfigFile() const;  // "stacklinks.cfg" in the settings folder
  std::string TempPuzzleFile() const { return workFolder + kTempPuzzleFileName; }
  std::string BatchFile(const std::string& name) const { return batchFolder + name; }
};

// The folders for these facts:
// - the data beside the executable, or nowhere to be found: everything in the executable's
//   folder, and the batch output in the current folder, as the game has always done;
// - the data only in the installed data folder: data from there, the settings in
//   configHome/stacklinks/, the created puzzles and the batch output in dataHome/stacklinks/
//   (in the current folder when that home folder is unknown).
GameFolders DecideGameFolders(const FolderFacts& facts);

// The facts about an executable in that folder whose installed data folder lies at
// dataFromBin relative to it ("../share/stacklinks"); the home folders are left empty.
FolderFacts ExecutableFolderFacts(const std::string& executableFolder,
                                  const std::string& dataFromBin);
// The same for the running executable and the install layout it was built for.
FolderFacts ProgramFolderFacts();
// The folders of this run as far as they follow from the executable alone (no home folders):
// enough to find the data files, as the command-line tool needs.
GameFolders ProgramDataFolders();

// The folders the game writes to, created when missing. False when one cannot be made; the
// writes into it then fail and say so where they happen.
bool MakeWritableFolders(const GameFolders& folders);

// The file a start-up opens for a bare default name ("english1.txt", "puzzles.txt"): the one in
// the current folder when it is there, else the shipped one in the data folder when that is
// there, else the bare name (which then counts as missing).
std::string StartingFile(const std::string& bareName, const GameFolders& folders);

}  // namespace sl
