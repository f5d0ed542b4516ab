#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>

#include "doc/brk_doc.h"
#include "doc/options_file.h"
#include "ui/main_frame.h"
#include "ui/options_files_menu.h"
#include "ui/qt_platform.h"
#include "ui/seed_dialog.h"
#include "ui_test_support.h"

using namespace bk;

class OptionsFilesMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    // The user's presets of this run live in a folder of the test's own.
    qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
  }

  void CommandsAreGreyedUntilAnObjectIsImported() {
    CMainFrame frame(1);
    OptionsFilesMenu* menu = frame.OptionsFiles();
    QVERIFY(menu);
    auto* options = qobject_cast<QMenu*>(menu->LoadAction()->associatedObjects().value(0));
    QVERIFY(options);
    emit options->aboutToShow();
    QVERIFY(!menu->LoadAction()->isEnabled());
    QVERIFY(!menu->TrySeedsAction()->isEnabled());
    QVERIFY(!menu->LoadFile(config_.filePath(QStringLiteral("any.json"))));
    QVERIFY(frame.Doc().ImportFile(uitest::ExampleFile("crate.cob").toStdString()));
    emit options->aboutToShow();
    QVERIFY(menu->LoadAction()->isEnabled());
    QVERIFY(menu->PresetsMenu()->menuAction()->isEnabled());
  }

  void LoadAndSaveGoThroughTheSheetsRules() {
    CMainFrame frame(1);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    QVERIFY(frame.Doc().ImportFile(uitest::ExampleFile("crate.cob").toStdString()));
    OptionsFilesMenu* menu = frame.OptionsFiles();

    const QString good = config_.filePath(QStringLiteral("good.json"));
    std::ofstream(good.toStdString()) << R"({"seed": 42, "options": {"FrameCount": 55, "Gravity": true}})";
    QVERIFY(menu->LoadFile(good));
    QCOMPARE(frame.Doc().Options.FrameCount, 55);
    QCOMPARE(frame.Doc().Options.Gravity, 1);
    QCOMPARE(frame.Doc().Options.MinPieces, 4);  // the fifth-of-faces rule, as the sheet applies it
    QCOMPARE(frame.Doc().Random.State(), 42u);

    // A refused file says why and changes nothing.
    const QString bad = config_.filePath(QStringLiteral("bad.json"));
    std::ofstream(bad.toStdString()) << "{\n \"seed\": 7,\n \"options\": {\"FrameCount\": -3}}";
    QVERIFY(!menu->LoadFile(bad));
    QCOMPARE(dialogs.messages.size(), size_t(1));
    QVERIFY(QString::fromStdString(dialogs.messages[0]).contains(QStringLiteral(":3: FrameCount: Please enter")));
    QCOMPARE(frame.Doc().Options.FrameCount, 55);
    QCOMPARE(frame.Doc().Random.State(), 42u);

    // What is saved loads back to the same options and seed.
    const QString saved = config_.filePath(QStringLiteral("saved.json"));
    QVERIFY(menu->SaveFile(saved));
    const OptionsFileResult read = ReadOptionsFile(saved.toStdString());
    QVERIFY2(read.ok(), read.error.c_str());
    QCOMPARE(read.file.Seed, std::optional<std::uint32_t>(42u));
    QCOMPARE(OptionsFileText(frame.Doc().Options, 42u, {}),
             OptionsFileText(frame.Doc().Options, read.file.Seed, read.file.FaceOrder));
  }

  void PresetsListTheShippedAndTheUsersOwn() {
    QDir(config_.path()).mkpath(QStringLiteral("burstkin/presets"));
    std::ofstream(config_.filePath(QStringLiteral("burstkin/presets/mine.json")).toStdString())
        << R"({"description": "mine", "options": {"FrameCount": 77}})";
    CMainFrame frame(1);
    QVERIFY(frame.Doc().ImportFile(uitest::ExampleFile("crate.cob").toStdString()));
    QMenu* presets = frame.OptionsFiles()->PresetsMenu();
    emit presets->aboutToShow();
    QStringList names;
    for (QAction* action : presets->actions()) names << action->text();
    QVERIFY2(names.contains(QStringLiteral("shatter")), qPrintable(names.join(',')));
    QVERIFY(names.contains(QStringLiteral("mine (yours)")));
    for (QAction* action : presets->actions()) {
      if (action->text() == QStringLiteral("mine (yours)")) action->trigger();
    }
    QCOMPARE(frame.Doc().Options.FrameCount, 77);
  }

  void ATileClickedTakesItsSeedIntoTheDocument() {
    CMainFrame frame(1);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    QVERIFY(frame.Doc().ImportFile(uitest::ExampleFile("crate.cob").toStdString()));
    // Driven from inside the dialog once its sheet is drawn.
    QTimer poll;
    bool clicked = false;
    connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = frame.findChild<SeedSweepDialog*>();
      if (dialog == nullptr || dialog->Grid()->pixmap().isNull() || frame.Doc().Busy) return;
      poll.stop();
      // The tiles run in rows of four: the sixth is seed 6.
      const QPoint sixth(4 + 240 + 4 + 120, 4 + 180 + 4 + 90);
      QCOMPARE(dialog->Grid()->SeedAt(sixth), std::optional<std::uint32_t>(6u));
      clicked = true;
      QTest::mouseClick(dialog->Grid(), Qt::LeftButton, {}, sixth);
    });
    poll.start(10);
    auto* options = qobject_cast<QMenu*>(frame.OptionsFiles()->LoadAction()->associatedObjects().value(0));
    emit options->aboutToShow();
    frame.OptionsFiles()->TrySeedsAction()->trigger();
    QVERIFY(clicked);
    QCOMPARE(frame.Doc().Random.State(), 6u);
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(frame.Doc().Busy, 0);
  }

 private:
  QTemporaryDir config_;
};

QTEST_MAIN(OptionsFilesMenuTest)
#include "options_files_menu_test.moc"
