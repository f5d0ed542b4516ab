#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <QObject>
#include <QWidget>

#include "doc/platform.h"

class QFileDialog;
class QLabel;
class QMainWindow;
class QStatusBar;
class QToolBar;

namespace bk {

class CBrkDoc;
class CBrkPropSheet;

// The status bar's second pane: as wide as its text (a double quote, 49
// blanks, a double quote) in the status bar's font, with the progress bar
// drawn over it in navy. Fills accumulate (a longer one hides a shorter)
// until the pane is cleared by a repaint of the status bar.
class ProgressPane : public QWidget {
  Q_OBJECT

 public:
  explicit ProgressPane(QWidget* parent = nullptr);

  static QString PaneText();
  // Paints `rect` (in this pane's coordinates) at once, without waiting for
  // the event loop, so the bar grows while the work holds the thread.
  void Fill(const QRect& rect);
  void Clear();
  // The filled area's width from the pane's left, for tests.
  int FilledRight() const { return filled_.isNull() ? 0 : filled_.right() + 1; }
  QRect Filled() const { return filled_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect filled_;
};

// The document's window to the user in the Qt program. Dialogs are real
// (message boxes, file dialogs, the options sheet) unless a hook replaces
// them; tests set every hook so nothing ever waits on a modal window.
class QtPlatform : public QObject, public Platform {
  Q_OBJECT

 public:
  struct Hooks {
    std::function<void(std::string_view text)> message;
    std::function<bool(std::string_view text)> question;
    std::function<std::optional<std::string>(std::string_view title, std::string_view initial)>
        open_file;
    std::function<std::optional<std::vector<std::string>>(std::string_view title,
                                                          std::string_view initial)>
        open_files;
    std::function<std::optional<std::string>(std::string_view title, std::string_view initial)>
        save_file;
    // Drives the options sheet instead of running it modally; returns whether
    // it was closed with OK.
    std::function<bool(CBrkPropSheet& sheet)> options_sheet;
  };

  explicit QtPlatform(QMainWindow* window);
  ~QtPlatform() override;

  // The document whose Busy flag rules the pump; set once the document exists.
  void AttachDocument(CBrkDoc* doc) { doc_ = doc; }
  void AttachBars(QToolBar* toolbar, QStatusBar* status_bar, QLabel* message_pane,
                  ProgressPane* progress_pane);
  // Called when the toolbar is enabled or disabled (the document's busy state
  // changed), so the frame can grey its commands at once.
  void SetBusyChangedHandler(std::function<void()> handler) { busyChanged_ = std::move(handler); }
  // Where the options sheet's Help goes.
  void SetHelpHandler(std::function<void(const QString&)> handler) { help_ = std::move(handler); }

  Hooks& hooks() { return hooks_; }
  int BeepCount() const { return beeps_; }

  // The filters of the file dialogs: imports read every form Burstkin reads;
  // exports write the form their type or extension names.
  static QString OpenFileFilter();
  static QString FileFilter();
  // The Export dialog's file types (trueSpace, glTF binary, glTF), starting
  // on the type of `initial_name`'s extension.
  static void SetUpExportTypes(QFileDialog& dialog, std::string_view initial_name);

  // Platform
  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> ChooseOpenFile(std::string_view title,
                                            std::string_view initial_name) override;
  std::optional<std::vector<std::string>> ChooseOpenFiles(std::string_view title,
                                                          std::string_view initial_name) override;
  std::optional<std::string> ChooseSaveFile(std::string_view title,
                                            std::string_view initial_name) override;
  void Beep() override;
  void SetWaitCursor(bool on) override;
  void SetTitle(std::string_view title) override;
  void EnableToolbar(bool enabled) override;
  void SetStatusText(std::string_view text) override;
  bool StatusBarVisible() const override;
  void ShowProgressBar(int done, int total) override;
  void RepaintStatusBar() override;
  bool PumpOneMessage() override;
  void RepaintMainWindow() override;
  bool RunOptionsSheet(ExplosionOptions& options) override;

 protected:
  // While the document is busy: notes Escape and swallows keyboard shortcuts.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool IsBusy() const;
  // Gives the main window the keyboard focus again once a dialog closed.
  void TakeFocusBack();
  // The file dialogs (or their hooks) themselves.
  std::optional<std::string> AskOpenFile(std::string_view title, std::string_view initial_name);
  std::optional<std::vector<std::string>> AskOpenFiles(std::string_view title,
                                                       std::string_view initial_name);
  std::optional<std::string> AskSaveFile(std::string_view title, std::string_view initial_name);

  QMainWindow* window_;
  CBrkDoc* doc_ = nullptr;
  QToolBar* toolbar_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QLabel* messagePane_ = nullptr;
  ProgressPane* progressPane_ = nullptr;
  Hooks hooks_;
  std::function<void()> busyChanged_;
  std::function<void(const QString&)> help_;
  int beeps_ = 0;
  int waitCursors_ = 0;
  bool pumping_ = false;
  bool escapeSeen_ = false;
};

}  // namespace bk
