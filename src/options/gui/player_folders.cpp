#include "options/gui/player_folders.h"

#include <QStandardPaths>

#include "toolkit/gui/native_path.h"

namespace sl {

GameFolders PlayerGameFolders() {
  FolderFacts facts = ProgramFolderFacts();
  facts.configHome =
      ToNativePath(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
  facts.dataHome =
      ToNativePath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
  return DecideGameFolders(facts);
}

}  // namespace sl
