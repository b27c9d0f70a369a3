#include "generation/gui/dictionary_job.h"

#include <QtConcurrent/QtConcurrentRun>

#include "generation/dictionary.h"

namespace sl {

DictionaryJob::DictionaryJob(QObject* parent) : QObject(parent) {
  connect(&watcher_, &QFutureWatcher<std::shared_ptr<DictionaryRead>>::finished, this, [this] {
    running_ = false;
    Q_EMIT Finished(watcher_.result());
  });
}

DictionaryJob::~DictionaryJob() {
  RequestCancel();
  watcher_.waitForFinished();
}

void DictionaryJob::Start(const std::string& path, int32_t size) {
  if (running_) return;
  running_ = true;
  cancel_.store(false);
  watcher_.setFuture(QtConcurrent::run([this, path, size] {
    auto result = std::make_shared<DictionaryRead>();
    result->path = path;
    result->size = size;
    const bool read = ReadDictionaryWords(path, size, result->words, &cancel_);
    // A cancel asked for after the last block still counts: the caller has given up on it.
    result->cancelled = cancel_.load();
    result->read = read && !result->cancelled;
    return result;
  }));
}

}  // namespace sl
