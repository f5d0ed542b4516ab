#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include "doc/seed_sweep.h"
#include "model/progress.h"
#include "model/status.h"
#include "preview/camera.h"
#include "preview/contact_sheet.h"

namespace bk {

// Most seeds one sweep takes (a sheet holds at most kMaxSheetTiles tiles).
inline constexpr int kMaxSweepSeeds = 256;

// What a seed sweep shows.
struct SweepSheetSettings {
  std::vector<std::uint32_t> Seeds;
  // The frames of every seed's tiles; none: one tile per seed, halfway
  // through the animation.
  std::optional<FrameRange> Frames;
  QSize TileSize{240, 180};
  ViewKind View = ViewKind::Iso;
  int Threads = 0;  // 0: one per core
};

// A rendered sweep: the sheet and, for a click on it, where each tile is.
struct SweepSheet : Status {
  QImage Image;
  std::vector<QRect> Tiles;            // in the sheet's pixels
  std::vector<std::uint32_t> TileSeeds;  // the seed of each tile
  std::vector<int> Frames;             // the frames every seed was drawn at
};

// "A:B" (both included) or "A" seeds; on failure nothing, and `error` says why.
std::optional<std::vector<std::uint32_t>> ParseSeedRange(const QString& text, QString& error);

// Explodes every seed in memory (on several threads) and draws one labelled
// tile per seed and frame, all through one camera so the spreads compare:
// one seed per row when several frames are asked for, else a square grid.
// Fails when the explosion fails (its message), when the user cancels
// through `progress`, or when the sheet would be too large.
SweepSheet RenderSeedSweep(const SeedSweepInputs& inputs, const SweepSheetSettings& settings,
                           ProgressSink& progress);

// RenderSeedSweep, then the sheet written to `path` as PNG whole or not at all.
Status WriteSeedSweep(const SeedSweepInputs& inputs, const SweepSheetSettings& settings,
                      const QString& path, ProgressSink& progress);

}  // namespace bk
