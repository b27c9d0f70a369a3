#pragma once
// Shared pieces of the fuzz harnesses: a failed check aborts with a message, so libFuzzer keeps
// the input; inputs that the code reads from files go through a private temporary file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition, ...)                                              \
  do {                                                                          \
    if (!(condition)) {                                                         \
      std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__,    \
                   #condition);                                                 \
      std::fprintf(stderr, "" __VA_ARGS__);                                     \
      std::fputc('\n', stderr);                                                 \
      std::abort();                                                             \
    }                                                                           \
  } while (false)

namespace sl::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A file holding the given bytes for as long as the object lives; one path per process and
// name, so parallel fuzzing jobs do not share files.
class TempFile {
 public:
  TempFile(std::string_view name, std::string_view bytes)
      : path_("/tmp/stacklinks-fuzz-" + std::to_string(getpid()) + "-" + std::string(name)) {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    FUZZ_CHECK(file != nullptr, "cannot create %s", path_.c_str());
    FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size());
    FUZZ_CHECK(std::fclose(file) == 0);
  }
  ~TempFile() { std::remove(path_.c_str()); }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace sl::fuzz
