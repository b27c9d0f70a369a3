#pragma once
// Runs a maintenance tool on a worker thread, so the window keeps repainting and answering while
// a long file is read, reworked and written. The latest progress text and the end of the run
// arrive as signals on the thread that owns the job.
#include <QObject>
#include <QTimer>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

#include "generation/list_tools.h"
#include "toolkit/gui/worker_thread.h"

namespace sl {

class ListToolJob : public QObject {
  Q_OBJECT

 public:
  explicit ListToolJob(QObject* parent = nullptr);
  // Stops a running tool and waits for it; nothing is written then.
  ~ListToolJob() override;

  // Runs the tool on the source with a random source seeded by seed. The meanings (for
  // AddMeanIndex) belong to the caller, must be loaded already and outlive the run. Ignored while
  // a run goes on.
  void Start(ListTool tool, std::string source, uint32_t seed, const Meanings* meanings);
  // True from Start until Finished is signalled.
  bool Running() const { return worker_.Running(); }
  // The run stops at the next line and writes nothing.
  void RequestCancel() { cancel_.store(true); }

 Q_SIGNALS:
  // The tool's latest progress text, at most a few times a second.
  void Progress(const QString& text);
  void Finished(const sl::ListToolResult& result);

 private:
  void ShowLatest();

  WorkerThread worker_;
  QTimer progressTimer_;
  std::atomic<bool> cancel_{false};
  std::mutex progressLock_;
  std::string latest_;  // guarded by progressLock_
  bool fresh_ = false;  // guarded by progressLock_
  ListToolResult result_;  // written by the worker, read after the join
};

}  // namespace sl
