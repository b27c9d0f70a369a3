#pragma once
// Runs one piece of work at a time on its own std::thread, so the window keeps repainting and
// answering meanwhile. Whatever the work hands back travels under the caller's own std::mutex or
// through the join: the queued calls back to the owning thread carry no data, so every hand-over
// is one that ThreadSanitizer can follow (Qt's own locks are invisible to it).
#include <QObject>
#include <atomic>
#include <functional>
#include <thread>

namespace sl {

class WorkerThread : public QObject {
  Q_OBJECT

 public:
  explicit WorkerThread(QObject* parent = nullptr);
  // Waits for a running work; the owner asks it to stop first.
  ~WorkerThread() override;

  // Runs work on a new thread. Ignored (false) while a run goes on.
  bool Start(std::function<void()> work);
  // True from Start until Finished is signalled.
  bool Running() const { return running_; }
  // Blocks until the work has returned (the owner asks it to stop first); Finished still
  // follows from the event loop.
  void Join();

  // Called by the work: the owning thread signals Woken once for any number of calls made
  // before it got round to it, so a fast worker cannot flood the event queue.
  void Wake();

 Q_SIGNALS:
  void Woken();
  // The work has returned and its thread is joined: what it wrote is safe to read.
  void Finished();

 private:
  Q_INVOKABLE void OnWake();
  Q_INVOKABLE void OnDone();

  std::thread thread_;
  std::atomic<bool> wakePending_{false};
  bool running_ = false;
};

}  // namespace sl
