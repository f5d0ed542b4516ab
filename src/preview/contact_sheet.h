#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

#include "preview/camera.h"
#include "preview/renderer.h"
#include "preview/scene.h"

namespace bk {

// Frames first..last in steps of step (first <= last, step >= 1).
struct FrameRange {
  int First = 0;
  int Last = 0;
  int Step = 1;
};

// Limits that keep a sheet within memory and reason.
inline constexpr int kMaxSheetTiles = 1000;
inline constexpr int kMinTileSide = 32;
inline constexpr int kMaxTileSide = 4096;
inline constexpr long long kMaxSheetPixels = 64LL * 1024 * 1024;

// The grid of a sheet: `count` tiles of `tile` pixels in `columns` columns,
// with gaps around them, on a dark ground.
class SheetGrid {
 public:
  SheetGrid(int count, int columns, QSize tile);
  // The sheet's image, or a null image when it would be too large.
  QImage NewImage() const;
  QRect Tile(int i) const;
  // Sets `painter` up for labels and draws `label` in tile i's corner,
  // shadowed so that it reads on any picture.
  void Label(QPainter& painter, int i, const QString& label) const;

 private:
  int columns_;
  int rows_;
  QSize tile_;
};

// What a contact sheet is made from: the settings of the command line.
struct SheetSettings {
  QString Input;
  QString Output;
  std::optional<FrameRange> Frames;  // unset: the whole animation in about 12 tiles
  QSize TileSize{320, 240};
  ViewKind View = ViewKind::Iso;
  bool Ghost = false;
};

// "A:B:STEP", "A:B" (step 1) or "A" (one frame). On failure returns nothing
// and sets `error` to a message that names the fault.
std::optional<FrameRange> ParseFrameRange(const QString& text, QString& error);
// "WxH", each side within [kMinTileSide, kMaxTileSide].
std::optional<QSize> ParseTileSize(const QString& text, QString& error);

// The frames of a sheet: the given range, or 0..LastFrame in at most 12 steps.
std::vector<int> SheetFrames(const PreviewScene& scene, const std::optional<FrameRange>& range);
// The camera all tiles share: `view` framing the pieces at every frame of
// `frames` (the object at rest when there are none).
Camera SheetCamera(const PreviewScene& scene, const std::vector<int>& frames, ViewKind view);

// One tile: the scene at `frame` without a label.
QImage RenderTile(SceneRenderer& renderer, const PreviewScene& scene, int frame,
                  const Camera& camera, QSize size, const RenderOptions& options);
// The whole sheet: tiles in rows, each with its frame number printed on it.
// Returns a null image when the sheet would exceed kMaxSheetPixels.
QImage RenderContactSheet(const PreviewScene& scene, const std::vector<int>& frames,
                          QSize tile, ViewKind view, bool ghost);

// Loads settings.Input, renders and writes settings.Output as PNG (whole or
// not at all). Returns the exit status: 0 done, 1 the input could not be read
// or the output not written (with its message in `error`), 2 bad settings.
int WriteContactSheet(const SheetSettings& settings, QString& error);

}  // namespace bk
