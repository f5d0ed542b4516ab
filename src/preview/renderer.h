#pragma once

#include <cstdint>
#include <vector>

#include <QColor>
#include <QImage>

#include "preview/camera.h"
#include "preview/scene.h"

namespace bk {

struct RenderOptions {
  bool Ghost = true;  // the object at rest, drawn faintly behind the pieces
  bool Antialias = true;
  QColor Background{38, 41, 46};
  QColor GhostColour{170, 190, 220};
  double GhostOpacity = 0.22;
};

// What one render did, for tests and the benchmark.
struct RenderStats {
  int Triangles = 0;  // triangles of the scene
  int Drawn = 0;      // polygons painted (after clipping)
  int Culled = 0;     // wholly behind the near plane, off screen or not finite
  int Clipped = 0;    // cut by the near plane
};

// Draws a scene with QPainter into an image: every triangle is taken to the
// camera, cut at the near plane, dropped when it lies off screen, shaded flat
// by its material colour and a light from over the viewer's shoulder (both
// sides lit: pieces are open shells), and painted far to near. Keeps its
// buffers between calls (and the ghost layer while camera and size stay), so
// one renderer belongs to one thread at a time.
class SceneRenderer {
 public:
  // `positions` are the scene's vertices at the frame to draw (see
  // PreviewScene::PositionsAt). `image` must be non-null; it is painted over.
  RenderStats Render(const PreviewScene& scene, const std::vector<CVector>& positions,
                     const Camera& camera, const RenderOptions& options, QImage& image);

 private:
  struct Item {
    float depth;
    int count;
    QPointF points[8];
    QRgb colour;
  };

  void Project(const PreviewScene& scene, const std::vector<CVector>& positions,
               const Camera& camera, int width, int height, bool shade, RenderStats& stats);
  void Paint(QImage& image, bool antialias, double opacity);
  void PaintGhost(const PreviewScene& scene, const Camera& camera, const RenderOptions& options,
                  QImage& image);

  std::vector<float> cam_;  // camera-space x, y, z per vertex
  std::vector<Item> items_;
  std::vector<int> order_;

  QImage ghost_;
  std::uint64_t ghostScene_ = 0;
  Camera ghostCamera_;
  QColor ghostColour_;
  bool ghostAntialias_ = true;
};

}  // namespace bk
