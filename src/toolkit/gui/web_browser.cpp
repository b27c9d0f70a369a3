#include "toolkit/gui/web_browser.h"

#include <QFileInfo>
#include <QResizeEvent>
#include <QTextBrowser>

#include "toolkit/gui/native_path.h"
#include "toolkit/help_page.h"

namespace sl {

WebBrowser::WebBrowser(QWidget* parent) : QWidget(parent), view_(new QTextBrowser(this)) {
  view_->setObjectName(QStringLiteral("webctl"));
  view_->setOpenExternalLinks(true);
  view_->setGeometry(0, 0, width(), height());
  view_->show();
}

void WebBrowser::SetUrl(const QString& url) {
  url_ = url;
  const std::optional<std::string> path = LocalPathOfAddress(url.toStdString());
  const QUrl target = path ? QUrl::fromLocalFile(QString::fromStdString(*path)) : QUrl(url);
  const QFileInfo file(target.toLocalFile());
  if (target.isLocalFile() && !(file.isFile() && file.isReadable())) {
    view_->setHtml(QStringLiteral("<p>The page <b>%1</b> cannot be found.</p>")
                       .arg(target.toLocalFile().toHtmlEscaped()));
    return;
  }
  if (view_->source() == target) {
    view_->reload();
  } else {
    view_->setSource(target);
  }
}

void WebBrowser::resizeEvent(QResizeEvent* event) {
  view_->setGeometry(0, 0, event->size().width(), event->size().height());
}

}  // namespace sl
