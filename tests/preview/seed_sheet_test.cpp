#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "doc/brk_doc.h"
#include "doc/options_file.h"
#include "preview/seed_sheet.h"
#include "support/fake_platform.h"

using namespace bk;

namespace {

struct RunResult {
  int exitCode = -1;
  QString err;
};

RunResult RunCli(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(BURSTKIN_CLI_PATH), arguments);
  RunResult result;
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) return result;
  result.exitCode = process.exitCode();
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

QString Example(const char* name) { return QStringLiteral(BURSTKIN_SOURCE_DIR "/examples/") + name; }

}  // namespace

class SeedSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void TheSheetIsTheSameWhateverTheThreadsAndEveryTileHasItsSeed() {
    testing::FakePlatform platform;
    CBrkDoc doc(platform, 1);
    QVERIFY(doc.ImportFile(Example("crate.cob").toStdString()));
    OptionsFile file;
    file.Settings = {{"Gravity", "1"}, {"MinPieces", "6"}};
    QVERIFY(!ApplyOptionsFile(doc, file));
    const SeedSweepInputs inputs = SeedSweepInputs::FromDocument(doc);
    SweepSheetSettings settings;
    settings.Seeds = {10, 11, 12, 13, 14};
    settings.Frames = FrameRange{0, 20, 10};
    settings.TileSize = QSize(96, 72);
    NoProgress progress;
    settings.Threads = 1;
    const SweepSheet alone = RenderSeedSweep(inputs, settings, progress);
    QVERIFY2(alone.ok(), alone.error.c_str());
    settings.Threads = 2;
    const SweepSheet shared = RenderSeedSweep(inputs, settings, progress);
    QVERIFY(alone.Image == shared.Image);
    // A row per seed, a column per frame.
    QCOMPARE(alone.Tiles.size(), size_t(15));
    QCOMPARE(alone.Image.size(), QSize(3 * 96 + 4 * 4, 5 * 72 + 6 * 4));
    QCOMPARE(alone.TileSeeds[4], 11u);
    QCOMPARE(alone.Tiles[4].topLeft(), QPoint(4 + 96 + 4, 4 + 72 + 4));
  }

  void TheCommandLineWritesTheSheetOrSaysWhyNot() {
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("sweep.png"));
    const RunResult done = RunCli({QStringLiteral("sweep"), Example("crate.cob"), QStringLiteral("--seeds"),
                                   QStringLiteral("1:6"), QStringLiteral("--preset"), QStringLiteral("shatter"),
                                   QStringLiteral("--size"), QStringLiteral("64x48"), QStringLiteral("--sheet"), sheet,
                                   QStringLiteral("--quiet")});
    QCOMPARE(done.exitCode, 0);
    QCOMPARE(QImage(sheet).size(), QSize(3 * 64 + 4 * 4, 2 * 48 + 3 * 4));

    const QString refused = dir.filePath(QStringLiteral("refused.png"));
    const QList<QStringList> bad = {
        {QStringLiteral("--seeds"), QStringLiteral("9:1")},
        {QStringLiteral("--seeds"), QStringLiteral("1:2000")},
        {QStringLiteral("--seeds"), QStringLiteral("1:4"), QStringLiteral("--preset"), QStringLiteral("nothing")},
        {QStringLiteral("--seeds"), QStringLiteral("1:4"), QStringLiteral("--frame"), QStringLiteral("1:5")},
        {QStringLiteral("--seeds"), QStringLiteral("1:4"), QStringLiteral("--set"), QStringLiteral("MinPieces=0")},
    };
    for (const QStringList& arguments : bad) {
      const RunResult run = RunCli(QStringList{QStringLiteral("sweep"), Example("crate.cob"), QStringLiteral("--sheet"),
                                               refused} + arguments);
      QCOMPARE(run.exitCode, 2);
      QVERIFY2(!run.err.isEmpty(), qPrintable(arguments.join(' ')));
    }
    QVERIFY(!QFile::exists(refused));
  }
};

QTEST_MAIN(SeedSheetTest)
#include "seed_sheet_test.moc"
