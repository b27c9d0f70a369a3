#include "generation/gui/dictionary_job.h"

#include <utility>

#include "generation/dictionary.h"

namespace sl {

DictionaryJob::DictionaryJob(QObject* parent) : QObject(parent) {
  connect(&worker_, &WorkerThread::Finished, this, [this] { Q_EMIT Finished(result_); });
}

DictionaryJob::~DictionaryJob() {
  RequestCancel();
  worker_.Join();  // before the cancel flag the worker reads goes
}

void DictionaryJob::Start(const std::string& path, int32_t size) {
  if (worker_.Running()) return;
  cancel_.store(false);
  worker_.Start([this, path, size] {
    auto result = std::make_shared<DictionaryRead>();
    result->path = path;
    result->size = size;
    const bool read = ReadDictionaryWords(path, size, result->words, &cancel_);
    // A cancel asked for after the last block still counts: the caller has given up on it.
    result->cancelled = cancel_.load();
    result->read = read && !result->cancelled;
    result_ = std::move(result);
  });
}

}  // namespace sl
