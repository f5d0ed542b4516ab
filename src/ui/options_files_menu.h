#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace bk {

class CMainFrame;

// The Options menu's commands for options files: Presets ▸ (the shipped and
// the user's own, read afresh each time the menu opens), Load Options...,
// Save Options... and Try Seeds.... They run when Explosion Options... could
// and are greyed otherwise. Owned by the frame (its Qt parent).
class OptionsFilesMenu : public QObject {
  Q_OBJECT

 public:
  OptionsFilesMenu(CMainFrame& frame, QMenu& options);

  // The commands without their dialogs, for the menu and the tests.
  // Load: the file's values go through the sheet's rules; a refused file
  // changes nothing and its message is shown. True when loaded.
  bool LoadFile(const QString& path);
  // Save: the current options and the random state Export would start from.
  bool SaveFile(const QString& path);

  QAction* LoadAction() const { return load_; }
  QAction* SaveAction() const { return save_; }
  QAction* TrySeedsAction() const { return trySeeds_; }
  QMenu* PresetsMenu() const { return presets_; }

 private:
  void UpdateEnabled();
  void FillPresets();
  void ChooseAndLoad();
  void ChooseAndSave();
  void TrySeeds();

  CMainFrame& frame_;
  QMenu* presets_ = nullptr;
  QAction* load_ = nullptr;
  QAction* save_ = nullptr;
  QAction* trySeeds_ = nullptr;
};

}  // namespace bk
