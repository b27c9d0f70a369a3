#include "generation/gui/list_tool_job.h"

#include <QtConcurrent/QtConcurrentRun>
#include <new>

namespace sl {
namespace {

constexpr int kProgressIntervalMs = 100;

}  // namespace

ListToolJob::ListToolJob(QObject* parent) : QObject(parent) {
  progressTimer_.setInterval(kProgressIntervalMs);
  connect(&progressTimer_, &QTimer::timeout, this, &ListToolJob::ShowLatest);
  connect(&watcher_, &QFutureWatcher<void>::finished, this, [this] {
    progressTimer_.stop();
    ShowLatest();
    running_ = false;
    ListToolResult result;
    {
      std::lock_guard<std::mutex> lock(progressLock_);
      result = result_;
    }
    Q_EMIT Finished(result);
  });
}

ListToolJob::~ListToolJob() {
  RequestCancel();
  watcher_.waitForFinished();
  std::lock_guard<std::mutex> lock(progressLock_);  // what the worker left is ours now
}

void ListToolJob::Start(ListTool tool, std::string source, uint32_t seed,
                        const Meanings* meanings) {
  if (running_) return;
  running_ = true;
  cancel_.store(false);
  progressTimer_.start();
  std::lock_guard<std::mutex> started(progressLock_);
  latest_.clear();
  fresh_ = false;
  watcher_.setFuture(QtConcurrent::run([this, tool, source = std::move(source), seed, meanings] {
    { std::lock_guard<std::mutex> lock(progressLock_); }
    ToolProgress progress{[this](const std::string& text) {
                            std::lock_guard<std::mutex> lock(progressLock_);
                            latest_ = text;
                            fresh_ = true;
                          },
                          [this] { return cancel_.load(); }};
    Random random(seed);
    ListToolResult result;
    try {
      result = RunListTool({tool, source, &random, meanings}, progress);
    } catch (const std::bad_alloc&) {
      result = {ListToolResult::Outcome::Refused,
                "Not enough memory for " + source + ". Nothing was written.", ""};
    }
    std::lock_guard<std::mutex> lock(progressLock_);
    result_ = std::move(result);
  }));
}

void ListToolJob::ShowLatest() {
  std::string text;
  {
    std::lock_guard<std::mutex> lock(progressLock_);
    if (!fresh_) return;
    fresh_ = false;
    text = latest_;
  }
  Q_EMIT Progress(QString::fromStdString(text));  // words and numbers only
}

}  // namespace sl
