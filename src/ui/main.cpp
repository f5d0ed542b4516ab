#include <cstdint>
#include <ctime>

#include <QApplication>

#include "ui/main_frame.h"
#include "ui/screenshots.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Burstkin"));
  // The program takes no command-line arguments and reads no settings.
  bk::CMainFrame frame(static_cast<std::uint32_t>(std::time(nullptr)));
  frame.show();
  if (bk::ScreenshotsRequested()) return bk::TakeScreenshots(frame);
  return app.exec();
}
