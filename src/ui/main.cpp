#include <cstdint>
#include <ctime>

#include <QApplication>
#include <QTimer>

#include "ui/main_frame.h"
#include "ui/screenshots.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Burstkin"));
  QApplication::setOrganizationName(QStringLiteral("Burstkin"));
  // One optional argument, a file to import at start (as a file manager
  // passes it). The remembered settings are the import and export choices.
  bk::CMainFrame frame(static_cast<std::uint32_t>(std::time(nullptr)));
  frame.show();
  if (bk::ScreenshotsRequested()) return bk::TakeScreenshots(frame);
  const QStringList arguments = QCoreApplication::arguments();
  if (arguments.size() > 1) {
    const QString path = arguments.at(1);
    QTimer::singleShot(0, &frame, [&frame, path] { frame.ImportPath(path); });
  }
  return app.exec();
}
