#include "preview/seed_sheet.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include <QFont>
#include <QPainter>
#include <QSaveFile>

#include "cob/cob_file.h"
#include "model/parallel_map.h"
#include "preview/renderer.h"
#include "preview/scene.h"

namespace bk {

namespace {

// Scenes kept between framing and drawing; seeds beyond it are exploded a
// second time instead, so a sweep of a big object stays within memory.
constexpr std::size_t kKeptSceneBytes = std::size_t{512} << 20;
// Points per seed that the shared camera is fitted to.
constexpr std::size_t kFramingPointsPerSeed = 20000;

std::size_t SceneBytes(const PreviewScene& scene) {
  return scene.RestVertices().size() * sizeof(CVector) + scene.Triangles().size() * sizeof(SceneTriangle) +
         scene.Objects().size() * (sizeof(SceneObject) + sizeof(CAnimChunkEx) + 256);
}

bool ParseSeed(const QString& text, std::uint32_t& seed) {
  bool ok = false;
  const qulonglong value = text.trimmed().toULongLong(&ok);
  if (!ok || value > 4294967295ull) return false;
  seed = static_cast<std::uint32_t>(value);
  return true;
}

// Runs work(0..count-1) on up to `threads` threads (0: one per core).
template <typename Work>
void ParallelFor(std::size_t count, int threads, const Work& work) {
  const auto count_threads = threads > 0 ? static_cast<unsigned>(threads) : 0u;
  MapInOrder<bool>(
      count, MapThreads{count_threads, std::max(1u, count_threads)},
      [&work](std::size_t i, const MapStop&) {
        work(i);
        return true;
      },
      [](std::size_t, bool&&) { return true; });
}

// What the framing pass keeps of each seed.
struct SeedFraming {
  Bounds Box;
  std::vector<CVector> Points;
  std::unique_ptr<PreviewScene> Scene;  // null when dropped for memory
};

class SweepRenderer {
 public:
  SweepRenderer(const SeedSweepInputs& inputs, const SweepSheetSettings& settings, std::vector<int> frames)
      : inputs_(inputs), settings_(settings), frames_(std::move(frames)), seeds_(settings.Seeds.size()),
        tiles_(settings.Seeds.size() * frames_.size()) {}

  // Explodes every seed once, keeping what the camera is fitted to.
  Status Frame(ProgressSink& progress) {
    const Status swept = SweepSeeds(
        inputs_, settings_.Seeds, settings_.Threads,
        [this](std::size_t i, const SeedExplosion& explosion) { TakeFraming(i, explosion); }, progress);
    if (!swept.ok()) return swept;
    // Joined in seed order, so the camera is the same whatever the threads did.
    Bounds box;
    std::vector<CVector> points;
    for (const SeedFraming& seed : seeds_) {
      box.Add(seed.Box);
      points.insert(points.end(), seed.Points.begin(), seed.Points.end());
    }
    camera_ = Camera::Framing(box, settings_.View, points);
    return swept;
  }

  // Draws every tile: kept scenes directly, the rest exploded again.
  Status Draw(ProgressSink& progress) {
    std::vector<std::size_t> kept;
    std::vector<std::size_t> dropped;
    for (std::size_t i = 0; i < seeds_.size(); ++i) (seeds_[i].Scene ? kept : dropped).push_back(i);
    ParallelFor(kept.size(), settings_.Threads, [&](std::size_t k) {
      DrawSeed(kept[k], *seeds_[kept[k]].Scene);
      seeds_[kept[k]].Scene.reset();
    });
    if (dropped.empty()) return {};
    std::vector<std::uint32_t> again;
    for (std::size_t i : dropped) again.push_back(settings_.Seeds[i]);
    return SweepSeeds(
        inputs_, again, settings_.Threads,
        [&](std::size_t k, const SeedExplosion& explosion) {
          DrawSeed(dropped[k], *PreviewScene::FromGroups(explosion.Groups()));
        },
        progress);
  }

  const std::vector<QImage>& Tiles() const { return tiles_; }

 private:
  void TakeFraming(std::size_t i, const SeedExplosion& explosion) {
    std::unique_ptr<PreviewScene> scene = PreviewScene::FromGroups(explosion.Groups());
    SeedFraming& seed = seeds_[i];
    const std::size_t per_frame = std::max<std::size_t>(1, kFramingPointsPerSeed / frames_.size());
    const std::size_t stride = std::max<std::size_t>(1, (scene->RestVertices().size() + per_frame - 1) / per_frame);
    std::vector<CVector> positions;
    for (int frame : frames_) {
      scene->PositionsAt(frame, positions);
      for (std::size_t v = 0; v < positions.size(); ++v) {
        seed.Box.Add(positions[v]);
        if (v % stride == 0) seed.Points.push_back(positions[v]);
      }
    }
    const std::size_t bytes = SceneBytes(*scene);
    std::lock_guard lock(mutex_);
    if (keptBytes_ + bytes <= kKeptSceneBytes) {
      keptBytes_ += bytes;
      seed.Scene = std::move(scene);
    }
  }

  void DrawSeed(std::size_t i, const PreviewScene& scene) {
    SceneRenderer renderer;
    RenderOptions options;
    options.Ghost = false;
    for (std::size_t f = 0; f < frames_.size(); ++f) {
      tiles_[i * frames_.size() + f] = RenderTile(renderer, scene, frames_[f], camera_, settings_.TileSize, options);
    }
  }

  const SeedSweepInputs& inputs_;
  const SweepSheetSettings& settings_;
  std::vector<int> frames_;
  std::vector<SeedFraming> seeds_;
  std::vector<QImage> tiles_;  // seed-major
  Camera camera_;
  std::mutex mutex_;
  std::size_t keptBytes_ = 0;
};

// Lays the tiles out (a row per seed with several frames, else a square
// grid) and labels them; a null image when the sheet would be too large.
void Compose(const std::vector<QImage>& tiles, const SweepSheetSettings& settings, SweepSheet& sheet) {
  const int frames = static_cast<int>(sheet.Frames.size());
  const int count = static_cast<int>(tiles.size());
  const int columns = frames > 1 ? frames : static_cast<int>(std::ceil(std::sqrt(double(count))));
  const SheetGrid grid(count, columns, settings.TileSize);
  sheet.Image = grid.NewImage();
  if (sheet.Image.isNull()) return;
  QPainter painter(&sheet.Image);
  for (int i = 0; i < count; ++i) {
    const QRect rect = grid.Tile(i);
    painter.drawImage(rect.topLeft(), tiles[static_cast<std::size_t>(i)]);
    const std::uint32_t seed = settings.Seeds[static_cast<std::size_t>(i / frames)];
    QString label = QStringLiteral("seed %1").arg(seed);
    if (frames > 1) label += QStringLiteral("  frame %1").arg(sheet.Frames[static_cast<std::size_t>(i % frames)]);
    grid.Label(painter, i, label);
    sheet.Tiles.push_back(rect);
    sheet.TileSeeds.push_back(seed);
  }
}

}  // namespace

std::optional<std::vector<std::uint32_t>> ParseSeedRange(const QString& text, QString& error) {
  const QStringList parts = text.split(':');
  std::uint32_t first = 0;
  std::uint32_t last = 0;
  bool ok = (parts.size() == 1 || parts.size() == 2) && ParseSeed(parts[0], first);
  last = first;
  if (ok && parts.size() == 2) ok = ParseSeed(parts[1], last);
  if (!ok) {
    error = QStringLiteral("--seeds expects A:B or A, whole numbers from 0 to 4294967295 (for example "
                           "1:16), not \"%1\".")
                .arg(text);
    return std::nullopt;
  }
  if (last < first || last - first >= static_cast<std::uint32_t>(kMaxSweepSeeds)) {
    error = QStringLiteral("--seeds: from 1 to %1 seeds, A <= B (got %2).").arg(kMaxSweepSeeds).arg(text);
    return std::nullopt;
  }
  std::vector<std::uint32_t> seeds;
  for (std::uint64_t s = first; s <= last; ++s) seeds.push_back(static_cast<std::uint32_t>(s));
  return seeds;
}

SweepSheet RenderSeedSweep(const SeedSweepInputs& inputs, const SweepSheetSettings& settings,
                           ProgressSink& progress) {
  SweepSheet sheet;
  if (settings.Frames) {
    for (long long f = settings.Frames->First; f <= settings.Frames->Last; f += settings.Frames->Step) {
      sheet.Frames.push_back(static_cast<int>(f));
    }
  } else {
    sheet.Frames.push_back(std::max(0, inputs.Options.FrameTotal / 2));
  }
  const long long tiles = static_cast<long long>(settings.Seeds.size()) * sheet.Frames.size();
  if (settings.Seeds.empty() || tiles > kMaxSheetTiles) {
    sheet.Fail(FailureKind::kBadArgument, "A sweep sheet holds from 1 to " + std::to_string(kMaxSheetTiles) +
                                              " tiles (seeds times frames); " + std::to_string(tiles) +
                                              " were asked for.");
    return sheet;
  }
  SweepRenderer renderer(inputs, settings, sheet.Frames);
  Status status = renderer.Frame(progress);
  if (status.ok()) status = renderer.Draw(progress);
  if (!status.ok()) {
    static_cast<Status&>(sheet) = status;
    return sheet;
  }
  Compose(renderer.Tiles(), settings, sheet);
  if (sheet.Image.isNull()) {
    sheet.Fail(FailureKind::kBadArgument, "The sheet of " + std::to_string(tiles) + " tiles of " +
                                              std::to_string(settings.TileSize.width()) + "x" +
                                              std::to_string(settings.TileSize.height()) +
                                              " would be too large; use fewer seeds or frames, or smaller tiles.");
  }
  return sheet;
}

Status WriteSeedSweep(const SeedSweepInputs& inputs, const SweepSheetSettings& settings, const QString& path,
                      ProgressSink& progress) {
  const SweepSheet sheet = RenderSeedSweep(inputs, settings, progress);
  if (!sheet.ok()) return sheet;
  Status status;
  // Written beside the target and renamed into place: a failed write leaves
  // no half-made picture under the asked-for name.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    status.Fail(FailureKind::kCannotWrite, path.toStdString() + ": " + std::string(messages::kCouldNotOpenOutput));
    return status;
  }
  if (!sheet.Image.save(&file, "PNG") || !file.commit()) {
    file.cancelWriting();
    status.Fail(FailureKind::kCannotWrite, path.toStdString() + ": " + std::string(messages::kCouldNotWrite));
  }
  return status;
}

}  // namespace bk
