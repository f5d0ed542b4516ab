#include "ui/options_files_menu.h"

#include <filesystem>

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

#include "doc/brk_doc.h"
#include "doc/options_file.h"
#include "doc/platform.h"
#include "doc/presets.h"
#include "ui/main_frame.h"
#include "ui/seed_dialog.h"

namespace bk {

namespace {

const QString kFilter = QStringLiteral("Options files (*.json)");

void Note(CMainFrame& frame, const QString& text) {
  if (QLabel* pane = frame.MessagePane()) pane->setText(text);
}

}  // namespace

OptionsFilesMenu::OptionsFilesMenu(CMainFrame& frame, QMenu& options) : QObject(&frame), frame_(frame) {
  options.addSeparator();
  presets_ = options.addMenu(QStringLiteral("P&resets"));
  load_ = options.addAction(QStringLiteral("&Load Options..."));
  save_ = options.addAction(QStringLiteral("Sa&ve Options..."));
  trySeeds_ = options.addAction(QStringLiteral("&Try Seeds..."));
  load_->setStatusTip(QStringLiteral("Load explosion options from a file"));
  save_->setStatusTip(QStringLiteral("Save the explosion options and seed to a file"));
  trySeeds_->setStatusTip(QStringLiteral("Explode with many seeds side by side and pick one"));
  connect(&options, &QMenu::aboutToShow, this, &OptionsFilesMenu::UpdateEnabled);
  connect(presets_, &QMenu::aboutToShow, this, &OptionsFilesMenu::FillPresets);
  connect(load_, &QAction::triggered, this, &OptionsFilesMenu::ChooseAndLoad);
  connect(save_, &QAction::triggered, this, &OptionsFilesMenu::ChooseAndSave);
  connect(trySeeds_, &QAction::triggered, this, &OptionsFilesMenu::TrySeeds);
  UpdateEnabled();
}

void OptionsFilesMenu::UpdateEnabled() {
  const bool available = frame_.Doc().IsCommandAvailable(cmd::kExplosionOptions);
  for (QAction* action : {presets_->menuAction(), load_, save_, trySeeds_}) action->setEnabled(available);
}

void OptionsFilesMenu::FillPresets() {
  presets_->clear();
  const std::vector<PresetEntry> presets = ListPresets();
  for (const PresetEntry& preset : presets) {
    QString label = QString::fromStdString(preset.Name);
    if (preset.User) label += QStringLiteral(" (yours)");
    QAction* action = presets_->addAction(label);
    action->setStatusTip(QString::fromStdString(preset.Description));
    action->setEnabled(preset.Readable);
    const QString path = QString::fromStdString(preset.Path);
    connect(action, &QAction::triggered, this, [this, path] { LoadFile(path); });
  }
  if (presets.empty()) presets_->addAction(QStringLiteral("(no presets found)"))->setEnabled(false);
}

bool OptionsFilesMenu::LoadFile(const QString& path) {
  CBrkDoc& doc = frame_.Doc();
  if (!doc.IsCommandAvailable(cmd::kExplosionOptions)) return false;
  const OptionsFileResult read = ReadOptionsFile(path.toStdString());
  if (!read.ok()) {
    doc.GetPlatform().ShowMessage(read.error);
    return false;
  }
  if (TakeError refused = ApplyOptionsFile(doc, read.file)) {
    doc.GetPlatform().ShowMessage(path.toStdString() + ": " + *refused);
    return false;
  }
  frame_.UpdateCommandUI();
  Note(frame_, QStringLiteral("Options loaded from %1").arg(QFileInfo(path).fileName()));
  return true;
}

bool OptionsFilesMenu::SaveFile(const QString& path) {
  CBrkDoc& doc = frame_.Doc();
  if (!doc.IsCommandAvailable(cmd::kExplosionOptions)) return false;
  // The faces are already in the order the user gave them, so no face order
  // is kept; the seed is the state the next Export starts from.
  const Status written = WriteOptionsFile(path.toStdString(), OptionsFileText(doc.Options, doc.Random.State(), {}));
  if (!written.ok()) {
    doc.GetPlatform().ShowMessage(written.error);
    return false;
  }
  Note(frame_, QStringLiteral("Options saved to %1").arg(QFileInfo(path).fileName()));
  return true;
}

void OptionsFilesMenu::ChooseAndLoad() {
  const QString path = QFileDialog::getOpenFileName(&frame_, QStringLiteral("Load Options"),
                                                    QString::fromStdString(UserPresetFolder()), kFilter);
  if (!path.isEmpty()) LoadFile(path);
}

void OptionsFilesMenu::ChooseAndSave() {
  // Saved among the user's presets by default, so it shows in Presets at once.
  const std::string folder = UserPresetFolder();
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
  QString path = QFileDialog::getSaveFileName(&frame_, QStringLiteral("Save Options"),
                                              QString::fromStdString(folder + "/my-look.json"), kFilter);
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) path += QStringLiteral(".json");
  SaveFile(path);
}

void OptionsFilesMenu::TrySeeds() {
  CBrkDoc& doc = frame_.Doc();
  if (!doc.IsCommandAvailable(cmd::kExplosionOptions)) return;
  SeedSweepDialog dialog(doc, &frame_);
  frame_.RunCommand([&] {
    dialog.show();
    dialog.TrySeeds();
    if (dialog.exec() != QDialog::Accepted || !dialog.ChosenSeed()) return;
    doc.Random.Seed(*dialog.ChosenSeed());
    Note(frame_, QStringLiteral("Seed %1 taken: Export writes the explosion of its tile.").arg(*dialog.ChosenSeed()));
  });
}

}  // namespace bk
