#pragma once
// Form4: the help window ("Stacklinks Help"), resizable and not modal, holding one WebBrowser.
#include <QWidget>

namespace sl {

class WebBrowser;

class Form4 : public QWidget {
  Q_OBJECT

 public:
  explicit Form4(QWidget* parent = nullptr);

  WebBrowser& WebBrowser1() { return *browser_; }

  // Navigates to the address and shows the window without blocking, in front of the others.
  void Open(const QString& url);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  WebBrowser* browser_ = nullptr;
};

}  // namespace sl
