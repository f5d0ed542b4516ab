#include "preview/preview_app.h"

#include <cstdlib>
#include <cstring>

#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include "preview/contact_sheet.h"
#include "preview/preview_window.h"

namespace bk {
namespace {

// Sheet mode must pick its platform before the application exists, so the
// arguments are glanced at once before the real parse.
bool AsksForSheet(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--") == 0) return false;
    if (std::strcmp(argv[i], "--sheet") == 0 || std::strncmp(argv[i], "--sheet=", 8) == 0 ||
        std::strcmp(argv[i], "-sheet") == 0)
      return true;
  }
  return false;
}

int BadArguments(const QString& message) {
  QTextStream err(stderr);
  err << "burstkin-preview: " << message << "\n"
      << "Try 'burstkin-preview --help'.\n";
  return 2;
}

}  // namespace

int RunPreviewProgram(int argc, char** argv) {
  const bool sheetMode = AsksForSheet(argc, argv);
  if (sheetMode && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("burstkin-preview"));
  QApplication::setApplicationVersion(QStringLiteral("1.36"));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Plays an exploded object file that Burstkin wrote (an object that is not exploded is "
      "shown at rest), or renders a contact sheet of it without a display."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The .cob file to show."),
                               QStringLiteral("[FILE.cob]"));
  const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                       QStringLiteral("Write a contact sheet (PNG) and exit."),
                                       QStringLiteral("OUT.png"));
  const QCommandLineOption framesOption(
      QStringLiteral("frames"),
      QStringLiteral("Frames of the sheet as A:B:STEP, A:B or A (default: the whole animation in "
                     "about 12 tiles)."),
      QStringLiteral("A:B:STEP"));
  const QCommandLineOption sizeOption(QStringLiteral("size"),
                                      QStringLiteral("Size of one tile in pixels (default 320x240)."),
                                      QStringLiteral("WxH"));
  const QCommandLineOption viewOption(QStringLiteral("view"),
                                      QStringLiteral("View of the sheet: front, side, top or iso (default iso)."),
                                      QStringLiteral("front|side|top|iso"));
  const QCommandLineOption ghostOption(QStringLiteral("ghost"),
                                       QStringLiteral("Draw the object at rest faintly behind the pieces on the sheet."));
  parser.addOptions({sheetOption, framesOption, sizeOption, viewOption, ghostOption});

  if (!parser.parse(QApplication::arguments())) return BadArguments(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) {
    QTextStream(stdout) << parser.helpText();
    return 0;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    QTextStream(stdout) << "burstkin-preview 1.36\n";
    return 0;
  }
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) return BadArguments(QStringLiteral("give at most one file."));

  if (!parser.isSet(sheetOption)) {
    for (const auto* option : {&framesOption, &sizeOption, &viewOption, &ghostOption}) {
      if (parser.isSet(*option)) {
        return BadArguments(QStringLiteral("--%1 is an option of --sheet.").arg(option->names().first()));
      }
    }
    PreviewWindow window;
    window.show();
    if (!files.isEmpty()) window.openFile(files.first());
    return app.exec();
  }

  SheetSettings settings;
  settings.Output = parser.value(sheetOption);
  if (settings.Output.isEmpty()) return BadArguments(QStringLiteral("--sheet needs the name of the PNG to write."));
  if (files.isEmpty()) return BadArguments(QStringLiteral("--sheet needs the .cob file to draw."));
  settings.Input = files.first();
  QString error;
  if (parser.isSet(framesOption)) {
    settings.Frames = ParseFrameRange(parser.value(framesOption), error);
    if (!settings.Frames) return BadArguments(error);
  }
  if (parser.isSet(sizeOption)) {
    const auto size = ParseTileSize(parser.value(sizeOption), error);
    if (!size) return BadArguments(error);
    settings.TileSize = *size;
  }
  if (parser.isSet(viewOption)) {
    const auto view = ParseViewKind(parser.value(viewOption).toStdString());
    if (!view) {
      return BadArguments(QStringLiteral("--view expects front, side, top or iso, not \"%1\".")
                              .arg(parser.value(viewOption)));
    }
    settings.View = *view;
  }
  settings.Ghost = parser.isSet(ghostOption);

  const int status = WriteContactSheet(settings, error);
  if (status == 2) return BadArguments(error);
  if (status != 0) QTextStream(stderr) << "burstkin-preview: " << error << "\n";
  return status;
}

}  // namespace bk
