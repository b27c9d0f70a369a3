#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <string>

namespace sl::test {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  // The path of a file (or folder) inside.
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Writes the bytes exactly as given and returns the file's path.
  std::string Write(const std::string& name, const std::string& bytes) const;
  // The file's bytes, or "<missing>" when it cannot be read.
  std::string Read(const std::string& name) const;

 private:
  std::string path_;
};

}  // namespace sl::test
