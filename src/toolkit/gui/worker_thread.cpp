#include "toolkit/gui/worker_thread.h"

#include <utility>

namespace sl {

WorkerThread::WorkerThread(QObject* parent) : QObject(parent) {}

WorkerThread::~WorkerThread() { Join(); }

void WorkerThread::Join() {
  if (thread_.joinable()) thread_.join();
}

bool WorkerThread::Start(std::function<void()> work) {
  if (running_) return false;
  wakePending_.store(false);
  // The work, and everything it captured, is handed over by the thread's constructor. The calls
  // back name a method, not a functor, so nothing made on the worker is read on this thread.
  thread_ = std::thread([this, work = std::move(work)] {
    work();
    QMetaObject::invokeMethod(this, "OnDone", Qt::QueuedConnection);
  });
  running_ = true;
  return true;
}

void WorkerThread::Wake() {
  if (!wakePending_.exchange(true)) {
    QMetaObject::invokeMethod(this, "OnWake", Qt::QueuedConnection);
  }
}

void WorkerThread::OnWake() {
  wakePending_.store(false);  // before the owner looks, so a later Wake is never lost
  Q_EMIT Woken();
}

void WorkerThread::OnDone() {
  Join();  // the work has returned; its thread is ending
  running_ = false;
  Q_EMIT Finished();
}

}  // namespace sl
