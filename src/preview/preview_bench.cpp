// Renders an exploding sphere of about 5,000 triangles for a number of frames
// and prints the frames per second reached: the pose of every piece and the
// picture, as the window's render thread does them.
//   preview_bench [frames] [WxH]

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <numbers>

#include <QGuiApplication>
#include <QImage>

#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "preview/camera.h"
#include "preview/renderer.h"
#include "preview/scene.h"

namespace {

using bk::CVector;

// A UV sphere of rings x segments quads, cut into pieces of `per_piece` quads
// that fly outwards over 30 frames, turning.
std::unique_ptr<bk::PreviewScene> ExplodingSphere(int rings, int segments, int per_piece) {
  auto scene = std::make_unique<bk::PreviewScene>();
  const double pi = std::numbers::pi;
  auto point = [&](int r, int s) {
    const double theta = pi * r / rings, phi = 2.0 * pi * s / segments;
    return CVector(static_cast<float>(std::sin(theta) * std::cos(phi)),
                   static_cast<float>(std::sin(theta) * std::sin(phi)),
                   static_cast<float>(std::cos(theta)));
  };
  int quad = 0;
  std::unique_ptr<bk::CPolyChunk> piece;
  auto flush = [&] {
    if (!piece) return;
    const CVector c = piece->ComputeCentroid();
    piece->Axis.Center = c;
    auto channel = std::make_unique<bk::CAnimChunkEx>();
    const CVector shape(0.0f, -1.0f, 0.0f);
    channel->PositionKeys.emplace_back(bk::CAnimLineSRT::kPosition, 0, shape, CVector());
    channel->PositionKeys.emplace_back(bk::CAnimLineSRT::kPosition, 30, shape,
                                       CVector(c.x * 3.0f, c.y * 3.0f, c.z * 3.0f));
    channel->Keys.emplace_back(bk::CAnimLineSRT::kOrientation, 0, shape, CVector(), 1.0f);
    channel->Keys.emplace_back(bk::CAnimLineSRT::kOrientation, 30, shape,
                               CVector(0.3f, 0.2f, 0.1f), 0.9f);
    scene->AddObject(piece->Materials, *piece, std::move(channel));
    piece.reset();
  };
  for (int r = 0; r < rings; ++r) {
    for (int s = 0; s < segments; ++s) {
      if (!piece) {
        piece = std::make_unique<bk::CPolyChunk>();
        piece->Axis.Row0 = {1, 0, 0};
        piece->Axis.Row1 = {0, 1, 0};
        piece->Axis.Row2 = {0, 0, 1};
        auto material = std::make_unique<bk::CMaterial>();
        material->Colour = {0.8f, 0.45f + 0.4f * float(r) / rings, 0.3f};
        piece->Materials.push_back(std::move(material));
      }
      bk::CFace face;
      face.VertexCount = 4;
      const CVector corners[4] = {point(r, s), point(r + 1, s), point(r + 1, s + 1), point(r, s + 1)};
      for (const CVector& v : corners) {
        face.VertexIndices.push_back(static_cast<std::uint32_t>(piece->Vertices.size()));
        face.UvIndices.push_back(0);
        piece->AddOwnedVertex(v);
      }
      piece->AddOwnedFace(face);
      if (++quad % per_piece == 0) flush();
    }
  }
  flush();
  return scene;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;
  int width = 800, height = 560;
  if (argc > 2) std::sscanf(argv[2], "%dx%d", &width, &height);
  width = std::clamp(width, 16, 8192);
  height = std::clamp(height, 16, 8192);

  const auto scene = ExplodingSphere(50, 50, 10);
  bk::Bounds bounds = scene->MotionBounds(0, scene->LastFrame());
  const bk::Camera camera = bk::Camera::Framing(bounds, bk::ViewKind::Iso);
  bk::SceneRenderer renderer;
  bk::RenderOptions options;
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  std::vector<CVector> positions;

  for (int ghost = 1; ghost >= 0; --ghost) {
    options.Ghost = ghost != 0;
    const auto start = std::chrono::steady_clock::now();
    long long drawn = 0;
    for (int i = 0; i < frames; ++i) {
      scene->PositionsAt(i % (scene->LastFrame() + 1), positions);
      drawn += renderer.Render(*scene, positions, camera, options, image).Drawn;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("preview render, %zu triangles, %dx%d, ghost %s: %d frames in %.3f s = %.1f frames/s "
                "(%.0f polygons drawn per frame)\n",
                scene->Triangles().size(), width, height, ghost ? "on " : "off", frames, seconds,
                frames / seconds, double(drawn) / frames);
  }
  return 0;
}
