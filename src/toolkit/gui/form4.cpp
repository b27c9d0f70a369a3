#include "toolkit/gui/form4.h"

#include <QResizeEvent>

#include "toolkit/gui/twip_geometry.h"
#include "toolkit/gui/web_browser.h"
#include "toolkit/help_page.h"

namespace sl {
namespace {

constexpr int kClientWidth = 6795;
constexpr int kClientHeight = 5340;
constexpr int kViewLeft = 30;
constexpr int kViewTop = 30;

}  // namespace

Form4::Form4(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new WebBrowser(this)) {
  setObjectName(QStringLiteral("Form4"));
  setWindowTitle(QStringLiteral("Stacklinks Help"));
  browser_->setObjectName(QStringLiteral("WebBrowser1"));
  PlaceInTwips(*browser_, kViewLeft, kViewTop, 6705, 5025);
  resize(TwipsToPixelsX(*this, kClientWidth), TwipsToPixelsY(*this, kClientHeight));
}

void Form4::Open(const QString& url) {
  browser_->SetUrl(url);
  show();
  raise();
  activateWindow();
}

void Form4::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The window's client area stands in for its outer size: on this platform the outer frame
  // includes the title bar, which would push the view past the bottom edge.
  const std::optional<ViewSize> size =
      HelpViewSize(PixelsToTwipsX(*this, event->size().width()),
                   PixelsToTwipsY(*this, event->size().height()), kViewTop);
  if (!size) return;  // too small: the view keeps its last size
  browser_->resize(TwipsToPixelsX(*this, size->width), TwipsToPixelsY(*this, size->height));
}

}  // namespace sl
