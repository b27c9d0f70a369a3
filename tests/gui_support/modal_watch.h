#pragma once
// Widget tests meet modal windows (message boxes, file dialogs) that wait for a user. A
// ModalWatch hands the next ones to the test, one step per window in order, from inside the
// modal window's own event loop; progress windows are left alone. A window a step left open (a
// check failed part-way) is closed right after, so a failing test ends at once instead of
// waiting for its time-out.
#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace sl::test {

class ModalWatch {
 public:
  using Step = std::function<void(QWidget&)>;
  explicit ModalWatch(Step step) : ModalWatch(std::vector<Step>{std::move(step)}) {}
  explicit ModalWatch(std::vector<Step> steps) : steps_(std::move(steps)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QPointer<QWidget> modal = QApplication::activeModalWidget();
      if (!modal || Handled() || qobject_cast<QProgressDialog*>(modal)) return;
      const Step& step = steps_[done_++];
      if (Handled()) timer_.stop();
      step(*modal);
      if (modal && modal->isVisible()) modal->close();
    });
    timer_.start();
  }
  bool Handled() const { return done_ == steps_.size(); }

 private:
  std::vector<Step> steps_;
  QTimer timer_;
  size_t done_ = 0;
};

}  // namespace sl::test
