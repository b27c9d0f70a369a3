#pragma once
// WebBrowser: a control that hosts a page viewer ("webctl", a QTextBrowser) filling the control,
// and navigates it to the address set as its Url.
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace sl {

class WebBrowser : public QWidget {
  Q_OBJECT

 public:
  explicit WebBrowser(QWidget* parent = nullptr);

  QString Url() const { return url_; }
  // Stores the address and navigates to it, again when it is the page already shown. A
  // "file:///" address is read from the local file of that name; a page that cannot be read
  // shows a short notice naming it.
  void SetUrl(const QString& url);

  QTextBrowser& View() { return *view_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QTextBrowser* view_ = nullptr;
  QString url_;
};

}  // namespace sl
