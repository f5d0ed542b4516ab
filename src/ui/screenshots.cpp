#include "ui/screenshots.h"

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTabWidget>

#include "doc/brk_doc.h"
#include "preview/preview_window.h"
#include "ui/brk_page.h"
#include "ui/gltf_settings.h"
#include "ui/main_frame.h"
#include "ui/prop_sheet.h"
#include "ui/qt_platform.h"

namespace bk {

namespace {

// Lets the window system map and paint the windows.
void Settle(int milliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
}

bool Save(QWidget& widget, const QDir& dir, const char* name) {
  const QString path = dir.filePath(QString::fromLatin1(name));
  const bool ok = widget.grab().save(path, "PNG");
  std::fprintf(stderr, "%s %s\n", ok ? "saved" : "could not save", qPrintable(path));
  return ok;
}

// Clicks radio buttons of a page by id, as the user would, and lets the
// page's rules run.
void Click(CBrkPage& page, std::initializer_list<int> ids) {
  for (int id : ids) {
    if (auto* button = qobject_cast<QAbstractButton*>(page.Control(id))) button->click();
    Settle(100);
  }
}

}  // namespace

bool ScreenshotsRequested() {
  const char* dir = std::getenv("BURSTKIN_SCREENSHOT");
  return dir && *dir;
}

int TakeScreenshots(CMainFrame& frame) {
  const QDir dir(QString::fromLocal8Bit(std::getenv("BURSTKIN_SCREENSHOT")));
  if (!dir.exists() && !QDir().mkpath(dir.path())) return 1;

  QtPlatform::Hooks& hooks = frame.Platform().hooks();
  hooks.message = [](std::string_view text) {
    std::fprintf(stderr, "message: %.*s\n", static_cast<int>(text.size()), text.data());
  };
  if (const char* object = std::getenv("BURSTKIN_SCREENSHOT_OBJECT"); object && *object) {
    const std::string path = object;
    hooks.open_file = [path](std::string_view, std::string_view) { return path; };
    frame.OnCommand(cmd::kImport);
  }

  bool ok = true;
  Settle(500);
  ok = Save(frame, dir, "main_window.png") && ok;

  static const char* const kPageFiles[] = {"options_general.png", "options_advanced.png",
                                           "options_gravity_particles.png", "options_pieces.png"};
  hooks.options_sheet = [&](CBrkPropSheet& sheet) {
    sheet.show();
    Settle(300);
    for (int page = 0; page < 4; ++page) {
      sheet.SelectPage(page);
      Settle(300);
      // The Pieces page with everything it offers in use (Solid cells,
      // Impact), then put back so the preview below is the default one.
      if (page == 3) Click(*sheet.Page(page), {1102, 1107});
      ok = Save(sheet, dir, kPageFiles[page]) && ok;
      if (page == 3) Click(*sheet.Page(page), {1106, 1101});
    }
    return false;
  };
  if (frame.Doc().ImportedObject) {
    frame.OnCommand(cmd::kExplosionOptions);
    frame.OnCommand(cmd::kPreview);
    if (PreviewWindow* preview = frame.Preview()) {
      Settle(700);  // some frames into the explosion
      preview->pause();
      Settle(300);
      ok = Save(*preview, dir, "preview_window.png") && ok;
    }
  } else {
    frame.Platform().RunOptionsSheet(frame.Doc().Options);
  }
  // The glTF choices at their defaults, whatever this machine remembers.
  GltfSettingsDialog gltf(&frame, GltfChoices{});
  gltf.show();
  Settle(300);
  ok = Save(gltf, dir, "gltf_settings.png") && ok;
  return ok ? 0 : 1;
}

}  // namespace bk
