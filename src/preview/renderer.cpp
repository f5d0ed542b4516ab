#include "preview/renderer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainter>
#include <QPolygonF>

namespace bk {
namespace {

struct P3 {
  double x, y, z;
};

// Keeps the part of a convex polygon where dist(p) >= 0; at most n + 1
// points come out of n.
template <typename Dist>
int ClipPolygon(const P3* in, int n, P3* out, Dist dist) {
  int m = 0;
  for (int i = 0; i < n; ++i) {
    const P3& a = in[i];
    const P3& b = in[(i + 1) % n];
    const double da = dist(a), db = dist(b);
    if (da >= 0.0) out[m++] = a;
    if ((da >= 0.0) != (db >= 0.0)) {
      const double t = da / (da - db);
      out[m++] = {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
    }
  }
  return m;
}

}  // namespace

namespace {

// The picture's geometry: where camera space lands on the image.
struct Viewing {
  double focal;
  double cx, cy;
  int width, height;
  double guard;  // points farther outside the image are cut to this band
};

void ToCameraSpace(const std::vector<CVector>& positions, const CameraBasis& b, std::size_t nv,
                   std::vector<float>& cam) {
  cam.resize(nv * 3);
  for (std::size_t i = 0; i < nv; ++i) {
    const double dx = positions[i].x - b.eye[0];
    const double dy = positions[i].y - b.eye[1];
    const double dz = positions[i].z - b.eye[2];
    cam[3 * i] = static_cast<float>(dx * b.right[0] + dy * b.right[1] + dz * b.right[2]);
    cam[3 * i + 1] = static_cast<float>(dx * b.up[0] + dy * b.up[1] + dz * b.up[2]);
    cam[3 * i + 2] = static_cast<float>(dx * b.forward[0] + dy * b.forward[1] + dz * b.forward[2]);
  }
}

// Projects a polygon in camera space (in front of the near plane) to the
// screen, cut to the guard band. Returns its corner count, or 0 when nothing
// of it is on the image.
int ToScreen(const P3* poly, int n, const Viewing& v, P3* screen) {
  double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
  for (int k = 0; k < n; ++k) {
    const double sx = v.cx + poly[k].x / poly[k].z * v.focal;
    const double sy = v.cy - poly[k].y / poly[k].z * v.focal;
    screen[k] = {sx, sy, poly[k].z};
    minX = std::min(minX, sx);
    maxX = std::max(maxX, sx);
    minY = std::min(minY, sy);
    maxY = std::max(maxY, sy);
  }
  if (maxX < 0.0 || maxY < 0.0 || minX > v.width || minY > v.height) return 0;
  if (minX < -v.guard || minY < -v.guard || maxX > v.width + v.guard || maxY > v.height + v.guard) {
    // Four half-planes, each adding at most one point: 4 + 4 = 8.
    P3 tmp[8];
    const double lo = -v.guard, hiX = v.width + v.guard, hiY = v.height + v.guard;
    n = ClipPolygon(screen, n, tmp, [lo](const P3& p) { return p.x - lo; });
    n = ClipPolygon(tmp, n, screen, [hiX](const P3& p) { return hiX - p.x; });
    n = ClipPolygon(screen, n, tmp, [lo](const P3& p) { return p.y - lo; });
    n = ClipPolygon(tmp, n, screen, [hiY](const P3& p) { return hiY - p.y; });
    if (n < 3) return 0;
  }
  return n;
}

// Light from above, left and behind the viewer, in camera space.
double ShadeFactor(const P3 tri[3]) {
  constexpr double L[3] = {-0.40, 0.55, -0.73};
  const double ux = tri[1].x - tri[0].x, uy = tri[1].y - tri[0].y, uz = tri[1].z - tri[0].z;
  const double vx = tri[2].x - tri[0].x, vy = tri[2].y - tri[0].y, vz = tri[2].z - tri[0].z;
  const double nx = uy * vz - uz * vy, ny = uz * vx - ux * vz, nz = ux * vy - uy * vx;
  const double len = std::sqrt(nx * nx + ny * ny + nz * nz);
  const double lambert = len > 0.0 ? std::fabs(nx * L[0] + ny * L[1] + nz * L[2]) / len : 0.0;
  return 0.28 + 0.72 * lambert;
}

}  // namespace

void SceneRenderer::Project(const PreviewScene& scene, const std::vector<CVector>& positions,
                            const Camera& camera, int width, int height, bool shade,
                            RenderStats& stats) {
  const std::size_t nv = std::min(positions.size(), scene.RestVertices().size());
  ToCameraSpace(positions, BasisOf(camera), nv, cam_);
  const double focal =
      0.5 * std::min(width, height) / std::tan(camera.FieldOfView * 0.5 * std::numbers::pi / 180.0);
  // Points far outside the image are cut to a band around it, so the
  // rasteriser never sees coordinates it cannot hold.
  const Viewing viewing{focal, 0.5 * width, 0.5 * height, width, height, 4.0 * std::max(width, height)};
  const double nearZ = camera.Near > 0.0 ? camera.Near : 1e-6;

  items_.clear();
  for (const SceneTriangle& t : scene.Triangles()) {
    ++stats.Triangles;
    if (t.a >= nv || t.b >= nv || t.c >= nv) {
      ++stats.Culled;
      continue;
    }
    P3 tri[3];
    const std::uint32_t idx[3] = {t.a, t.b, t.c};
    bool finite = true;
    int behind = 0;
    for (int k = 0; k < 3; ++k) {
      const float* c = &cam_[3 * std::size_t(idx[k])];
      tri[k] = {c[0], c[1], c[2]};
      finite = finite && std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]);
      if (c[2] < nearZ) ++behind;
    }
    if (!finite || behind == 3) {
      ++stats.Culled;
      continue;
    }
    P3 poly[8];
    int n = 3;
    std::copy(tri, tri + 3, poly);
    if (behind > 0) {
      P3 cut[8];
      n = ClipPolygon(poly, n, cut, [nearZ](const P3& p) { return p.z - nearZ; });
      std::copy(cut, cut + n, poly);
      ++stats.Clipped;
    }
    P3 screen[8];
    n = n < 3 ? 0 : ToScreen(poly, n, viewing, screen);
    if (n == 0) {
      ++stats.Culled;
      continue;
    }
    Item item;
    item.depth = static_cast<float>((tri[0].z + tri[1].z + tri[2].z) / 3.0);
    item.count = n;
    for (int k = 0; k < n; ++k) item.points[k] = QPointF(screen[k].x, screen[k].y);
    const double factor = shade ? ShadeFactor(tri) : 1.0;
    item.colour = qRgb(static_cast<int>(t.red * factor), static_cast<int>(t.green * factor),
                       static_cast<int>(t.blue * factor));
    items_.push_back(item);
  }

  order_.resize(items_.size());
  for (std::size_t i = 0; i < order_.size(); ++i) order_[i] = static_cast<int>(i);
  std::stable_sort(order_.begin(), order_.end(),
                   [this](int l, int r) { return items_[l].depth > items_[r].depth; });
  stats.Drawn += static_cast<int>(items_.size());
}

void SceneRenderer::Paint(QImage& image, bool antialias, double opacity) {
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  painter.setOpacity(opacity);
  QColor last;
  for (int i : order_) {
    const Item& item = items_[i];
    const QColor colour = QColor::fromRgb(item.colour);
    if (colour != last) {
      // An outline in the fill colour closes the hairline seams that
      // antialiased neighbours would otherwise leave.
      painter.setPen(antialias ? QPen(colour, 0) : QPen(Qt::NoPen));
      painter.setBrush(colour);
      last = colour;
    }
    painter.drawConvexPolygon(item.points, item.count);
  }
}

void SceneRenderer::PaintGhost(const PreviewScene& scene, const Camera& camera,
                               const RenderOptions& options, QImage& image) {
  const bool same = !ghost_.isNull() && ghost_.size() == image.size() &&
                    ghostScene_ == scene.Serial() && ghostColour_ == options.GhostColour &&
                    ghostAntialias_ == options.Antialias && ghostCamera_.Target == camera.Target &&
                    ghostCamera_.Yaw == camera.Yaw && ghostCamera_.Pitch == camera.Pitch &&
                    ghostCamera_.Distance == camera.Distance &&
                    ghostCamera_.FieldOfView == camera.FieldOfView &&
                    ghostCamera_.Near == camera.Near;
  if (!same) {
    // The ghost is one flat silhouette: drawn opaque into its own layer, then
    // laid over the background at a low opacity, so overlapping faces do not
    // build up into darker patches.
    ghost_ = QImage(image.size(), QImage::Format_ARGB32_Premultiplied);
    ghost_.fill(Qt::transparent);
    RenderStats ignored;
    Project(scene, scene.RestVertices(), camera, image.width(), image.height(), false, ignored);
    for (Item& item : items_) item.colour = options.GhostColour.rgb();
    Paint(ghost_, options.Antialias, 1.0);
    ghostScene_ = scene.Serial();
    ghostCamera_ = camera;
    ghostColour_ = options.GhostColour;
    ghostAntialias_ = options.Antialias;
  }
  QPainter painter(&image);
  painter.setOpacity(options.GhostOpacity);
  painter.drawImage(0, 0, ghost_);
}

RenderStats SceneRenderer::Render(const PreviewScene& scene, const std::vector<CVector>& positions,
                                  const Camera& camera, const RenderOptions& options,
                                  QImage& image) {
  RenderStats stats;
  if (image.isNull()) return stats;
  image.fill(options.Background);
  if (options.Ghost) PaintGhost(scene, camera, options, image);
  Project(scene, positions, camera, image.width(), image.height(), true, stats);
  Paint(image, options.Antialias, 1.0);
  return stats;
}

}  // namespace bk
