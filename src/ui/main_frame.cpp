#include "ui/main_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "doc/brk_doc.h"
#include "ui/about_box.h"
#include "ui/brk_view.h"
#include "ui/gltf_settings.h"
#include "preview/preview_window.h"
#include "ui/options_files_menu.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"
#include "ui/toolbar_images.h"

namespace bk {

namespace {

// The document's commands, greyed by the document's own rule.
constexpr int kDocumentCommands[] = {
    cmd::kImport,          cmd::kExport,           cmd::kExit,
    cmd::kSortTopToBottom, cmd::kSortBottomToTop,  cmd::kSortLeftToRight,
    cmd::kSortRightToLeft, cmd::kSortFrontToBack,  cmd::kSortBackToFront,
    cmd::kShuffleMinimum,  cmd::kShuffleMedium,    cmd::kShuffleMaximum,
    cmd::kExplosionOptions, cmd::kPreview};

constexpr int kRefreshMilliseconds = 250;
constexpr const char* kObjUpKey = "import/objUp";

// The toolbar's gaps are blank space between groups of buttons; most styles
// draw a separator as a line, and runs of them read as rows of bars.
class BlankGapStyle : public QProxyStyle {
 public:
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_IndicatorToolBarSeparator) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }
};

// The first local file of a drag, or empty.
QString DroppedFile(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

CMainFrame::CMainFrame(std::uint32_t seed, QWidget* parent) : QMainWindow(parent) {
  platform_ = new QtPlatform(this);
  doc_ = std::make_unique<CBrkDoc>(*platform_, seed);
  platform_->AttachDocument(doc_.get());
  setWindowIcon(ProgramIcon());
  setAcceptDrops(true);

  createActions();
  createMenus();
  createToolBar();
  createStatusBar();

  platform_->AttachBars(toolBar_, statusBar(), messagePane_, progressPane_);
  platform_->SetBusyChangedHandler([this] { UpdateCommandUI(); });
  platform_->SetHelpHandler([this](const QString& anchor) { Help()->ShowContents(anchor); });

  view_ = new CBrkView(doc_.get(), this);
  setCentralWidget(view_);

  doc_->NewDocument();
  setWindowTitle(QStringLiteral("Untitled - Burstkin for Windows"));

  // Menus are refreshed as they open; the toolbar, which shows the same
  // actions, is refreshed after each command and on this timer.
  updateTimer_ = new QTimer(this);
  connect(updateTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
  updateTimer_->start(kRefreshMilliseconds);
  noteTimer_ = new QTimer(this);
  noteTimer_->setSingleShot(true);
  noteTimer_->setInterval(kNoteMilliseconds);
  connect(noteTimer_, &QTimer::timeout, this, [this] { doc_->ClearFadingNote(); });

  if (QSettings().value(QString::fromLatin1(kObjUpKey)).toString() == QStringLiteral("z")) {
    doc_->ImportSettings.ObjUp = UpAxis::Z;
  }

  const QScreen* screen = QGuiApplication::primaryScreen();
  view_->FirstUpdate(screen ? screen->availableGeometry() : QRect(0, 0, 1024, 740));
  UpdateCommandUI();
}

CMainFrame::~CMainFrame() {
  updateTimer_->stop();
  platform_->AttachDocument(nullptr);
  doc_.reset();
  help_.reset();
  preview_.reset();
}

QAction* CMainFrame::NewAction(int id, const char* text, const char* prompt,
                               const char* shortcut) {
  auto* action = new QAction(QString::fromUtf8(text), this);
  action->setData(id);
  action->setStatusTip(QString::fromUtf8(prompt));
  action->setIconVisibleInMenu(false);
  if (shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
  actions_.emplace(id, action);
  return action;
}

void CMainFrame::createActions() {
  NewAction(cmd::kImport, "&Import\tCtrl+I", "Import a Caligari *.cob object", "Ctrl+I");
  NewAction(cmd::kExport, "&Export\tCtrl+E", "Export exploded Caligari *.cob object", "Ctrl+E");
  NewAction(cmd::kExit, "E&xit\tCtrl+X", "Quit the application", "Ctrl+X");
  // Ctrl+Q and the desktop's own Quit keys as well.
  QList<QKeySequence> exit_keys = {QKeySequence(QStringLiteral("Ctrl+X")), QKeySequence(QStringLiteral("Ctrl+Q"))};
  for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Quit)) {
    if (!exit_keys.contains(key)) exit_keys << key;
  }
  Action(cmd::kExit)->setShortcuts(exit_keys);
  NewAction(shellcmd::kObjYUp, "&Y Up (most programs)", "Read OBJ files with Y as the up axis")
      ->setCheckable(true);
  NewAction(shellcmd::kObjZUp, "&Z Up", "Read OBJ files with Z as the up axis")->setCheckable(true);
  NewAction(shellcmd::kGltfSettings, "glTF Export &Settings...",
            "Set the frame rate, motion and textures of glTF exports");

  NewAction(cmd::kSortTopToBottom, "&Top to Bottom", "Sort objects faces top down");
  NewAction(cmd::kSortBottomToTop, "&Bottom to Top", "Sort objects faces bottom up");
  NewAction(cmd::kSortLeftToRight, "&Left to Right", "Sort objects faces from left to right");
  NewAction(cmd::kSortRightToLeft, "&Right to Left", "Sort objects faces from right to left");
  NewAction(cmd::kSortFrontToBack, "&Front to Back", "Sort objects faces from front to back");
  NewAction(cmd::kSortBackToFront, "B&ack to Front", "Sort objects faces from back to front");
  NewAction(cmd::kShuffleMinimum, "&Minimum", "Shuffles face ordering");
  NewAction(cmd::kShuffleMedium, "Me&dium", "Shuffles face ordering");
  NewAction(cmd::kShuffleMaximum, "Ma&ximum", "Shuffles face ordering");
  NewAction(cmd::kExplosionOptions, "&Explosion Options...", "Set various explosion options");
  NewAction(cmd::kPreview, "&Preview Explosion...\tCtrl+P",
            "Play the explosion the current options make, before exporting it", "Ctrl+P");

  NewAction(shellcmd::kToolbar, "&Toolbar", "Show or hide the toolbar")->setCheckable(true);
  NewAction(shellcmd::kStatusBar, "&Status Bar", "Show or hide the status bar")->setCheckable(true);
  NewAction(shellcmd::kNormalLayout, "&Normal", "Use Normal window layout")->setCheckable(true);
  NewAction(shellcmd::kMinimalLayout, "&Minimal", "Use minimal window layout")->setCheckable(true);
  NewAction(shellcmd::kAlwaysOnTop, "&Always on Top", "Keeps this window above all others")
      ->setCheckable(true);

  NewAction(shellcmd::kHelpContents, "&Contents", "Show the help contents");
  NewAction(shellcmd::kHelpSearch, "&Search...", "Search for a help topic by keyword");
  NewAction(shellcmd::kUsingHelp, "&Using Help", "Instructions on how to use help");
  NewAction(shellcmd::kAbout, "&About Burstkin...", "Display program information");

  Action(cmd::kImport)->setIcon(DrawToolbarImage(ToolbarImage::Import));
  Action(cmd::kExport)->setIcon(DrawToolbarImage(ToolbarImage::Export));
  Action(cmd::kExplosionOptions)->setIcon(DrawToolbarImage(ToolbarImage::Options));
  Action(cmd::kPreview)->setIcon(DrawToolbarImage(ToolbarImage::Preview));
  Action(shellcmd::kNormalLayout)->setIcon(DrawToolbarImage(ToolbarImage::NormalLayout));
  Action(shellcmd::kMinimalLayout)->setIcon(DrawToolbarImage(ToolbarImage::MinimalLayout));
  Action(shellcmd::kHelpContents)->setIcon(DrawToolbarImage(ToolbarImage::HelpContents));
}

void CMainFrame::createMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(Action(cmd::kImport));
  QMenu* obj_up = file->addMenu(QStringLiteral("OBJ &Up Axis"));
  obj_up->addAction(Action(shellcmd::kObjYUp));
  obj_up->addAction(Action(shellcmd::kObjZUp));
  file->addAction(Action(cmd::kExport));
  file->addAction(Action(shellcmd::kGltfSettings));
  file->addSeparator();
  file->addAction(Action(cmd::kExit));

  QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
  QMenu* sort = options->addMenu(QStringLiteral("&Sort Faces"));
  for (int id : {cmd::kSortTopToBottom, cmd::kSortBottomToTop, cmd::kSortLeftToRight,
                 cmd::kSortRightToLeft, cmd::kSortFrontToBack, cmd::kSortBackToFront}) {
    sort->addAction(Action(id));
  }
  QMenu* shuffle = options->addMenu(QStringLiteral("Shuffle &Faces"));
  for (int id : {cmd::kShuffleMinimum, cmd::kShuffleMedium, cmd::kShuffleMaximum}) {
    shuffle->addAction(Action(id));
  }
  options->addSeparator();
  options->addAction(Action(cmd::kExplosionOptions));
  options->addAction(Action(cmd::kPreview));
  optionsFiles_ = new OptionsFilesMenu(*this, *options);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
  view->addAction(Action(shellcmd::kToolbar));
  view->addAction(Action(shellcmd::kStatusBar));
  view->addSeparator();
  QMenu* window = view->addMenu(QStringLiteral("&Window"));
  window->addAction(Action(shellcmd::kNormalLayout));
  window->addAction(Action(shellcmd::kMinimalLayout));
  view->addAction(Action(shellcmd::kAlwaysOnTop));

  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  help->addAction(Action(shellcmd::kHelpContents));
  help->addAction(Action(shellcmd::kHelpSearch));
  help->addAction(Action(shellcmd::kUsingHelp));
  help->addSeparator();
  help->addAction(Action(shellcmd::kAbout));

  for (QMenu* menu : {file, obj_up, options, sort, shuffle, view, window, help}) {
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
  }
}

void CMainFrame::createToolBar() {
  toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
  toolBar_->setObjectName(QStringLiteral("toolbar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  toolBar_->setAllowedAreas(Qt::TopToolBarArea);
  toolBar_->setIconSize(QSize(16, 17));
  toolBar_->setFixedHeight(31);
  toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);
  const auto gaps = [this](int count) {
    for (int i = 0; i < count; ++i) toolBar_->addSeparator();
  };
  toolBar_->addAction(Action(cmd::kImport));
  gaps(1);
  toolBar_->addAction(Action(cmd::kExport));
  gaps(4);
  toolBar_->addAction(Action(cmd::kExplosionOptions));
  gaps(1);
  toolBar_->addAction(Action(cmd::kPreview));
  gaps(4);
  toolBar_->addAction(Action(shellcmd::kNormalLayout));
  gaps(1);
  toolBar_->addAction(Action(shellcmd::kMinimalLayout));
  gaps(4);
  toolBar_->addAction(Action(shellcmd::kHelpContents));
  auto* gap_style = new BlankGapStyle;
  gap_style->setParent(toolBar_);
  for (QAction* action : toolBar_->actions()) {
    QWidget* widget = toolBar_->widgetForAction(action);
    if (!widget) continue;
    if (action->isSeparator()) {
      widget->setStyle(gap_style);
    } else {
      widget->setFixedSize(22, 23);
      widget->installEventFilter(this);  // no tool tips on the toolbar
    }
  }
  addToolBar(Qt::TopToolBarArea, toolBar_);
}

void CMainFrame::createStatusBar() {
  messagePane_ = new QLabel(QStringLiteral("Ready"), this);
  messagePane_->setObjectName(QStringLiteral("messagePane"));
  statusBar()->addWidget(messagePane_, 1);
  progressPane_ = new ProgressPane(this);
  progressPane_->setObjectName(QStringLiteral("progressPane"));
  statusBar()->addPermanentWidget(progressPane_);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip) return true;
  return QMainWindow::eventFilter(watched, event);
}

QAction* CMainFrame::Action(int command_id) const {
  const auto it = actions_.find(command_id);
  return it == actions_.end() ? nullptr : it->second;
}

HelpWindow* CMainFrame::Help() {
  if (!help_) {
    // A window of its own (no parent), so the options sheet, which is modal
    // to the main window, does not block it; it never keeps the program open.
    help_ = std::make_unique<HelpWindow>();
    help_->setAttribute(Qt::WA_QuitOnClose, false);
  }
  // Above the main window when it is kept above all others, and on its screen
  // within the usable area (a fixed size ran off small screens).
  help_->KeepAbove(view_ && view_->AlwaysOnTop);
  if (!help_->isVisible()) {
    const QScreen* where = screen() ? screen() : QGuiApplication::primaryScreen();
    if (where) help_->setGeometry(HelpWindow::PlacementWithin(where->availableGeometry()));
  }
  return help_.get();
}

void CMainFrame::OnCommand(int command_id) {
  const bool is_document_command =
      std::find(std::begin(kDocumentCommands), std::end(kDocumentCommands), command_id) !=
      std::end(kDocumentCommands);
  // A greyed command never runs, whatever delivered it.
  if (is_document_command && !doc_->IsCommandAvailable(command_id)) return;

  RunCommand([this, command_id] { Dispatch(command_id); });
}

void CMainFrame::RunCommand(const std::function<void()>& work) {
  ++commandDepth_;
  work();
  --commandDepth_;
  UpdateCommandUI();
  if (doc_->NoteFades()) noteTimer_->start();
  // A close asked for during the work (or by Exit) happens once nothing of
  // the document is running any more.
  if (closePending_ && commandDepth_ == 0 && !doc_->Busy) {
    closePending_ = false;
    close();
  }
}

void CMainFrame::ImportPath(const QString& path) {
  if (!doc_->IsCommandAvailable(cmd::kImport)) return;
  RunCommand([this, &path] { doc_->ImportFile(path.toStdString()); });
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
  if (doc_->IsCommandAvailable(cmd::kImport) && !DroppedFile(event->mimeData()).isEmpty()) {
    event->acceptProposedAction();
  }
}

void CMainFrame::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty() || !doc_->IsCommandAvailable(cmd::kImport)) return;
  event->acceptProposedAction();
  // Once the drop is over: a message box inside it would hold the source
  // application's drag.
  QTimer::singleShot(0, this, [this, path] { ImportPath(path); });
}

void CMainFrame::RunPreview() {
  const std::optional<std::string> text = doc_->PreviewCommand();
  if (!text) return;
  if (!preview_) {
    preview_ = std::make_unique<PreviewWindow>();
    preview_->setAttribute(Qt::WA_QuitOnClose, false);
    preview_->resize(640, 480);
  }
  // Above the main window when it is kept above all others, as help is.
  KeepWindowAbove(*preview_, view_->AlwaysOnTop);
  QString error;
  if (!preview_->loadText(*text, QStringLiteral("Preview"), error)) {
    platform_->ShowMessage(error.toStdString());
    return;
  }
  preview_->show();
  preview_->raise();
  preview_->activateWindow();
  preview_->play();
}

void CMainFrame::Dispatch(int command_id) {
  if (const FaceOrderChoice* choice = FindFaceOrder(command_id)) {
    doc_->ReorderFaces(*choice);
    return;
  }
  switch (command_id) {
    case cmd::kImport: doc_->ImportCommand(); break;
    case cmd::kExport:
      GltfChoices::Load().ApplyTo(*doc_);
      doc_->ExportCommand();
      break;
    case cmd::kExit: closePending_ = true; break;
    case cmd::kExplosionOptions: doc_->EditOptions(); break;
    case cmd::kPreview: RunPreview(); break;
    case shellcmd::kToolbar: toolBar_->setVisible(toolBar_->isHidden()); break;
    case shellcmd::kStatusBar: statusBar()->setVisible(statusBar()->isHidden()); break;
    case shellcmd::kNormalLayout: view_->UseNormalLayout(); break;
    case shellcmd::kMinimalLayout: view_->UseMinimalLayout(); break;
    case shellcmd::kAlwaysOnTop: view_->ToggleAlwaysOnTop(); break;
    case shellcmd::kObjYUp: UseObjUp(false); break;
    case shellcmd::kObjZUp: UseObjUp(true); break;
    case shellcmd::kGltfSettings: EditGltfSettings(); break;
    case shellcmd::kHelpContents: Help()->ShowContents(); break;
    case shellcmd::kHelpSearch: Help()->ShowSearch(QString()); break;
    case shellcmd::kUsingHelp: Help()->ShowContents(QStringLiteral("using-help")); break;
    case shellcmd::kAbout: {
      CAboutBox about(this);
      about.exec();
      break;
    }
    default: break;
  }
}

void CMainFrame::UseObjUp(bool z_up) {
  doc_->ImportSettings.ObjUp = z_up ? UpAxis::Z : UpAxis::Y;
  QSettings().setValue(QString::fromLatin1(kObjUpKey), z_up ? QStringLiteral("z") : QStringLiteral("y"));
  UpdateCommandUI();
}

void CMainFrame::EditGltfSettings() {
  GltfSettingsDialog dialog(this, GltfChoices::Load());
  if (dialog.exec() == QDialog::Accepted) dialog.Choices().Save();
}

void CMainFrame::UpdateCommandUI() {
  if (!doc_ || !view_) return;
  for (int id : kDocumentCommands) Action(id)->setEnabled(doc_->IsCommandAvailable(id));
  Action(shellcmd::kToolbar)->setChecked(!toolBar_->isHidden());
  Action(shellcmd::kStatusBar)->setChecked(!statusBar()->isHidden());
  Action(shellcmd::kNormalLayout)->setChecked(view_->NormalLayout);
  Action(shellcmd::kMinimalLayout)->setChecked(!view_->NormalLayout);
  Action(shellcmd::kAlwaysOnTop)->setChecked(view_->AlwaysOnTop);
  Action(shellcmd::kObjYUp)->setChecked(doc_->ImportSettings.ObjUp == UpAxis::Y);
  Action(shellcmd::kObjZUp)->setChecked(doc_->ImportSettings.ObjUp == UpAxis::Z);
  for (int id : {shellcmd::kObjYUp, shellcmd::kObjZUp, shellcmd::kGltfSettings}) {
    Action(id)->setEnabled(doc_->Busy == 0);
  }
}

void CMainFrame::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The window's frame is only known once it is on screen: place it again so
  // the outer rectangle is the layout's.
  if (!shownOnce_) {
    shownOnce_ = true;
    view_->MoveFrameTo(view_->NormalLayout ? view_->NormalRect : view_->MinimalRect);
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Never destroy the document under a running operation: the close is
  // carried out when the operation ends.
  if (doc_->Busy || commandDepth_ > 0) {
    closePending_ = true;
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace bk
