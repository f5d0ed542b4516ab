#include "ui/seed_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "doc/brk_doc.h"
#include "doc/platform.h"
#include "doc/seed_sweep.h"
#include "preview/seed_sheet.h"

namespace bk {

SeedGrid::SeedGrid(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setCursor(Qt::PointingHandCursor);
}

void SeedGrid::SetSheet(const QImage& image, std::vector<QRect> tiles, std::vector<std::uint32_t> seeds) {
  setPixmap(QPixmap::fromImage(image));
  resize(image.size());
  tiles_ = std::move(tiles);
  seeds_ = std::move(seeds);
}

std::optional<std::uint32_t> SeedGrid::SeedAt(QPoint point) const {
  for (std::size_t i = 0; i < tiles_.size(); ++i) {
    if (tiles_[i].contains(point)) return seeds_[i];
  }
  return std::nullopt;
}

void SeedGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (const auto seed = SeedAt(event->position().toPoint())) emit seedClicked(*seed);
}

SeedSweepDialog::SeedSweepDialog(CBrkDoc& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
  setWindowTitle(QStringLiteral("Try Seeds"));
  first_ = new QSpinBox(this);
  first_->setRange(0, 2000000000);
  first_->setValue(1);
  count_ = new QSpinBox(this);
  count_->setRange(1, kMaxSweepSeeds);
  count_->setValue(16);
  // Halfway through the animation the options give, as the command line's sweep.
  ExplosionOptions options = doc.Options;
  if (doc.ImportedObject) options.ObjectFaces = doc.ImportedObject->FaceTotal;
  options.UpdateDerivedValues();
  frame_ = new QSpinBox(this);
  frame_->setRange(0, 1000000);
  frame_->setValue(std::max(0, options.FrameTotal / 2));
  try_ = new QPushButton(QStringLiteral("&Try"), this);
  connect(try_, &QPushButton::clicked, this, [this] { TrySeeds(); });

  auto* fields = new QHBoxLayout;
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("First seed:"), first_);
  form->addRow(QStringLiteral("Seeds:"), count_);
  form->addRow(QStringLiteral("Frame:"), frame_);
  fields->addLayout(form);
  fields->addWidget(try_, 0, Qt::AlignBottom);
  fields->addStretch(1);

  grid_ = new SeedGrid;
  connect(grid_, &SeedGrid::seedClicked, this, [this](std::uint32_t seed) {
    chosen_ = seed;
    accept();
  });
  scroll_ = new QScrollArea(this);
  scroll_->setWidget(grid_);
  scroll_->setMinimumSize(640, 420);
  auto* hint = new QLabel(QStringLiteral("Click a tile to take its seed: the next Export writes that explosion."), this);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &SeedSweepDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(scroll_, 1);
  layout->addWidget(hint);
  layout->addWidget(buttons);
  resize(1010, 720);
}

bool SeedSweepDialog::TrySeeds() {
  if (running_ || doc_.Busy || !doc_.ImportedObject) return false;
  SweepSheetSettings settings;
  for (int i = 0; i < count_->value(); ++i) settings.Seeds.push_back(static_cast<std::uint32_t>(first_->value() + i));
  settings.Frames = FrameRange{frame_->value(), frame_->value(), 1};
  const SeedSweepInputs inputs = SeedSweepInputs::FromDocument(doc_);

  running_ = true;
  try_->setEnabled(false);
  doc_.ClearCancel();
  doc_.SetBusy(1, status::kCalculating);
  const SweepSheet sheet = RenderSeedSweep(inputs, settings, doc_);
  doc_.SetBusy(0, status::kReady);
  doc_.ClearCancel();
  try_->setEnabled(true);
  running_ = false;
  if (!sheet.ok()) {
    if (sheet.kind != FailureKind::kCancelled) doc_.GetPlatform().ShowMessage(sheet.error);
    return false;
  }
  grid_->SetSheet(sheet.Image, sheet.Tiles, sheet.TileSeeds);
  return true;
}

void SeedSweepDialog::reject() {
  // Escape cancels a running sweep through the document; the dialog stays
  // until the sweep has stopped.
  if (running_) return;
  QDialog::reject();
}

}  // namespace bk
