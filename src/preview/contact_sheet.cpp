#include "preview/contact_sheet.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QPainter>
#include <QSaveFile>

#include "cob/cob_file.h"

namespace bk {
namespace {

constexpr int kGap = 4;

bool ParseCount(const QString& text, int& value) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok);
  if (!ok) return false;
  value = v;
  return true;
}

int SheetColumns(int tiles) {
  return std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(tiles)))));
}

}  // namespace

SheetGrid::SheetGrid(int count, int columns, QSize tile)
    : columns_(std::max(1, columns)), rows_((count + columns_ - 1) / columns_), tile_(tile) {}

QImage SheetGrid::NewImage() const {
  const long long width = static_cast<long long>(columns_) * tile_.width() + (columns_ + 1) * kGap;
  const long long height = static_cast<long long>(rows_) * tile_.height() + (rows_ + 1) * kGap;
  if (width * height > kMaxSheetPixels) return {};
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  image.fill(QColor(18, 19, 22));
  return image;
}

QRect SheetGrid::Tile(int i) const {
  return {kGap + (i % columns_) * (tile_.width() + kGap), kGap + (i / columns_) * (tile_.height() + kGap),
          tile_.width(), tile_.height()};
}

void SheetGrid::Label(QPainter& painter, int i, const QString& label) const {
  QFont font = painter.font();
  font.setPixelSize(std::clamp(tile_.height() / 12, 10, 48));
  font.setBold(true);
  painter.setFont(font);
  const int margin = std::max(4, tile_.height() / 40);
  const QRect box = Tile(i).adjusted(margin, margin, -margin, -margin);
  painter.setPen(QColor(0, 0, 0, 200));
  painter.drawText(box.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, label);
  painter.setPen(QColor(255, 236, 160));
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, label);
}

std::optional<FrameRange> ParseFrameRange(const QString& text, QString& error) {
  const QStringList parts = text.split(':');
  FrameRange range;
  bool ok = parts.size() >= 1 && parts.size() <= 3 && ParseCount(parts[0], range.First);
  if (ok) {
    range.Last = range.First;
    if (parts.size() >= 2) ok = ParseCount(parts[1], range.Last);
    if (ok && parts.size() == 3) ok = ParseCount(parts[2], range.Step);
  }
  if (!ok) {
    error = QStringLiteral("--frames expects A:B:STEP with whole numbers (for example 0:30:5), not \"%1\".")
                .arg(text);
    return std::nullopt;
  }
  if (range.First < 0 || range.Last < range.First) {
    error = QStringLiteral("--frames: the frames must satisfy 0 <= A <= B (got %1:%2).")
                .arg(range.First)
                .arg(range.Last);
    return std::nullopt;
  }
  if (range.Step < 1) {
    error = QStringLiteral("--frames: STEP must be at least 1 (got %1).").arg(range.Step);
    return std::nullopt;
  }
  const long long tiles = (static_cast<long long>(range.Last) - range.First) / range.Step + 1;
  if (tiles > kMaxSheetTiles) {
    error = QStringLiteral("--frames: %1 tiles asked for; a sheet holds at most %2.")
                .arg(tiles)
                .arg(kMaxSheetTiles);
    return std::nullopt;
  }
  return range;
}

std::optional<QSize> ParseTileSize(const QString& text, QString& error) {
  const QStringList parts = text.toLower().split('x');
  int w = 0, h = 0;
  if (parts.size() != 2 || !ParseCount(parts[0], w) || !ParseCount(parts[1], h)) {
    error = QStringLiteral("--size expects WxH in pixels (for example 320x240), not \"%1\".").arg(text);
    return std::nullopt;
  }
  if (w < kMinTileSide || h < kMinTileSide || w > kMaxTileSide || h > kMaxTileSide) {
    error = QStringLiteral("--size: each side must be from %1 to %2 pixels (got %3x%4).")
                .arg(kMinTileSide)
                .arg(kMaxTileSide)
                .arg(w)
                .arg(h);
    return std::nullopt;
  }
  return QSize(w, h);
}

std::vector<int> SheetFrames(const PreviewScene& scene, const std::optional<FrameRange>& range) {
  std::vector<int> frames;
  if (range) {
    for (long long f = range->First; f <= range->Last; f += range->Step) frames.push_back(int(f));
    return frames;
  }
  const int last = std::max(0, scene.LastFrame());
  const int step = std::max(1, (last + 10) / 11);
  for (int f = 0; f < last; f += step) frames.push_back(f);
  frames.push_back(last);
  return frames;
}

Camera SheetCamera(const PreviewScene& scene, const std::vector<int>& frames, ViewKind view) {
  // Fitted to the pieces at the very frames of the sheet (at most 64 of
  // them, vertices thinned on big scenes), so no tile cuts a piece off.
  constexpr std::size_t kMaxFrames = 64;
  constexpr std::size_t kMaxPoints = 400000;
  const std::size_t frameStride = std::max<std::size_t>(1, (frames.size() + kMaxFrames - 1) / kMaxFrames);
  const std::size_t used = frames.empty() ? 1 : (frames.size() + frameStride - 1) / frameStride;
  const std::size_t perFrame = std::max<std::size_t>(1, kMaxPoints / used);
  const std::size_t stride =
      std::max<std::size_t>(1, (scene.RestVertices().size() + perFrame - 1) / perFrame);
  Bounds bounds;
  std::vector<CVector> points;
  std::vector<CVector> positions;
  auto take = [&](const std::vector<CVector>& at) {
    for (std::size_t v = 0; v < at.size(); ++v) {
      bounds.Add(at[v]);
      if (v % stride == 0) points.push_back(at[v]);
    }
  };
  if (frames.empty()) take(scene.RestVertices());
  for (std::size_t i = 0; i < frames.size(); i += frameStride) {
    scene.PositionsAt(frames[i], positions);
    take(positions);
  }
  if (!frames.empty() && (frames.size() - 1) % frameStride != 0) {
    scene.PositionsAt(frames.back(), positions);
    take(positions);
  }
  return Camera::Framing(bounds, view, points);
}

QImage RenderTile(SceneRenderer& renderer, const PreviewScene& scene, int frame,
                  const Camera& camera, QSize size, const RenderOptions& options) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  std::vector<CVector> positions;
  scene.PositionsAt(frame, positions);
  renderer.Render(scene, positions, camera, options, image);
  return image;
}

QImage RenderContactSheet(const PreviewScene& scene, const std::vector<int>& frames, QSize tile,
                          ViewKind view, bool ghost) {
  const int count = static_cast<int>(frames.size());
  if (count == 0 || tile.isEmpty()) return {};
  const SheetGrid grid(count, SheetColumns(count), tile);
  QImage sheet = grid.NewImage();
  if (sheet.isNull()) return {};
  const Camera camera = SheetCamera(scene, frames, view);
  RenderOptions options;
  options.Ghost = ghost;
  SceneRenderer renderer;
  QPainter painter(&sheet);
  for (int i = 0; i < count; ++i) {
    painter.drawImage(grid.Tile(i).topLeft(), RenderTile(renderer, scene, frames[i], camera, tile, options));
    grid.Label(painter, i, QStringLiteral("frame %1").arg(frames[i]));
  }
  return sheet;
}

int WriteContactSheet(const SheetSettings& settings, QString& error) {
  const SceneLoadResult loaded = LoadPreviewScene(settings.Input.toStdString());
  if (!loaded.scene) {
    error = QStringLiteral("%1: %2").arg(settings.Input, QString::fromStdString(loaded.error));
    return 1;
  }
  const std::vector<int> frames = SheetFrames(*loaded.scene, settings.Frames);
  const QImage sheet =
      RenderContactSheet(*loaded.scene, frames, settings.TileSize, settings.View, settings.Ghost);
  if (sheet.isNull()) {
    error = QStringLiteral("The sheet of %1 tiles of %2x%3 would be too large; use fewer frames or "
                           "smaller tiles.")
                .arg(frames.size())
                .arg(settings.TileSize.width())
                .arg(settings.TileSize.height());
    return 2;
  }
  // Written beside the target and renamed into place: a failed write leaves
  // no half-made picture under the asked-for name.
  QSaveFile file(settings.Output);
  if (!file.open(QIODevice::WriteOnly)) {
    error = QStringLiteral("%1: %2").arg(settings.Output,
                                         QString::fromUtf8(messages::kCouldNotOpenOutput.data(),
                                                           qsizetype(messages::kCouldNotOpenOutput.size())));
    return 1;
  }
  if (!sheet.save(&file, "PNG") || !file.commit()) {
    file.cancelWriting();
    error = QStringLiteral("%1: %2").arg(settings.Output,
                                         QString::fromUtf8(messages::kCouldNotWrite.data(),
                                                           qsizetype(messages::kCouldNotWrite.size())));
    return 1;
  }
  return 0;
}

}  // namespace bk
