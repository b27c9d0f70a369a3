// render_icons SVG OUTDIR NAME SIZE...: draws the program icon from its SVG source at each size
// into OUTDIR/<size>x<size>/apps/NAME.png, the desktop's icon theme layout. Runs with no display.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

bool RenderPng(QSvgRenderer& svg, int size, const QString& path) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  svg.setAspectRatioMode(Qt::KeepAspectRatio);
  svg.render(&painter, QRectF(0, 0, size, size));
  painter.end();
  return QDir().mkpath(QFileInfo(path).path()) && image.save(path, "PNG");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fputs("usage: render_icons SVG OUTDIR NAME SIZE...\n", stderr);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QSvgRenderer svg{QString::fromLocal8Bit(argv[1])};
  if (!svg.isValid()) {
    std::fprintf(stderr, "render_icons: cannot read %s\n", argv[1]);
    return 1;
  }
  const QString outDir = QString::fromLocal8Bit(argv[2]);
  const QString name = QString::fromLocal8Bit(argv[3]);
  for (int i = 4; i < argc; ++i) {
    const int size = QString::fromLocal8Bit(argv[i]).toInt();
    const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(outDir).arg(size).arg(name);
    if (size <= 0 || !RenderPng(svg, size, path)) {
      std::fprintf(stderr, "render_icons: cannot write the %s pixel icon\n", argv[i]);
      return 1;
    }
  }
  return 0;
}
