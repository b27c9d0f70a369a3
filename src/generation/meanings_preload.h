#pragma once
// Reads the meanings file on a thread of its own while the window starts, so that showing the
// first puzzle does not wait for the whole file.
#include <future>
#include <string>

#include "generation/meanings.h"

namespace sl {

class MeaningsPreload {
 public:
  MeaningsPreload() = default;
  MeaningsPreload(const MeaningsPreload&) = delete;
  MeaningsPreload& operator=(const MeaningsPreload&) = delete;
  // Waits for a read still running.
  ~MeaningsPreload() = default;

  // Starts reading the file; a read already started is left to run.
  void Start(const std::string& path);
  // Waits for the read to end and hands its meanings over. False when none was started or the
  // file could not be read; into is unchanged then. A read is handed over once.
  bool TakeInto(Meanings& into);

 private:
  struct Result {
    bool read = false;
    Meanings meanings;
  };
  std::future<Result> pending_;
};

}  // namespace sl
