#include "generation/gui/list_tool_job.h"

#include <new>

namespace sl {
namespace {

constexpr int kProgressIntervalMs = 100;

}  // namespace

ListToolJob::ListToolJob(QObject* parent) : QObject(parent) {
  progressTimer_.setInterval(kProgressIntervalMs);
  connect(&progressTimer_, &QTimer::timeout, this, &ListToolJob::ShowLatest);
  connect(&worker_, &WorkerThread::Finished, this, [this] {
    progressTimer_.stop();
    ShowLatest();
    Q_EMIT Finished(result_);
  });
}

ListToolJob::~ListToolJob() {
  RequestCancel();
  worker_.Join();  // before the progress lock the worker uses goes
}

void ListToolJob::Start(ListTool tool, std::string source, uint32_t seed,
                        const Meanings* meanings) {
  if (worker_.Running()) return;
  cancel_.store(false);
  {
    std::lock_guard<std::mutex> lock(progressLock_);
    latest_.clear();
    fresh_ = false;
  }
  progressTimer_.start();
  worker_.Start([this, tool, source = std::move(source), seed, meanings] {
    ToolProgress progress{[this](const std::string& text) {
                            std::lock_guard<std::mutex> lock(progressLock_);
                            latest_ = text;
                            fresh_ = true;
                          },
                          [this] { return cancel_.load(); }};
    Random random(seed);
    try {
      result_ = RunListTool({tool, source, &random, meanings}, progress);
    } catch (const std::bad_alloc&) {
      result_ = {ListToolResult::Outcome::Refused,
                 "Not enough memory for " + source + ". Nothing was written.", ""};
    }
  });
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
