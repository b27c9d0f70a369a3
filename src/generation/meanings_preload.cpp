#include "generation/meanings_preload.h"

#include <utility>

namespace sl {

void MeaningsPreload::Start(const std::string& path) {
  if (pending_.valid()) return;
  pending_ = std::async(std::launch::async, [path] {
    Result result;
    result.read = result.meanings.Read(path);
    return result;
  });
}

bool MeaningsPreload::TakeInto(Meanings& into) {
  if (!pending_.valid()) return false;
  Result result = pending_.get();
  if (!result.read) return false;
  into = std::move(result.meanings);
  return true;
}

}  // namespace sl
