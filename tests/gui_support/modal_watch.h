#pragma once
// Widget tests meet modal windows (message boxes, file dialogs) that wait for a user. A
// ModalWatch waits for the next one and hands it to the test, from inside the modal window's own
// event loop. The handler answers it; a window the handler left open (a check failed part-way)
// is closed right after, so a failing test ends at once instead of waiting for its time-out.
#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace sl::test {

class ModalWatch {
 public:
  explicit ModalWatch(std::function<void(QWidget&)> handle) : handle_(std::move(handle)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QPointer<QWidget> modal = QApplication::activeModalWidget();
      if (!modal || handled_) return;
      handled_ = true;
      timer_.stop();
      handle_(*modal);
      if (modal && modal->isVisible()) modal->close();
    });
    timer_.start();
  }
  bool Handled() const { return handled_; }

 private:
  std::function<void(QWidget&)> handle_;
  QTimer timer_;
  bool handled_ = false;
};

}  // namespace sl::test
