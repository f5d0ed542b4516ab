#include "ui/gltf_settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

namespace bk {

namespace {

// The command line takes any fps above 0 up to kMaxFps; the field shows
// hundredths.
constexpr double kMinFps = 0.01;

}  // namespace

GltfChoices GltfChoices::Load() {
  QSettings settings;
  GltfChoices choices;
  const double fps = settings.value(QStringLiteral("gltf/fps"), choices.fps).toDouble();
  // A hand-edited or damaged value falls back to the default.
  if (fps >= kMinFps && fps <= kMaxFps) choices.fps = fps;
  choices.key_sampling = settings.value(QStringLiteral("gltf/sampling")).toString() == QStringLiteral("keys");
  choices.also_glb = settings.value(QStringLiteral("gltf/alsoGlb"), false).toBool();
  choices.texture_folders = settings.value(QStringLiteral("gltf/textureFolders")).toStringList();
  return choices;
}

void GltfChoices::Save() const {
  QSettings settings;
  settings.setValue(QStringLiteral("gltf/fps"), fps);
  settings.setValue(QStringLiteral("gltf/sampling"), key_sampling ? QStringLiteral("keys") : QStringLiteral("frames"));
  settings.setValue(QStringLiteral("gltf/alsoGlb"), also_glb);
  settings.setValue(QStringLiteral("gltf/textureFolders"), texture_folders);
}

void GltfChoices::ApplyTo(CBrkDoc& doc) const {
  GltfOptions options;
  options.Fps = fps;
  options.Sampling = key_sampling ? GltfSampling::Keys : GltfSampling::Frames;
  for (const QString& folder : texture_folders) options.TextureFolders.push_back(folder.toStdString());
  doc.GltfSettings = std::move(options);
  doc.GlbBesideCob = also_glb;
}

GltfSettingsDialog::GltfSettingsDialog(QWidget* parent, const GltfChoices& choices) : QDialog(parent) {
  setWindowTitle(QStringLiteral("glTF Export Settings"));
  fps_ = new QDoubleSpinBox(this);
  fps_->setRange(kMinFps, kMaxFps);
  fps_->setDecimals(2);
  fps_->setValue(choices.fps);
  fps_->setToolTip(QStringLiteral("Frames per second of the glTF animation: times = frame / fps"));

  sampling_ = new QComboBox(this);
  sampling_->addItem(QStringLiteral("Frames: right in every importer"));
  sampling_->addItem(QStringLiteral("Keys: exact splines, smaller (importers that follow tangents)"));
  sampling_->setCurrentIndex(choices.key_sampling ? 1 : 0);

  alsoGlb_ = new QCheckBox(QStringLiteral("With a .cob export, also write the same explosion as .glb beside it"),
                           this);
  alsoGlb_->setChecked(choices.also_glb);

  folders_ = new QLineEdit(choices.texture_folders.join(QDir::listSeparator()), this);
  folders_->setPlaceholderText(QStringLiteral("folders, separated by \"%1\"").arg(QDir::listSeparator()));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Frames per second:"), fps_);
  form->addRow(QStringLiteral("&Motion:"), sampling_);
  form->addRow(QStringLiteral("&Texture images also in:"), folders_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(alsoGlb_);
  layout->addWidget(buttons);
}

GltfChoices GltfSettingsDialog::Choices() const {
  GltfChoices choices;
  choices.fps = fps_->value();
  choices.key_sampling = sampling_->currentIndex() == 1;
  choices.also_glb = alsoGlb_->isChecked();
  choices.texture_folders = folders_->text().split(QDir::listSeparator(), Qt::SkipEmptyParts);
  for (QString& folder : choices.texture_folders) folder = folder.trimmed();
  choices.texture_folders.removeAll(QString());
  return choices;
}

}  // namespace bk
