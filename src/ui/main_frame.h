#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;

namespace bk {

class CBrkDoc;
class CBrkView;
class HelpWindow;
class OptionsFilesMenu;
class PreviewWindow;
class ProgressPane;
class QtPlatform;

// Command ids of the shell (the document's own are in doc/brk_doc.h).
namespace shellcmd {
inline constexpr int kToolbar = 59392;
inline constexpr int kStatusBar = 59393;
inline constexpr int kNormalLayout = 32791;
inline constexpr int kMinimalLayout = 32792;
inline constexpr int kAlwaysOnTop = 32786;
inline constexpr int kHelpContents = 57666;
inline constexpr int kHelpSearch = 32798;
inline constexpr int kUsingHelp = 57668;
inline constexpr int kAbout = 57664;
// How OBJ files are read: which axis is up (OBJ files do not say).
inline constexpr int kObjYUp = 32801;
inline constexpr int kObjZUp = 32802;
inline constexpr int kGltfSettings = 32803;
}  // namespace shellcmd

// How long the status bar keeps a note of what was read or written.
inline constexpr int kNoteMilliseconds = 5000;

// The main window: menu, toolbar and two-pane status bar around the view. It
// owns the one document and the Qt platform the document talks through.
// Every menu item is a QAction whose data is its command id; the document's
// commands are greyed whenever the document says they cannot run.
class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(std::uint32_t seed, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CBrkDoc& Doc() { return *doc_; }
  QtPlatform& Platform() { return *platform_; }
  CBrkView* View() const { return view_; }
  QToolBar* ToolBar() const { return toolBar_; }
  ProgressPane* Progress() const { return progressPane_; }
  QLabel* MessagePane() const { return messagePane_; }
  HelpWindow* Help();  // created on first use
  PreviewWindow* Preview() const { return preview_.get(); }  // null until a preview ran

  // The action of a command id (the first, for ids that appear once).
  QAction* Action(int command_id) const;
  // Carries out a command as the menu, toolbar or a shortcut would.
  void OnCommand(int command_id);
  // The Import command for a file given by a drop or on the command line;
  // does nothing while Import is greyed.
  void ImportPath(const QString& path);
  // Greys and checks the menu items and toolbar buttons for the current state.
  void UpdateCommandUI();
  // Whether a close was asked for while busy and waits for the work to end.
  bool ClosePending() const { return closePending_; }
  // Clears the status bar's note of what was read or written once it has
  // been shown for a while.
  QTimer* NoteTimer() const { return noteTimer_; }
  // Runs one command's work, then greys the commands and carries out a close
  // asked for meanwhile.
  void RunCommand(const std::function<void()>& work);
  OptionsFilesMenu* OptionsFiles() const { return optionsFiles_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void createActions();
  void createMenus();
  void createToolBar();
  void createStatusBar();
  void Dispatch(int command_id);
  void RunPreview();
  // The OBJ up axis: the document's setting, the menu's check and the
  // remembered choice.
  void UseObjUp(bool z_up);
  void EditGltfSettings();
  QAction* NewAction(int id, const char* text, const char* prompt, const char* shortcut = nullptr);

  // The platform is a child of this window, so Qt deletes it after the
  // members: the document, which talks through it, always goes first.
  QtPlatform* platform_ = nullptr;
  std::unique_ptr<CBrkDoc> doc_;
  CBrkView* view_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QLabel* messagePane_ = nullptr;
  ProgressPane* progressPane_ = nullptr;
  std::unique_ptr<HelpWindow> help_;
  std::unique_ptr<PreviewWindow> preview_;
  OptionsFilesMenu* optionsFiles_ = nullptr;  // a child of this window
  QTimer* updateTimer_ = nullptr;
  QTimer* noteTimer_ = nullptr;
  std::map<int, QAction*> actions_;
  bool closePending_ = false;
  bool shownOnce_ = false;
  int commandDepth_ = 0;
};

}  // namespace bk
