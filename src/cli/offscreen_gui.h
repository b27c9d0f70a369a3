#pragma once
// Text on images and PDF pages needs Qt's fonts, and they need a QGuiApplication. The tool never
// shows a window, so it runs one on the offscreen platform: no display is needed.
#include <memory>

class QGuiApplication;

namespace sl::cli {

class OffscreenGui {
 public:
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace sl::cli
