#include "cli/offscreen_gui.h"

#include <QGuiApplication>

namespace sl::cli {
namespace {

// QGuiApplication keeps references to these for its whole life.
int argumentCount = 1;
char programName[] = "stacklinks-tool";
char* arguments[] = {programName, nullptr};

}  // namespace

OffscreenGui::OffscreenGui() {
  // Whatever the environment asks for: the tool must work where there is no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  app_ = std::make_unique<QGuiApplication>(argumentCount, arguments);
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace sl::cli
