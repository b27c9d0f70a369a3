#include "toolkit/gui/worker_thread.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QThread>
#include <atomic>
#include <memory>

namespace sl {
namespace {

TEST(WorkerThread, RunsOffThisThreadAndSignalsBackOnIt) {
  WorkerThread worker;
  QThread* owner = QThread::currentThread();
  QThread* ranOn = nullptr;
  int woken = 0;
  int finished = 0;
  bool wokenAfterFinished = false;
  bool wrongThread = false;
  QObject::connect(&worker, &WorkerThread::Woken, [&] {
    wrongThread |= QThread::currentThread() != owner;
    wokenAfterFinished |= finished > 0;
    ++woken;
  });
  QObject::connect(&worker, &WorkerThread::Finished, [&] {
    wrongThread |= QThread::currentThread() != owner;
    ++finished;
  });
  QSignalSpy done(&worker, &WorkerThread::Finished);
  std::atomic<bool> secondRan{false};
  ASSERT_TRUE(worker.Start([&] {
    ranOn = QThread::currentThread();
    for (int i = 0; i < 1000; ++i) worker.Wake();
  }));
  EXPECT_FALSE(worker.Start([&] { secondRan = true; }));  // one run at a time
  ASSERT_TRUE(done.wait(10000));
  QCoreApplication::processEvents();  // nothing may follow Finished
  EXPECT_NE(ranOn, owner);  // read after Finished: the join made it visible
  EXPECT_GE(woken, 1);
  EXPECT_LT(woken, 1000);  // wake-ups pending together arrive as one
  EXPECT_EQ(finished, 1);
  EXPECT_FALSE(wokenAfterFinished);
  EXPECT_FALSE(wrongThread);
  EXPECT_FALSE(secondRan);
  EXPECT_FALSE(worker.Running());
  EXPECT_TRUE(worker.Start([] {}));  // and the next run may start
  EXPECT_TRUE(done.wait(10000));
}

TEST(WorkerThread, DestroyingWaitsForTheWork) {
  std::atomic<bool> stop{false};
  std::atomic<bool> returned{false};
  auto worker = std::make_unique<WorkerThread>();
  worker->Start([&] {
    while (!stop.load()) QThread::msleep(1);
    QThread::msleep(50);  // a detached thread would still be here when the destructor returned
    returned = true;
  });
  stop = true;
  worker.reset();
  EXPECT_TRUE(returned.load());
}

}  // namespace
}  // namespace sl
