#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "preview/contact_sheet.h"
#include "preview_fixture.h"

using namespace bk;
using namespace bk::preview_test;

namespace {

struct RunResult {
  int exitCode = -1;
  QString err;
};

RunResult RunPreview(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral(BURSTKIN_PREVIEW_PATH), arguments);
  RunResult result;
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return result;
  result.exitCode = process.exitCode();
  result.err = QString::fromUtf8(process.readAllStandardError());
  return result;
}

}  // namespace

class ContactSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    far_ = dir_.filePath(QStringLiteral("far.cob"));
    const std::string error = WriteExplosion(far_.toStdString(), 12.0f);
    QVERIFY2(error.empty(), error.c_str());
  }

  // Frame 0 is the object as it stands; later the pieces move, and with a
  // long flight they end up outside everything the object covered.
  void tilesFollowTheExplosion() {
    const SceneLoadResult loaded = LoadPreviewScene(far_.toStdString());
    QVERIFY2(loaded.scene, loaded.error.c_str());
    const PreviewScene& scene = *loaded.scene;
    QVERIFY(scene.IsAnimated());
    QVERIFY(scene.LastFrame() >= 30);
    const std::unique_ptr<CPolyChunk> box = ImportBox();
    QVERIFY(box);
    const std::unique_ptr<PreviewScene> rest = PreviewScene::FromObject(*box);

    const std::vector<int> frames = SheetFrames(scene, FrameRange{0, scene.LastFrame(), 5});
    for (ViewKind view : {ViewKind::Front, ViewKind::Iso}) {
      const Camera camera = SheetCamera(scene, frames, view);
      RenderOptions options;
      options.Ghost = false;
      SceneRenderer renderer;
      const QSize size(480, 360);
      const QImage restMask =
          CoverageMask(RenderTile(renderer, *rest, 0, camera, size, options), options.Background);
      const long long covered = CountSet(restMask);
      QVERIFY(covered > 300);

      const QImage first =
          CoverageMask(RenderTile(renderer, scene, 0, camera, size, options), options.Background);
      QVERIFY2(CountDifferent(first, restMask) <= covered / 100,
               qPrintable(QStringLiteral("%1 of %2 pixels differ at frame 0")
                              .arg(CountDifferent(first, restMask))
                              .arg(covered)));

      const QImage middle = CoverageMask(RenderTile(renderer, scene, 10, camera, size, options),
                                         options.Background);
      QVERIFY(CountDifferent(middle, restMask) > covered / 10);

      const QImage last = CoverageMask(
          RenderTile(renderer, scene, scene.LastFrame(), camera, size, options), options.Background);
      const QRect restBox = SetBounds(restMask);
      const long long outside = CountSet(last) - CountSet(last, restBox);
      QVERIFY2(outside > covered / 4,
               qPrintable(QStringLiteral("only %1 pixels left the object's box").arg(outside)));
    }
  }

  // The sheet lays the asked frames out in rows and prints each number.
  void sheetHasOneLabelledTilePerFrame() {
    const SceneLoadResult loaded = LoadPreviewScene(far_.toStdString());
    QVERIFY(loaded.scene);
    const std::vector<int> frames = SheetFrames(*loaded.scene, FrameRange{0, 30, 10});
    QCOMPARE(frames, (std::vector<int>{0, 10, 20, 30}));
    const QImage sheet = RenderContactSheet(*loaded.scene, frames, QSize(200, 150), ViewKind::Top, true);
    QVERIFY(!sheet.isNull());
    QCOMPARE(sheet.size(), QSize(2 * 200 + 3 * 4, 2 * 150 + 3 * 4));
    // The label colour appears in the top-left corner of each tile.
    for (int i = 0; i < 4; ++i) {
      const QRect corner(4 + (i % 2) * 204, 4 + (i / 2) * 154, 100, 30);
      int labelPixels = 0;
      for (int y = corner.top(); y <= corner.bottom(); ++y)
        for (int x = corner.left(); x <= corner.right(); ++x)
          labelPixels += sheet.pixel(x, y) == qRgb(255, 236, 160);
      QVERIFY2(labelPixels > 10, qPrintable(QStringLiteral("tile %1 has no label").arg(i)));
    }
    // Without a range: the whole animation, first and last frame included.
    const std::vector<int> whole = SheetFrames(*loaded.scene, std::nullopt);
    QCOMPARE(whole.front(), 0);
    QCOMPARE(whole.back(), loaded.scene->LastFrame());
    QVERIFY(whole.size() <= 13);
  }

  void parsesFramesAndSizes() {
    QString error;
    const auto range = ParseFrameRange(QStringLiteral("3:20:4"), error);
    QVERIFY(range);
    QCOMPARE(range->First, 3);
    QCOMPARE(range->Last, 20);
    QCOMPARE(range->Step, 4);
    QCOMPARE(ParseFrameRange(QStringLiteral("7"), error)->Last, 7);
    for (const char* bad : {"", "a:b", "5:2", "-1:4", "0:10:0", "1:2:3:4", "0:100000:1"}) {
      error.clear();
      QVERIFY2(!ParseFrameRange(QString::fromLatin1(bad), error), bad);
      QVERIFY(!error.isEmpty());
    }
    QCOMPARE(*ParseTileSize(QStringLiteral("640x480"), error), QSize(640, 480));
    for (const char* bad : {"640", "x480", "10x10", "640x99999", "axb"}) {
      QVERIFY2(!ParseTileSize(QString::fromLatin1(bad), error), bad);
    }
  }

  void commandLineWritesAPicture() {
    const QString out = dir_.filePath(QStringLiteral("sheet.png"));
    const RunResult run = RunPreview({far_, QStringLiteral("--sheet"), out, QStringLiteral("--frames"),
                                      QStringLiteral("0:30:15"), QStringLiteral("--size"),
                                      QStringLiteral("160x120"), QStringLiteral("--view"),
                                      QStringLiteral("side")});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QImage image(out);
    QCOMPARE(image.size(), QSize(2 * 160 + 3 * 4, 2 * 120 + 3 * 4));
  }

  void commandLineRefusesBadArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    const QString out = dir_.filePath(QStringLiteral("never.png"));
    QTest::newRow("frames backwards") << QStringList{far_, "--sheet", out, "--frames", "9:2"};
    QTest::newRow("view unknown") << QStringList{far_, "--sheet", out, "--view", "diagonal"};
    QTest::newRow("size tiny") << QStringList{far_, "--sheet", out, "--size", "4x4"};
    QTest::newRow("no input") << QStringList{"--sheet", out};
    QTest::newRow("two inputs") << QStringList{far_, far_, "--sheet", out};
    QTest::newRow("unknown option") << QStringList{far_, "--sheet", out, "--colour", "red"};
    QTest::newRow("sheet option alone") << QStringList{far_, "--frames", "0:3"};
  }

  void commandLineRefusesBadArguments() {
    QFETCH(QStringList, arguments);
    const RunResult run = RunPreview(arguments);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.contains(QStringLiteral("burstkin-preview:")));
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("never.png"))));
  }

  // Unreadable input and unwritable output end with status 1 and the
  // reader's or writer's message; no picture is left behind.
  void commandLineReportsFileFailures() {
    const QString out = dir_.filePath(QStringLiteral("failed.png"));
    const QString empty = dir_.filePath(QStringLiteral("empty.cob"));
    QFile(empty).open(QIODevice::WriteOnly);
    const QString text = dir_.filePath(QStringLiteral("notes.cob"));
    {
      QFile f(text);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("shopping list\neggs\n");
    }
    RunResult run = RunPreview({dir_.filePath(QStringLiteral("missing.cob")), "--sheet", out});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QString::fromLatin1(messages::kCouldNotOpen.data(),
                                                  qsizetype(messages::kCouldNotOpen.size()))),
             qPrintable(run.err));
    for (const QString& bad : {empty, text}) {
      run = RunPreview({bad, "--sheet", out});
      QCOMPARE(run.exitCode, 1);
      const std::string expected = ImportObjectFromText(bad == empty ? "" : "shopping list\neggs\n").error;
      QVERIFY(!expected.empty());
      QVERIFY2(run.err.contains(QString::fromStdString(expected)), qPrintable(run.err));
    }
    QVERIFY(!QFile::exists(out));

    run = RunPreview({far_, "--sheet", dir_.filePath(QStringLiteral("no/such/folder/out.png"))});
    QCOMPARE(run.exitCode, 1);
    QVERIFY(!run.err.isEmpty());
  }

 private:
  QTemporaryDir dir_;
  QString far_;
};

QTEST_MAIN(ContactSheetTest)
#include "contact_sheet_test.moc"
