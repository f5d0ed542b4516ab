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

namespace {

struct PreviewOptions {
  QCommandLineOption sheet{QStringLiteral("sheet"), QStringLiteral("Write a contact sheet (PNG) and exit."),
                           QStringLiteral("OUT.png")};
  QCommandLineOption frames{
      QStringLiteral("frames"),
      QStringLiteral("Frames of the sheet as A:B:STEP, A:B or A (default: the whole animation in "
                     "about 12 tiles)."),
      QStringLiteral("A:B:STEP")};
  QCommandLineOption size{QStringLiteral("size"), QStringLiteral("Size of one tile in pixels (default 320x240)."),
                          QStringLiteral("WxH")};
  QCommandLineOption view{QStringLiteral("view"),
                          QStringLiteral("View of the sheet: front, side, top or iso (default iso)."),
                          QStringLiteral("front|side|top|iso")};
  QCommandLineOption ghost{QStringLiteral("ghost"),
                           QStringLiteral("Draw the object at rest faintly behind the pieces on the sheet.")};
};

void SetUpParser(QCommandLineParser& parser, const PreviewOptions& o) {
  parser.setApplicationDescription(QStringLiteral(
      "Plays an exploded object file that Burstkin wrote (an object that is not exploded is "
      "shown at rest), or renders a contact sheet of it without a display."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The .cob file to show."),
                               QStringLiteral("[FILE.cob]"));
  parser.addOptions({o.sheet, o.frames, o.size, o.view, o.ghost});
}

// The window, with the file when one is given; sheet options are refused.
int RunWindow(QApplication& app, const QCommandLineParser& parser, const PreviewOptions& o,
              const QStringList& files) {
  for (const auto* option : {&o.frames, &o.size, &o.view, &o.ghost}) {
    if (parser.isSet(*option)) {
      return BadArguments(QStringLiteral("--%1 is an option of --sheet.").arg(option->names().first()));
    }
  }
  PreviewWindow window;
  window.show();
  if (!files.isEmpty()) window.openFile(files.first());
  return app.exec();
}

// The sheet's settings from the command line; 0, or the exit status of
// arguments that do not fit.
int ReadSheetSettings(const QCommandLineParser& parser, const PreviewOptions& o, const QStringList& files,
                      SheetSettings& settings) {
  settings.Output = parser.value(o.sheet);
  if (settings.Output.isEmpty()) return BadArguments(QStringLiteral("--sheet needs the name of the PNG to write."));
  if (files.isEmpty()) return BadArguments(QStringLiteral("--sheet needs the .cob file to draw."));
  settings.Input = files.first();
  QString error;
  if (parser.isSet(o.frames)) {
    settings.Frames = ParseFrameRange(parser.value(o.frames), error);
    if (!settings.Frames) return BadArguments(error);
  }
  if (parser.isSet(o.size)) {
    const auto size = ParseTileSize(parser.value(o.size), error);
    if (!size) return BadArguments(error);
    settings.TileSize = *size;
  }
  if (parser.isSet(o.view)) {
    const auto view = ParseViewKind(parser.value(o.view).toStdString());
    if (!view) {
      return BadArguments(QStringLiteral("--view expects front, side, top or iso, not \"%1\".")
                              .arg(parser.value(o.view)));
    }
    settings.View = *view;
  }
  settings.Ghost = parser.isSet(o.ghost);
  return 0;
}

int RunSheet(const QCommandLineParser& parser, const PreviewOptions& o, const QStringList& files) {
  SheetSettings settings;
  if (const int refused = ReadSheetSettings(parser, o, files, settings); refused != 0) return refused;
  QString error;
  const int status = WriteContactSheet(settings, error);
  if (status == 2) return BadArguments(error);
  if (status != 0) QTextStream(stderr) << "burstkin-preview: " << error << "\n";
  return status;
}

}  // namespace

int RunPreviewProgram(int argc, char** argv) {
  if (AsksForSheet(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("burstkin-preview"));
  QApplication::setApplicationVersion(QStringLiteral("1.36"));

  const PreviewOptions options;
  QCommandLineParser parser;
  SetUpParser(parser, options);
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
  if (!parser.isSet(options.sheet)) return RunWindow(app, parser, options, files);
  return RunSheet(parser, options, files);
}

}  // namespace bk
