#pragma once
// Paths and folders.
#include <string>

namespace sl {

// True only when the file's length can be read and is not zero; an empty file counts as missing.
bool FileExists(const std::string& path);

// The folder of the running executable, ending in "/".
std::string ProgramFolder();

// Appends "/" unless the folder already ends in a separator.
std::string WithTrailingSeparator(const std::string& folder);

// The text after the last "/" or "\", or the whole path when it has none.
std::string FileNameOf(const std::string& path);

// The process's current folder ("" when it cannot be read), and a way to change it back.
std::string CurrentFolder();
bool SetCurrentFolder(const std::string& folder);

// Writes every byte to the descriptor, going on after interruptions; false on an error.
bool WriteAll(int fd, const std::string& data);

// Replaces a file whole or not at all: the new contents go to a temporary file in the target's
// own folder, which is renamed over the target only once every byte is written and synced. A
// symbolic link is written through (the link stays, its target gets the new contents); an
// existing file keeps its permissions, a new one gets those the umask allows. Only a regular file
// (or a missing one) can be replaced: a folder, device or FIFO is refused at Open.
class ReplacingFile {
 public:
  ReplacingFile() = default;
  ~ReplacingFile();  // an uncommitted temporary file is removed
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary file; false (with Error() saying why) when the target cannot be
  // replaced.
  bool Open(const std::string& path);
  // The temporary file's descriptor and path, for writers that take either.
  int Descriptor() const { return fd_; }
  const std::string& TemporaryPath() const { return temp_; }
  // Writes all the bytes; false on any failure (the file is then never committed).
  bool Write(const std::string& bytes);
  // Marks the contents as incomplete: Commit will not replace the target.
  void Fail(const std::string& why);
  // Syncs, closes and renames the temporary file over the target. False, the target untouched,
  // when anything failed on the way.
  bool Commit();
  // Why Open, Write or Commit failed, in a few words ("No space left on device").
  const std::string& Error() const { return error_; }

 private:
  void Discard();
  bool SetFailure(const std::string& why);

  std::string target_;
  std::string temp_;
  int fd_ = -1;
  bool existed_ = false;
  unsigned existingMode_ = 0;
  unsigned existingUid_ = 0;
  unsigned existingGid_ = 0;
  std::string error_;
};

// Writes the bytes in place of the file through a ReplacingFile. False on any failure.
bool ReplaceFileContents(const std::string& path, const std::string& bytes);

}  // namespace sl
