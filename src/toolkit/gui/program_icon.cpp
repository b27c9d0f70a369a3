#include "toolkit/gui/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The icons are compiled into this static library; its resources must be registered by hand,
// and outside any namespace.
static void InitIconResources() { Q_INIT_RESOURCE(icons); }

namespace sl {
namespace {

constexpr const char* kIconSource = ":/icons/stacklinks.svg";
constexpr int kIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};

void RenderIcon(QPainter& painter, const QRectF& area) {
  static const bool registered = (InitIconResources(), true);
  (void)registered;
  QSvgRenderer renderer{QString::fromLatin1(kIconSource)};
  renderer.setAspectRatioMode(Qt::KeepAspectRatio);
  renderer.render(&painter, area);
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : kIconSizes) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    RenderIcon(painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

IconView::IconView(QWidget* parent) : QWidget(parent) {}

void IconView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  RenderIcon(painter, QRectF(rect()));
}

}  // namespace sl
