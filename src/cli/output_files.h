#pragma once
// The files a subcommand writes: each whole or not at all, and the batch all or nothing. The
// texts are handed over one at a time, so a long batch never sits in memory.
#include <string>
#include <vector>

namespace sl::cli {

class OutputFiles {
 public:
  // One file at path, replacing the file there (the caller named it).
  static OutputFiles Replacing(const std::string& path);
  // Files of these names in the folder, made when missing; none of them may be there yet.
  static OutputFiles NewInFolder(const std::string& folder, const std::vector<std::string>& names);

  // Checks what can be checked before anything is written. False and error when the batch
  // cannot start.
  bool Check(std::string& error) const;
  // Writes the next file, lines ended by "\n" in the text becoming CR LF. On failure the batch
  // is abandoned and error says why.
  bool WriteNext(const std::string& text, std::string& error);
  // Removes the files written so far, and the folder when it was made for them.
  void Abandon();
  // The files written so far, in order.
  std::vector<std::string> Written() const;

 private:
  std::string folder_;  // empty: one file replaced
  std::vector<std::string> paths_;
  size_t written_ = 0;
  bool madeFolder_ = false;
};

}  // namespace sl::cli
