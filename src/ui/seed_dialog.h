#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QDialog>
#include <QLabel>
#include <QRect>

class QPushButton;
class QScrollArea;
class QSpinBox;

namespace bk {

class CBrkDoc;

// The sheet of a sweep, shown at its own size; a click on a tile picks its seed.
class SeedGrid : public QLabel {
  Q_OBJECT

 public:
  explicit SeedGrid(QWidget* parent = nullptr);
  void SetSheet(const QImage& image, std::vector<QRect> tiles, std::vector<std::uint32_t> seeds);
  // The seed of the tile at `point` (in the grid's pixels), if any.
  std::optional<std::uint32_t> SeedAt(QPoint point) const;

 signals:
  void seedClicked(std::uint32_t seed);

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  std::vector<QRect> tiles_;
  std::vector<std::uint32_t> seeds_;
};

// Options ▸ Try Seeds...: explodes the document's object with a run of seeds
// as Export would (its options, particles and face order), shows a tile per
// seed, and closes with the seed whose tile was clicked.
class SeedSweepDialog : public QDialog {
  Q_OBJECT

 public:
  SeedSweepDialog(CBrkDoc& doc, QWidget* parent = nullptr);

  // The clicked seed once the dialog was accepted.
  std::optional<std::uint32_t> ChosenSeed() const { return chosen_; }
  SeedGrid* Grid() const { return grid_; }
  // Explodes and draws the seeds now in the fields; false when it failed or
  // was cancelled (a failure's message was shown).
  bool TrySeeds();

  void reject() override;

 private:
  CBrkDoc& doc_;
  QSpinBox* first_ = nullptr;
  QSpinBox* count_ = nullptr;
  QSpinBox* frame_ = nullptr;
  QPushButton* try_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  SeedGrid* grid_ = nullptr;
  std::optional<std::uint32_t> chosen_;
  bool running_ = false;
};

}  // namespace bk
