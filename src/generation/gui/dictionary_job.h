#pragma once
// Reads a dictionary on a worker thread, so the window keeps repainting and answering while a
// big word list loads. The read can be cancelled; its result arrives as a signal on the thread
// that owns the job, and only then may the caller put the words in place of its dictionary.
#include <QObject>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "generation/simple_array.h"
#include "toolkit/gui/worker_thread.h"

namespace sl {

struct DictionaryRead {
  std::string path;
  int32_t size = 0;
  bool read = false;       // the whole file was read: words holds its lines of `size` characters
  bool cancelled = false;  // a cancel ended the read; nothing was read then
  clsSimpleArray words;
};

class DictionaryJob : public QObject {
  Q_OBJECT

 public:
  explicit DictionaryJob(QObject* parent = nullptr);
  // Cancels a running read and waits for it.
  ~DictionaryJob() override;

  // Starts reading the file's lines of `size` characters. Ignored while a read is running.
  void Start(const std::string& path, int32_t size);
  // True from Start until Finished is signalled.
  bool Running() const { return worker_.Running(); }
  // The read stops at its next block of the file and reports cancelled.
  void RequestCancel() { cancel_.store(true); }

 Q_SIGNALS:
  void Finished(const std::shared_ptr<sl::DictionaryRead>& result);

 private:
  WorkerThread worker_;
  std::atomic<bool> cancel_{false};
  std::shared_ptr<DictionaryRead> result_;  // written by the worker, read after the join
};

}  // namespace sl
