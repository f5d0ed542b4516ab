#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QApplication>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QImage>
#include <QTimer>
#include <QToolBar>

#include "cob/cob_file.h"
#include "doc/brk_doc.h"
#include "ui/about_box.h"
#include "ui/brk_view.h"
#include "ui/help_window.h"
#include "ui/main_frame.h"
#include "ui/qt_platform.h"
#include "ui/window_layout.h"
#include "ui_test_support.h"

using namespace bk;

namespace {

struct Item {
  const char* path;  // menu / submenu / item, by their texts
  int id;
  const char* prompt;
  const char* shortcut;
};

// What the menu must hold, written out independently of the frame's code.
const Item kMenuTable[] = {
    {"&File/&Import\tCtrl+I", 32771, "Import a Caligari *.cob object", "Ctrl+I"},
    {"&File/OBJ &Up Axis/&Y Up (most programs)", 32801, "Read OBJ files with Y as the up axis", ""},
    {"&File/OBJ &Up Axis/&Z Up", 32802, "Read OBJ files with Z as the up axis", ""},
    {"&File/&Export\tCtrl+E", 32773, "Export exploded Caligari *.cob object", "Ctrl+E"},
    {"&File/glTF Export &Settings...", 32803, "Set the frame rate, motion and textures of glTF exports", ""},
    {"&File/-", 0, "", ""},
    {"&File/E&xit\tCtrl+X", 57665, "Quit the application", "Ctrl+X"},
    {"&Options/&Sort Faces/&Top to Bottom", 32774, "Sort objects faces top down", ""},
    {"&Options/&Sort Faces/&Bottom to Top", 32775, "Sort objects faces bottom up", ""},
    {"&Options/&Sort Faces/&Left to Right", 32776, "Sort objects faces from left to right", ""},
    {"&Options/&Sort Faces/&Right to Left", 32777, "Sort objects faces from right to left", ""},
    {"&Options/&Sort Faces/&Front to Back", 32778, "Sort objects faces from front to back", ""},
    {"&Options/&Sort Faces/B&ack to Front", 32779, "Sort objects faces from back to front", ""},
    {"&Options/Shuffle &Faces/&Minimum", 32781, "Shuffles face ordering", ""},
    {"&Options/Shuffle &Faces/Me&dium", 32782, "Shuffles face ordering", ""},
    {"&Options/Shuffle &Faces/Ma&ximum", 32783, "Shuffles face ordering", ""},
    {"&Options/-", 0, "", ""},
    {"&Options/&Explosion Options...", 32785, "Set various explosion options", ""},
    {"&Options/&Preview Explosion...\tCtrl+P", 32800,
     "Play the explosion the current options make, before exporting it", "Ctrl+P"},
    {"&Options/-", 0, "", ""},
    {"&Options/&Load Options...", 0, "Load explosion options from a file", ""},
    {"&Options/Sa&ve Options...", 0, "Save the explosion options and seed to a file", ""},
    {"&Options/&Try Seeds...", 0, "Explode with many seeds side by side and pick one", ""},
    {"&View/&Toolbar", 59392, "Show or hide the toolbar", ""},
    {"&View/&Status Bar", 59393, "Show or hide the status bar", ""},
    {"&View/-", 0, "", ""},
    {"&View/&Window/&Normal", 32791, "Use Normal window layout", ""},
    {"&View/&Window/&Minimal", 32792, "Use minimal window layout", ""},
    {"&View/&Always on Top", 32786, "Keeps this window above all others", ""},
    {"&Help/&Contents", 57666, "Show the help contents", ""},
    {"&Help/&Search...", 32798, "Search for a help topic by keyword", ""},
    {"&Help/&Using Help", 57668, "Instructions on how to use help", ""},
    {"&Help/-", 0, "", ""},
    {"&Help/&About Burstkin...", 57664, "Display program information", ""},
};

// Walks a menu tree into path/item rows in the form of kMenuTable.
void Flatten(const QList<QAction*>& actions, const QString& prefix, QList<Item>& out,
             QStringList& storage) {
  for (QAction* action : actions) {
    if (action->menu()) {
      Flatten(action->menu()->actions(), prefix + action->menu()->title() + "/", out, storage);
      continue;
    }
    storage << prefix + (action->isSeparator() ? QStringLiteral("-") : action->text());
    storage << action->statusTip();
    storage << action->shortcut().toString();
    out.push_back({nullptr, action->isSeparator() ? 0 : action->data().toInt(), nullptr, nullptr});
  }
}

QList<int> SortAndShuffle() {
  return {32774, 32775, 32776, 32777, 32778, 32779, 32781, 32782, 32783};
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  // Remembered choices go to a test folder, never the user's.
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void MenuTreeMatchesTheCommandTable() {
    CMainFrame frame(1);
    QList<Item> found;
    QStringList texts;
    Flatten(frame.menuBar()->actions(), QString(), found, texts);
    QCOMPARE(found.size(), static_cast<qsizetype>(std::size(kMenuTable)));
    for (qsizetype i = 0; i < found.size(); ++i) {
      const Item& want = kMenuTable[i];
      QCOMPARE(texts[3 * i], QString::fromUtf8(want.path));
      QCOMPARE(found[i].id, want.id);
      QCOMPARE(texts[3 * i + 1], QString::fromUtf8(want.prompt));
      QCOMPARE(texts[3 * i + 2], QString::fromUtf8(want.shortcut));
    }
  }

  void HighlightedItemShowsItsPromptInTheFirstPane() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QMenu* file = frame.menuBar()->actions().front()->menu();
    QVERIFY(file);
    file->popup(frame.mapToGlobal(QPoint(0, 0)));
    QVERIFY(QTest::qWaitForWindowExposed(file));
    file->setActiveAction(frame.Action(32771));
    QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Import a Caligari *.cob object"));
    file->close();
  }

  void HelpOpensTheManualAndSearchesIt() {
    CMainFrame frame(1);
    frame.Action(57666)->trigger();
    HelpWindow* help = frame.Help();
    QVERIFY(help->isVisible());
    QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("Explosion distance")));
    // The options sheet's key finds the General page's section first.
    help->ShowSearch(QStringLiteral("general dialog settings"));
    QVERIFY(help->SearchDialog()->isVisible());
    QVERIFY(help->SearchResults()->count() >= 1);
    QCOMPARE(help->SearchResults()->item(0)->text(), QStringLiteral("General dialog settings"));
    help->ShowSearch(QStringLiteral("no such word anywhere"));
    QCOMPARE(help->SearchResults()->count(), 0);
  }

  // Regression: help opened behind the main window (kept above all others)
  // and the sheet, ran off small screens, and a search opened again sent the
  // typing to the topics list where the focus had last been.
  void HelpOpensAboveOnScreenAndSearchTypesIntoTheWord() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(frame.View()->AlwaysOnTop);
    frame.Action(32798)->trigger();
    HelpWindow* help = frame.Help();
    QVERIFY(help->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(help->SearchDialog()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    help->SearchResults()->setFocus();
    help->SearchDialog()->hide();
    frame.Action(32798)->trigger();
    for (char c : QByteArray("faces")) QTest::keyClick(help->SearchDialog()->windowHandle(), c);
    QCOMPARE(help->SearchKey()->text(), QStringLiteral("faces"));

    frame.Action(32786)->trigger();  // Always on Top off: help need not stay above
    frame.Action(57666)->trigger();
    QVERIFY(!help->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    for (const QRect screen : {QRect(0, 0, 640, 480), QRect(100, 30, 1920, 1050)}) {
      const QRect placed = HelpWindow::PlacementWithin(screen);
      QVERIFY(screen.contains(placed.adjusted(-32, -32, 32, 32)));
      QVERIFY(placed.height() >= screen.height() / 2);
    }
  }

  void AboutBoxNamesTheBuild() {
    CAboutBox about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About Burstkin"));
    auto* line = about.findChild<QLabel*>(QStringLiteral("versionLine"));
    QVERIFY(line);
    QCOMPARE(line->text(), QStringLiteral("Burstkin for Windows v1.36c, Win32 build"));
  }

  void ToolbarHasSevenButtonsAndFifteenGaps() {
    CMainFrame frame(1);
    const QList<QAction*> entries = frame.ToolBar()->actions();
    QCOMPARE(entries.size(), 22);
    QList<int> layout;  // command id, or 0 for a gap
    for (QAction* a : entries) layout << (a->isSeparator() ? 0 : a->data().toInt());
    const QList<int> want = {32771, 0, 32773, 0, 0,     0, 0, 32785, 0, 32800, 0,
                             0,     0, 0,     32791, 0, 32792, 0, 0, 0, 0,     57666};
    QCOMPARE(layout, want);
    QVERIFY(!frame.ToolBar()->isMovable());
    QCOMPARE(frame.ToolBar()->height(), 31);
  }

  // Regression: runs of separators were drawn as rows of bars ("||||").
  void ToolbarGapsAreBlankSpace() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QImage image = frame.ToolBar()->grab().toImage();
    const QRect before = frame.ToolBar()->widgetForAction(frame.Action(32773))->geometry();
    const QRect after = frame.ToolBar()->widgetForAction(frame.Action(32785))->geometry();
    const QRect gap(QPoint(before.right() + 1, before.top()), QPoint(after.left() - 1, before.bottom()));
    QVERIFY(gap.width() > 0);
    // The toolbar's background may shade from top to bottom, never across.
    for (int y = gap.top(); y <= gap.bottom(); ++y) {
      const QRgb background = image.pixel(gap.left(), y);
      for (int x = gap.left(); x <= gap.right(); ++x) QCOMPARE(image.pixel(x, y), background);
    }
  }

  void StatusBarStartsReadyWithAFiftyOneCharacterPane() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(frame.MessagePane()->text(), QStringLiteral("Ready"));
    const QString pane_text = ProgressPane::PaneText();
    QCOMPARE(pane_text.size(), 51);
    QCOMPARE(frame.Progress()->width(),
             frame.statusBar()->fontMetrics().horizontalAdvance(pane_text));
  }

  void DroppedFileIsImportedUnlessBusy() {
    CMainFrame frame(1);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    const auto drop = [&frame](const QString& path) {
      QMimeData mime;
      mime.setUrls({QUrl::fromLocalFile(path)});
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&frame, &enter);
      QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&frame, &dropped);
      uitest::Flush();
      return enter.isAccepted();
    };
    const QString crate = uitest::ExampleFile("crate.cob");
    frame.Doc().Busy = 1;
    QVERIFY(!drop(crate));
    QVERIFY(!frame.Doc().ImportedObject);
    frame.Doc().Busy = 0;
    QVERIFY(drop(crate));
    QCOMPARE(frame.windowTitle(), QStringLiteral("crate.cob - Burstkin for Windows"));
    QVERIFY(dialogs.titles.empty());  // no file dialog for a dropped file
    QVERIFY(frame.Action(32773)->isEnabled());
    drop(crate + QStringLiteral(".missing"));
    QCOMPARE(dialogs.messages, std::vector<std::string>{std::string(messages::kCouldNotOpen)});
  }

  void CommandsFollowTheDocumentBeforeAndAfterImports() {
    CMainFrame frame(1);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    const auto enabled = [&](int id) { return frame.Action(id)->isEnabled(); };

    QVERIFY(enabled(32771));
    QVERIFY(enabled(57665));
    QVERIFY(!enabled(32773));
    QVERIFY(!enabled(32785));
    for (int id : SortAndShuffle()) QVERIFY(!enabled(id));
    // The layout, view and help commands never depend on the document.
    for (int id : {59392, 59393, 32791, 32792, 32786, 57666, 32798, 57668, 57664}) {
      QVERIFY(enabled(id));
    }

    dialogs.open_answer = uitest::ExampleFile("crate.cob").toStdString();
    frame.Action(32771)->trigger();
    QVERIFY(dialogs.messages.empty());
    QCOMPARE(frame.windowTitle(), QStringLiteral("crate.cob - Burstkin for Windows"));
    QVERIFY(enabled(32773));
    QVERIFY(enabled(32785));
    for (int id : SortAndShuffle()) QVERIFY(enabled(id));

    // An object with holes cannot be reordered.
    dialogs.open_answer = uitest::ExampleFile("ring.cob").toStdString();
    frame.Action(32771)->trigger();
    QVERIFY(dialogs.messages.empty());
    QVERIFY(enabled(32773));
    for (int id : SortAndShuffle()) QVERIFY(!enabled(id));

    // A file that fails keeps the object, its title and its commands.
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.cob"));
    QFile file(bad);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a model\n");
    file.close();
    dialogs.open_answer = bad.toStdString();
    frame.Action(32771)->trigger();
    QCOMPARE(dialogs.messages.size(), static_cast<std::size_t>(1));
    QCOMPARE(frame.windowTitle(), QStringLiteral("ring.cob - Burstkin for Windows"));
    QVERIFY(enabled(32773));
    QVERIFY(enabled(32785));
    QVERIFY(enabled(32800));
  }

  // Regression: Ctrl+Q, the desktop's Quit key, did nothing; help could not
  // be closed from the keyboard.
  void QuitKeyClosesAndHelpClosesWithEscapeOrCtrlW() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    for (const char* key : {"Escape", "Ctrl+W"}) {
      HelpWindow* help = frame.Help();
      help->ShowContents();
      QVERIFY(QTest::qWaitForWindowActive(help));
      QTest::keySequence(help->windowHandle(), QKeySequence(QString::fromLatin1(key)));
      QVERIFY2(!help->isVisible(), key);
    }
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(frame.windowHandle(), Qt::Key_Q, Qt::ControlModifier);
    uitest::Flush();
    QVERIFY(!frame.isVisible());
  }

  // Regression: OBJ files were always read Y-up, and nothing said so.
  void ObjUpAxisIsChosenRememberedAndReported() {
    QTemporaryDir dir;
    const QString obj = dir.filePath(QStringLiteral("tri.obj"));
    QFile file(obj);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    file.close();
    {
      CMainFrame frame(1);
      uitest::ScriptedDialogs dialogs;
      dialogs.Install(frame.Platform());
      frame.ImportPath(obj);
      QCOMPARE(frame.MessagePane()->text(), QStringLiteral("Imported tri.obj (OBJ, Y up)."));
      const float y_up_z = frame.Doc().ImportedObject->Vertices[2]->z;
      frame.Action(32802)->trigger();
      QVERIFY(frame.Action(32802)->isChecked());
      QVERIFY(!frame.Action(32801)->isChecked());
      frame.ImportPath(obj);
      QCOMPARE(frame.MessagePane()->text(), QStringLiteral("Imported tri.obj (OBJ, Z up)."));
      QVERIFY(frame.Doc().ImportedObject->Vertices[2]->z != y_up_z);
      // The note of what was read goes after a while.
      frame.NoteTimer()->setInterval(1);
      frame.Action(32791)->trigger();
      QTRY_COMPARE(frame.MessagePane()->text(), QStringLiteral("Ready"));
    }
    CMainFrame again(1);
    QCOMPARE(again.Doc().ImportSettings.ObjUp, UpAxis::Z);
    again.Action(32801)->trigger();
    QCOMPARE(QSettings().value(QStringLiteral("import/objUp")).toString(), QStringLiteral("y"));
  }

  void ImportOffersEveryFormItReads() {
    const QStringList filters = QtPlatform::OpenFileFilter().split(QStringLiteral(";;"));
    QCOMPARE(filters.front(), QStringLiteral("All supported (*.cob *.glb *.gltf *.obj)"));
    for (const char* one : {"(*.cob)", "(*.glb)", "(*.gltf)", "(*.obj)"}) {
      QVERIFY(std::any_of(filters.begin(), filters.end(),
                          [&](const QString& f) { return f.endsWith(QString::fromLatin1(one)); }));
    }
  }

  // Regression: a dialog that closed left the focus with no window, so the
  // Escape of the export that followed went unheard.
  void TheWindowHasTheFocusBackBeforeTheWorkStarts() {
    CMainFrame frame(1);
    uitest::ScriptedDialogs dialogs;
    dialogs.Install(frame.Platform());
    frame.show();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QWidget elsewhere;  // where the closed dialog left the focus
    frame.Platform().hooks().open_file = [&](std::string_view, std::string_view) {
      elsewhere.show();
      elsewhere.activateWindow();
      [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&elsewhere);
      elsewhere.hide();
      return std::optional<std::string>(uitest::ExampleFile("crate.cob").toStdString());
    };
    frame.Action(32771)->trigger();
    QVERIFY(frame.Doc().ImportedObject);
    QVERIFY(frame.isActiveWindow());
    QCOMPARE(QGuiApplication::focusWindow(), frame.windowHandle());
  }

  void LayoutsOfA1024By740Screen() {
    const WindowLayouts layouts = ComputeWindowLayouts(1024, 740);
    QCOMPARE(layouts.normal, (ScreenRect{256, 246, 768, 502}));
    QCOMPARE(layouts.minimal, (ScreenRect{682, 0, 1024, 105}));
    // Odd sizes truncate at every step.
    const WindowLayouts odd = ComputeWindowLayouts(1023, 767);
    QCOMPARE(odd.normal, (ScreenRect{255, 255, 766, 510}));
    QCOMPARE(odd.minimal, (ScreenRect{680, 0, 1022, 109}));
  }

  void MinimalAndNormalLayoutsRememberTheWindow() {
    CMainFrame frame(1);
    CBrkView* view = frame.View();
    view->FirstUpdate(QRect(0, 0, 1024, 740));
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QCOMPARE(view->FrameRect(), (ScreenRect{256, 246, 768, 502}));

    frame.Action(32792)->trigger();
    QVERIFY(frame.statusBar()->isHidden());
    QVERIFY(!frame.Platform().StatusBarVisible());
    QVERIFY(frame.Action(32792)->isChecked());
    QVERIFY(!frame.Action(32791)->isChecked());
    const ScreenRect minimal = view->FrameRect();
    QCOMPARE(minimal.left, 682);
    QCOMPARE(minimal.top, 0);
    frame.Action(32792)->trigger();  // a second time changes nothing
    QCOMPARE(view->FrameRect(), minimal);
    QVERIFY(!view->NormalLayout);

    frame.Action(32791)->trigger();
    QVERIFY(!frame.statusBar()->isHidden());
    QCOMPARE(view->FrameRect(), (ScreenRect{256, 246, 768, 502}));

    // A size the user gives the Normal window is what Normal comes back to.
    view->MoveFrameTo({100, 120, 700, 420});
    frame.Action(32792)->trigger();
    frame.Action(32791)->trigger();
    QCOMPARE(view->FrameRect(), (ScreenRect{100, 120, 700, 420}));
  }

  void AlwaysOnTopStartsOnAndToggles() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QVERIFY(frame.View()->AlwaysOnTop);
    QVERIFY(frame.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(frame.Action(32786)->isChecked());
    const QRect before = frame.geometry();

    frame.Action(32786)->trigger();
    QVERIFY(!frame.View()->AlwaysOnTop);
    QVERIFY(!(frame.windowFlags() & Qt::WindowStaysOnTopHint));
    QVERIFY(!frame.Action(32786)->isChecked());
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.geometry(), before);

    frame.Action(32786)->trigger();
    QVERIFY(frame.View()->AlwaysOnTop);
    QVERIFY(frame.Action(32786)->isChecked());
  }

  void ProgressBarFillsItsShareOfTheSecondPane() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    // A pane of 303 pixels leaves 300 once shrunk (1 on the left, 2 on the right).
    frame.Progress()->setFixedWidth(303);
    QTest::qWait(10);
    CBrkDoc& doc = frame.Doc();
    doc.SetBusy(1, status::kCalculating);
    doc.ShowProgress(0, 4, "");
    QCOMPARE(frame.MessagePane()->text(), QStringLiteral("Calculating; press Esc to cancel"));
    QCOMPARE(frame.Progress()->Filled().width(), 0);
    doc.ShowProgress(1, 4, "");
    QCOMPARE(frame.Progress()->Filled().width(), 75);
    QCOMPARE(frame.Progress()->Filled().left(), 1);
    doc.ShowProgress(2, 4, "");
    QCOMPARE(frame.Progress()->Filled().width(), 150);
    // The last step fills the pane and the repaint that ends the run clears it.
    doc.SetBusy(0, status::kReady);
    doc.ShowProgress(4, 4, "");
    QCOMPARE(frame.Progress()->Filled().width(), 0);
    QCOMPARE(frame.MessagePane()->text(), QStringLiteral("Ready"));
  }

  void EscapeCancelsOnlyWhileBusy() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QtPlatform& platform = frame.Platform();
    QCoreApplication::postEvent(&frame, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QVERIFY(!platform.PumpOneMessage());

    frame.Doc().SetBusy(1, status::kCalculating);
    QCoreApplication::postEvent(&frame, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    QVERIFY(platform.PumpOneMessage());
    QVERIFY(!platform.PumpOneMessage());  // reported once
    frame.Doc().SetBusy(0, status::kReady);
  }

  void ClosingWhileBusyWaitsForTheWorkToEnd() {
    CMainFrame frame(1);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    frame.Doc().SetBusy(1, status::kWriting);
    QVERIFY(!frame.close());
    QVERIFY(frame.isVisible());
    QVERIFY(frame.ClosePending());
    QVERIFY(!frame.Action(57665)->isEnabled());
    frame.Doc().SetBusy(0, status::kReady);
    frame.OnCommand(32791);  // the end of any command carries out the close
    QVERIFY(!frame.isVisible());
  }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
