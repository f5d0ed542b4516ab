#include <QAbstractButton>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QStandardPaths>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include "cob/cob_file.h"
#include "doc/brk_doc.h"
#include "preview/preview_window.h"
#include "ui/gltf_settings.h"
#include "ui/main_frame.h"
#include "ui/prop_sheet.h"
#include "ui/qt_platform.h"
#include "ui_test_support.h"

using namespace bk;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// Import, options, export through the real window, with every dialog answered
// by the test.
class ExportRunTest : public QObject {
  Q_OBJECT

 private slots:
  // Remembered choices go to a test folder, never the user's.
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void ImportOptionsAndExportARealObject() {
    const QString source = uitest::RealFile("molecule_ascii.cob");
    if (source.isEmpty()) QSKIP("real test file molecule_ascii.cob not found");
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("exploded.cob"));

    CMainFrame frame(1234);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));

    dialogs.open_answer = source.toStdString();
    frame.Action(cmd::kImport)->trigger();
    QCOMPARE(dialogs.titles.back(), std::string("Import"));
    QCOMPARE(frame.windowTitle(), QStringLiteral("molecule_ascii.cob - Burstkin for Windows"));

    // The options sheet opens over the object's faces; OK keeps a new frame count.
    QString faces_shown;
    frame.Platform().hooks().options_sheet = [&](CBrkPropSheet& sheet) {
      sheet.show();
      faces_shown = qobject_cast<QLineEdit*>(sheet.Page(0)->Control(1001))->text();
      qobject_cast<QLineEdit*>(sheet.Page(0)->Control(1004))->setText(QStringLiteral("12"));
      sheet.accept();
      return sheet.result() == QDialog::Accepted;
    };
    frame.Action(cmd::kExplosionOptions)->trigger();
    QCOMPARE(faces_shown, QStringLiteral("128"));
    QCOMPARE(frame.Doc().Options.FrameCount, 12);

    const int beeps = frame.Platform().BeepCount();
    dialogs.save_answer = output.toStdString();
    frame.Action(cmd::kExport)->trigger();
    QCOMPARE(dialogs.titles.back(), std::string("Export"));
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(frame.Platform().BeepCount(), beeps + 1);
    const QByteArray written = ReadAll(output);
    QVERIFY(written.startsWith("Caligari V00.01ALH"));
    QVERIFY(written.contains("Burstkin"));
    QVERIFY(written.endsWith(QByteArray(kEndLine.data(), static_cast<qsizetype>(kEndLine.size()))));
    QVERIFY(!frame.Doc().Busy);
    QVERIFY(frame.ToolBar()->isEnabled());
    QVERIFY(frame.Action(cmd::kExport)->isEnabled());
    // The status bar says what was written for a while, then "Ready".
    QVERIFY(frame.MessagePane()->text().startsWith(QStringLiteral("Wrote exploded.cob: ")));
    QVERIFY(frame.MessagePane()->text().endsWith(QStringLiteral(" pieces.")));
    QVERIFY(frame.NoteTimer()->isActive());
    frame.NoteTimer()->setInterval(1);
    frame.NoteTimer()->start();
    QTRY_COMPARE(frame.MessagePane()->text(), QStringLiteral("Ready"));
  }

  // Regression: the Export dialog offered only .cob, and out.glb got .cob text.
  void ExportOffersGltfAndWritesItWithTheRememberedSettings() {
    QFileDialog dialog;
    QtPlatform::SetUpExportTypes(dialog, "last.glb");
    QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("glTF binary (*.glb)"));
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("glb"));
    QtPlatform::SetUpExportTypes(dialog, "*.cob");
    QCOMPARE(dialog.defaultSuffix(), QStringLiteral("cob"));
    QVERIFY(QtPlatform::FileFilter().contains(QStringLiteral("glTF (*.gltf)")));

    GltfChoices choices;
    choices.fps = 24;
    choices.key_sampling = true;
    choices.texture_folders = {QStringLiteral("/tmp/textures")};
    GltfSettingsDialog settings(nullptr, choices);
    settings.Choices().Save();
    const GltfChoices kept = GltfChoices::Load();
    QCOMPARE(kept.fps, 24.0);
    QVERIFY(kept.key_sampling);
    QCOMPARE(kept.texture_folders, choices.texture_folders);

    QTemporaryDir dir;
    CMainFrame frame(3);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.ImportPath(uitest::ExampleFile("crate.cob"));
    dialogs.save_answer = dir.filePath(QStringLiteral("crate.glb")).toStdString();
    frame.Action(cmd::kExport)->trigger();
    QVERIFY(dialogs.messages.empty());
    QVERIFY(ReadAll(dir.filePath(QStringLiteral("crate.glb"))).startsWith("glTF"));
    QCOMPARE(frame.Doc().GltfSettings.Fps, 24.0);
    QVERIFY(frame.MessagePane()->text().startsWith(QStringLiteral("Wrote crate.glb: ")));
  }

  // Regression: Export replaced the file the object was imported from.
  void ExportRefusesTheImportedFile() {
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("crate.cob"));
    QVERIFY(QFile::copy(uitest::ExampleFile("crate.cob"), source));
    const QByteArray before = ReadAll(source);
    CMainFrame frame(3);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.ImportPath(source);
    dialogs.save_answer = (dir.path() + QStringLiteral("/./crate.cob")).toStdString();
    frame.Action(cmd::kExport)->trigger();
    QCOMPARE(dialogs.messages, std::vector<std::string>{std::string(kExportWouldReplaceSource)});
    QCOMPARE(ReadAll(source), before);
  }

  void ParticlesChosenInTheSheetAreLoadedAndWritten() {
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("with_particles.cob"));
    CMainFrame frame(7);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    dialogs.open_answer = uitest::ExampleFile("crate.cob").toStdString();
    frame.Action(cmd::kImport)->trigger();

    // Particles on: OK asks for the particle objects at once.
    dialogs.open_many_answer = {uitest::ExampleFile("spark.cob").toStdString()};
    frame.Platform().hooks().options_sheet = [](CBrkPropSheet& sheet) {
      sheet.show();
      sheet.SelectPage(2);
      qobject_cast<QAbstractButton*>(sheet.Page(2)->Control(1028))->click();
      uitest::Flush();
      sheet.accept();
      return sheet.result() == QDialog::Accepted;
    };
    frame.Action(cmd::kExplosionOptions)->trigger();
    QCOMPARE(dialogs.titles.back(), std::string("Import Particle Object"));
    QVERIFY(dialogs.questions.empty());
    QCOMPARE(frame.Doc().ActiveOutputMode, 1);
    QCOMPARE(frame.Doc().ParticleObjects.size(), static_cast<std::size_t>(1));

    dialogs.save_answer = output.toStdString();
    frame.Action(cmd::kExport)->trigger();
    QVERIFY(dialogs.messages.empty());
    const QByteArray written = ReadAll(output);
    QVERIFY(written.contains("BurstkinParticles"));
  }

  void EscapeDuringTheExplosionWritesNothing() {
    const QString source = uitest::ExampleFile("crate.cob");
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("cancelled.cob"));

    CMainFrame frame(99);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    dialogs.open_answer = source.toStdString();
    frame.Action(cmd::kImport)->trigger();
    QVERIFY(frame.Doc().ImportedObject);

    // The key waits in the queue; the first progress step of the run takes it.
    QCoreApplication::postEvent(&frame,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    const int beeps = frame.Platform().BeepCount();
    dialogs.save_answer = output.toStdString();
    frame.Action(cmd::kExport)->trigger();
    QVERIFY(!QFile::exists(output));
    QCOMPARE(frame.Platform().BeepCount(), beeps + 1);
    QVERIFY(!frame.Doc().CancelRequested());
    QVERIFY(!frame.Doc().Busy);
    // No bar is left beside the idle message, which says what became of the run.
    QTest::qWait(50);
    QCOMPARE(frame.Progress()->FilledRight(), 0);
    QCOMPARE(frame.MessagePane()->text(), QString::fromUtf8(kExportNothingWritten.data()));
  }

  void PreviewPlaysTheExplosionInTheViewerAndEscapeCancelsIt() {
    CMainFrame frame(11);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(!frame.Action(cmd::kPreview)->isEnabled());
    dialogs.open_answer = uitest::ExampleFile("crate.cob").toStdString();
    frame.Action(cmd::kImport)->trigger();
    QVERIFY(frame.Action(cmd::kPreview)->isEnabled());
    QCOMPARE(frame.Action(cmd::kPreview)->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));

    QCoreApplication::postEvent(&frame,
                                new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    frame.Action(cmd::kPreview)->trigger();
    QVERIFY(!frame.Preview());
    QVERIFY(!frame.Doc().Busy);

    frame.Action(cmd::kPreview)->trigger();
    QVERIFY(dialogs.messages.empty());
    PreviewWindow* preview = frame.Preview();
    QVERIFY(preview && preview->isVisible());
    QVERIFY(preview->lastFrame() >= frame.Doc().Options.FrameCount);
    QVERIFY(preview->isPlaying());
    QVERIFY(dialogs.titles == std::vector<std::string>{"Import"});  // nothing saved
    preview->close();
  }

  void ShortcutsDoNothingWhileBusy() {
    CMainFrame frame(5);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    frame.Doc().SetBusy(1, status::kWriting);
    QTest::keyClick(&frame, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(dialogs.titles.empty());
    frame.Doc().SetBusy(0, status::kReady);
    QTest::keyClick(&frame, Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(dialogs.titles, std::vector<std::string>{"Import"});
  }
};

QTEST_MAIN(ExportRunTest)
#include "export_run_test.moc"
