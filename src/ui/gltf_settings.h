#pragma once

#include <QDialog>
#include <QStringList>

#include "doc/brk_doc.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLineEdit;

namespace bk {

// How the window program writes glTF, remembered between runs. The same
// choices as the command line's --fps, --gltf-sampling, --texture-dir and
// explode --gltf.
struct GltfChoices {
  double fps = 30.0;
  bool key_sampling = false;  // false: one sample per frame (right in every importer)
  // With a .cob export, also write the same explosion as .glb beside it.
  bool also_glb = false;
  QStringList texture_folders;  // looked in after the imported file's folder

  static GltfChoices Load();
  void Save() const;
  // Hands these choices to the document for its next Export.
  void ApplyTo(CBrkDoc& doc) const;
};

// File > glTF Export Settings: edits a GltfChoices.
class GltfSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  GltfSettingsDialog(QWidget* parent, const GltfChoices& choices);

  GltfChoices Choices() const;
  QDoubleSpinBox* Fps() const { return fps_; }
  QComboBox* Sampling() const { return sampling_; }
  QCheckBox* AlsoGlb() const { return alsoGlb_; }
  QLineEdit* TextureFolders() const { return folders_; }

 private:
  QDoubleSpinBox* fps_ = nullptr;
  QComboBox* sampling_ = nullptr;
  QCheckBox* alsoGlb_ = nullptr;
  QLineEdit* folders_ = nullptr;
};

}  // namespace bk
