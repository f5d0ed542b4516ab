#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "preview/preview_window.h"
#include "preview/program_icon.h"
#include "preview/viewport.h"
#include "preview_fixture.h"

using namespace bk;
using namespace bk::preview_test;

class WindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    file_ = dir_.filePath(QStringLiteral("explosion.cob"));
    const std::string error = WriteExplosion(file_.toStdString(), 4.0f);
    QVERIFY2(error.empty(), error.c_str());
  }

  void controlsMoveTheShownFrame() {
    PreviewWindow window;
    window.resize(400, 300);
    window.show();
    QString error;
    QVERIFY2(window.loadFile(file_, error), qPrintable(error));
    const int last = window.lastFrame();
    QVERIFY(last >= 30);
    QCOMPARE(window.currentFrame(), 0);
    QTRY_COMPARE(window.shownFrame(), 0);

    window.stepForwardAction()->trigger();
    window.stepForwardAction()->trigger();
    QCOMPARE(window.currentFrame(), 2);
    QTRY_COMPARE(window.shownFrame(), 2);
    window.stepBackAction()->trigger();
    QCOMPARE(window.currentFrame(), 1);

    // Regression: the label ran ahead of the picture while it was drawn.
    QTRY_COMPARE(window.shownFrame(), 1);
    window.frameSlider()->setValue(17);
    QCOMPARE(window.currentFrame(), 17);
    QCOMPARE(window.frameLabel()->text(), QStringLiteral("Frame 1 / %1").arg(last));
    QTRY_COMPARE(window.shownFrame(), 17);
    QCOMPARE(window.frameLabel()->text(), QStringLiteral("Frame 17 / %1").arg(last));

    window.lastAction()->trigger();
    QCOMPARE(window.currentFrame(), last);
    QCOMPARE(window.frameSlider()->value(), last);
    window.stepForwardAction()->trigger();  // stays at the end
    QCOMPARE(window.currentFrame(), last);
    QTRY_COMPARE(window.shownFrame(), last);

    window.firstAction()->trigger();
    QCOMPARE(window.currentFrame(), 0);
    window.stepBackAction()->trigger();  // stays at the start
    QCOMPARE(window.currentFrame(), 0);
    QCOMPARE(window.frameSlider()->value(), 0);
    QTRY_COMPARE(window.shownFrame(), 0);
  }

  void playPausesAndLoops() {
    PreviewWindow window;
    window.resize(320, 240);
    window.show();
    QString error;
    QVERIFY2(window.loadFile(file_, error), qPrintable(error));
    const int last = window.lastFrame();

    window.playAction()->trigger();
    QVERIFY(window.isPlaying());
    // While playing, the label always names the picture on screen.
    for (int i = 0; i < 10; ++i) {
      QTest::qWait(15);
      const int shown = std::max(0, window.shownFrame());
      QCOMPARE(window.frameLabel()->text(), QStringLiteral("Frame %1 / %2").arg(shown).arg(last));
      QCOMPARE(window.frameSlider()->value(), shown);
    }
    QTRY_VERIFY(window.currentFrame() >= 3);
    window.playAction()->trigger();
    QVERIFY(!window.isPlaying());
    const int stopped = window.currentFrame();
    QTest::qWait(150);
    QCOMPARE(window.currentFrame(), stopped);
    QTRY_COMPARE(window.shownFrame(), stopped);

    // Without loop, playing ends on the last frame. Loop is a switch that
    // looks like one whether on or off.
    auto* loop = window.findChild<QToolButton*>(QStringLiteral("loopToggle"));
    QVERIFY(loop && loop->isCheckable() && !loop->autoRaise());
    QVERIFY(loop->isChecked());
    loop->click();
    QVERIFY(!window.loopAction()->isChecked());
    QVERIFY(!loop->isChecked());
    auto* ghost = window.findChild<QToolButton*>(QStringLiteral("ghostToggle"));
    QVERIFY(ghost && ghost->isCheckable() && !ghost->autoRaise());
    window.speedBox()->setCurrentIndex(window.speedBox()->findData(4.0));
    QCOMPARE(window.speed(), 4.0);
    window.frameSlider()->setValue(last - 3);
    window.play();
    QTRY_VERIFY(!window.isPlaying());
    QCOMPARE(window.currentFrame(), last);

    // Play from the end starts over; with loop it wraps past the end.
    window.loopAction()->setChecked(true);
    window.play();
    QVERIFY(window.currentFrame() < 3);
    window.setFrame(last - 1);
    QTRY_VERIFY(window.currentFrame() < last - 1);
    QVERIFY(window.isPlaying());
    window.pause();
  }

  // Regression: a new scene first showed the previous scene's picture (for
  // seconds on a heavy one) beside the new scene's counts.
  void newSceneShowsNoOldPictureUntilItsOwnIsDrawn() {
    PreviewWindow window;
    window.resize(320, 240);
    window.show();
    QString error;
    QVERIFY(window.loadFile(file_, error));
    auto* viewport = window.findChild<Viewport*>();
    QVERIFY(viewport);
    QTRY_VERIFY(!viewport->image().isNull());
    window.setFrame(9);
    QVERIFY(window.loadFile(file_, error));
    QVERIFY(viewport->image().isNull());
    QCOMPARE(window.shownFrame(), -1);
    QTRY_COMPARE(window.shownFrame(), 0);
    QVERIFY(!viewport->image().isNull());
  }

  // The installed icon is the drawing the windows show.
  void installedIconIsTheWindowsIcon() {
    QFile file(QStringLiteral(BURSTKIN_SOURCE_DIR "/data/burstkin.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().toStdString(), ProgramIconSvg());
    PreviewWindow window;
    QCOMPARE(window.windowIcon().pixmap(32, 32).toImage(), ProgramIcon().pixmap(32, 32).toImage());
  }

  // A failed open tells why and leaves the loaded file playing as it was.
  void badFilesKeepTheWindowAsItWas() {
    PreviewWindow window;
    window.show();
    QString error;
    QVERIFY(window.loadFile(file_, error));
    window.setFrame(5);
    QVERIFY(!window.loadFile(dir_.filePath(QStringLiteral("missing.cob")), error));
    QCOMPARE(error.toStdString(), std::string(messages::kCouldNotOpen));
    QCOMPARE(window.currentFrame(), 5);
    QVERIFY(window.lastFrame() >= 30);
  }

  // A plain object has nothing to play: it shows at rest, the controls grey.
  void plainObjectShowsAtRest() {
    const QString plain = dir_.filePath(QStringLiteral("box.cob"));
    {
      QFile f(plain);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(QByteArray::fromStdString(BoxText()));
    }
    PreviewWindow window;
    window.show();
    QString error;
    QVERIFY2(window.loadFile(plain, error), qPrintable(error));
    QCOMPARE(window.lastFrame(), 0);
    QVERIFY(!window.playAction()->isEnabled());
    window.play();
    QVERIFY(!window.isPlaying());
    QTRY_COMPARE(window.shownFrame(), 0);
  }

  void escapeAndCtrlWClose() {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
      PreviewWindow window;
      window.show();
      window.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&window));
      QTest::keySequence(&window, keys);
      QTRY_VERIFY(!window.isVisible());
    }
  }

 private:
  QTemporaryDir dir_;
  QString file_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
