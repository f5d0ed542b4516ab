#include "ui/qt_platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

#include "doc/brk_doc.h"
#include "ui/prop_sheet.h"

namespace bk {

namespace {

const QColor kNavy(0, 0, 128);

QString ToQ(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// An initial name with wildcards ("*.cob") only chooses the filter; a real
// name preselects that file.
void ApplyInitialName(QFileDialog& dialog, std::string_view initial) {
  const QString name = ToQ(initial);
  if (name.isEmpty() || name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'))) return;
  dialog.selectFile(name);
}

}  // namespace

// ---------------------------------------------------------------------------

ProgressPane::ProgressPane(QWidget* parent) : QWidget(parent) {
  setFixedWidth(fontMetrics().horizontalAdvance(PaneText()));
  setMinimumHeight(fontMetrics().height() + 4);
}

QString ProgressPane::PaneText() {
  return QStringLiteral("\"") + QString(49, QLatin1Char(' ')) + QStringLiteral("\"");
}

void ProgressPane::Fill(const QRect& rect) {
  if (rect.isEmpty()) return;
  const QRect grown = filled_.isNull() ? rect : filled_.united(rect);
  if (grown == filled_) return;  // no pixel changes: no paint
  filled_ = grown;
  repaint(rect);
}

void ProgressPane::Clear() {
  if (filled_.isNull()) return;
  filled_ = QRect();
  update();
}

void ProgressPane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft, PaneText());
  if (!filled_.isNull()) painter.fillRect(filled_, kNavy);
}

// ---------------------------------------------------------------------------

QtPlatform::QtPlatform(QMainWindow* window) : QObject(window), window_(window) {
  qApp->installEventFilter(this);
}

QtPlatform::~QtPlatform() {
  while (waitCursors_ > 0) {
    QApplication::restoreOverrideCursor();
    --waitCursors_;
  }
}

void QtPlatform::AttachBars(QToolBar* toolbar, QStatusBar* status_bar, QLabel* message_pane,
                            ProgressPane* progress_pane) {
  toolbar_ = toolbar;
  statusBar_ = status_bar;
  messagePane_ = message_pane;
  progressPane_ = progress_pane;
}

QString QtPlatform::OpenFileFilter() {
  return QStringLiteral(
      "All supported (*.cob *.glb *.gltf *.obj);;trueSpace Files, ASCII or binary (*.cob);;"
      "glTF binary (*.glb);;glTF (*.gltf);;OBJ (*.obj);;All Files (*.*)");
}

QString QtPlatform::FileFilter() {
  return QStringLiteral(
      "Caligari COB Files (*.cob);;glTF binary (*.glb);;glTF (*.gltf);;All Files (*.*)");
}

void QtPlatform::SetUpExportTypes(QFileDialog& dialog, std::string_view initial_name) {
  const QStringList filters = FileFilter().split(QStringLiteral(";;"));
  dialog.setNameFilters(filters);
  // The dialog starts on the type of the last export, and a name typed
  // without an extension gets the chosen type's.
  const auto suffix_of = [](const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.(cob|glb|gltf)\\)$"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
  };
  const QString initial = QFileInfo(ToQ(initial_name)).suffix().toLower();
  QString suffix = QStringLiteral("cob");
  for (const QString& filter : filters) {
    if (suffix_of(filter) == initial) {
      dialog.selectNameFilter(filter);
      suffix = initial;
    }
  }
  dialog.setDefaultSuffix(suffix);
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, suffix_of](const QString& filter) {
    const QString chosen = suffix_of(filter);
    if (!chosen.isEmpty()) dialog.setDefaultSuffix(chosen);
  });
}

void QtPlatform::TakeFocusBack() {
  // A dialog that closes may leave the keyboard focus with no window (a
  // window manager need not give it back): Escape would go unheard through
  // the long operation that often follows, and the shortcuts after it.
  // Another modal dialog still open keeps it.
  if (!window_->isVisible() || QApplication::activeModalWidget() != nullptr) return;
  // The activation lands with the long operation's first pump of events,
  // before any key pressed from then on.
  window_->activateWindow();
  window_->raise();
}

void QtPlatform::ShowMessage(std::string_view text) {
  if (hooks_.message) {
    hooks_.message(text);
  } else {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Burstkin"), ToQ(text), QMessageBox::Ok,
                    QApplication::activeModalWidget() ? QApplication::activeModalWidget() : window_);
    box.exec();
  }
  TakeFocusBack();
}

bool QtPlatform::AskYesNo(std::string_view text) {
  bool yes = false;
  if (hooks_.question) {
    yes = hooks_.question(text);
  } else {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Burstkin"), ToQ(text),
                    QMessageBox::Yes | QMessageBox::No, window_);
    yes = box.exec() == QMessageBox::Yes;
  }
  TakeFocusBack();
  return yes;
}

std::optional<std::string> QtPlatform::ChooseOpenFile(std::string_view title,
                                                      std::string_view initial_name) {
  std::optional<std::string> path = AskOpenFile(title, initial_name);
  TakeFocusBack();
  return path;
}

std::optional<std::vector<std::string>> QtPlatform::ChooseOpenFiles(
    std::string_view title, std::string_view initial_name) {
  std::optional<std::vector<std::string>> paths = AskOpenFiles(title, initial_name);
  TakeFocusBack();
  return paths;
}

std::optional<std::string> QtPlatform::ChooseSaveFile(std::string_view title,
                                                      std::string_view initial_name) {
  std::optional<std::string> path = AskSaveFile(title, initial_name);
  TakeFocusBack();
  return path;
}

std::optional<std::string> QtPlatform::AskOpenFile(std::string_view title,
                                                   std::string_view initial_name) {
  if (hooks_.open_file) return hooks_.open_file(title, initial_name);
  QFileDialog dialog(window_, ToQ(title));
  dialog.setNameFilter(OpenFileFilter());
  dialog.setDefaultSuffix(QStringLiteral("cob"));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  ApplyInitialName(dialog, initial_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::vector<std::string>> QtPlatform::AskOpenFiles(
    std::string_view title, std::string_view initial_name) {
  if (hooks_.open_files) return hooks_.open_files(title, initial_name);
  QFileDialog dialog(window_, ToQ(title));
  dialog.setNameFilter(OpenFileFilter());
  dialog.setDefaultSuffix(QStringLiteral("cob"));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  ApplyInitialName(dialog, initial_name);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  std::vector<std::string> paths;
  for (const QString& path : dialog.selectedFiles()) paths.push_back(path.toStdString());
  if (paths.empty()) return std::nullopt;
  return paths;
}

std::optional<std::string> QtPlatform::AskSaveFile(std::string_view title,
                                                   std::string_view initial_name) {
  if (hooks_.save_file) return hooks_.save_file(title, initial_name);
  QFileDialog dialog(window_, ToQ(title));
  SetUpExportTypes(dialog, initial_name);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);  // ask before replacing
  ApplyInitialName(dialog, initial_name);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

void QtPlatform::Beep() {
  ++beeps_;
  QApplication::beep();
}

void QtPlatform::SetWaitCursor(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
  } else if (waitCursors_ > 0) {
    QApplication::restoreOverrideCursor();
    --waitCursors_;
  }
}

void QtPlatform::SetTitle(std::string_view title) { window_->setWindowTitle(ToQ(title)); }

void QtPlatform::EnableToolbar(bool enabled) {
  if (toolbar_) {
    toolbar_->setEnabled(enabled);
    toolbar_->repaint();
  }
  if (busyChanged_) busyChanged_();
}

void QtPlatform::SetStatusText(std::string_view text) {
  if (messagePane_) messagePane_->setText(ToQ(text));
}

bool QtPlatform::StatusBarVisible() const {
  // Hidden by the user or by the Minimal layout; a window not yet on screen
  // still counts its status bar as shown.
  return statusBar_ && !statusBar_->isHidden();
}

void QtPlatform::ShowProgressBar(int done, int total) {
  if (!progressPane_) return;
  // Inside the pane's sunken border: one pixel off the top, left and bottom
  // and two off the right, then the share done of that width.
  const int width = progressPane_->width() - 3;
  const int height = progressPane_->height() - 2;
  const double fraction = static_cast<double>(done) / static_cast<double>(total);
  const int filled = static_cast<int>(fraction * width);
  if (filled <= 0 || height <= 0) return;
  progressPane_->Fill(QRect(1, 1, filled, height));
}

void QtPlatform::RepaintStatusBar() {
  if (progressPane_) progressPane_->Clear();
  if (statusBar_) statusBar_->update();
}

bool QtPlatform::PumpOneMessage() {
  // A handler run from here may itself report progress (a nested long
  // operation is refused by Busy, but a repaint may ask): never nest pumps.
  if (!pumping_) {
    pumping_ = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);  // never waits
    pumping_ = false;
  }
  const bool escape = escapeSeen_;
  escapeSeen_ = false;
  return escape;
}

void QtPlatform::RepaintMainWindow() {
  window_->update();
  if (QWidget* central = window_->centralWidget()) central->update();
}

bool QtPlatform::RunOptionsSheet(ExplosionOptions& options) {
  CBrkPropSheet sheet(window_, options, [this](std::string_view text) { ShowMessage(text); },
                      [this](const QString& key) {
                        if (help_) help_(key);
                      });
  const bool ok = hooks_.options_sheet ? hooks_.options_sheet(sheet) : sheet.exec() == QDialog::Accepted;
  TakeFocusBack();
  return ok;
}

bool QtPlatform::IsBusy() const { return doc_ && doc_->Busy; }

bool QtPlatform::eventFilter(QObject* watched, QEvent* event) {
  if (!IsBusy()) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) escapeSeen_ = true;
      break;
    case QEvent::Shortcut:
      // Keyboard shortcuts do nothing while a long operation runs.
      return true;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace bk
