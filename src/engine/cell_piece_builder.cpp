#include "engine/cell_piece_builder.h"

#include <bit>
#include <cmath>

namespace bk {
namespace {

std::uint64_t Bits(float f) {
  if (f == 0.0f) f = 0.0f;  // -0 and +0 are one place
  return std::bit_cast<std::uint32_t>(f);
}

double Dot(const Point3& a, const Point3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

}  // namespace

std::uint32_t CellPieceBuilder::VertexOf(const Point3& p) {
  const Point3 c = planes_.Clamp(p);
  const CVector v(static_cast<float>(c[0]), static_cast<float>(c[1]), static_cast<float>(c[2]));
  const std::uint64_t hash = (Bits(v.x) * 0x9E3779B97F4A7C15ull) ^ (Bits(v.y) * 0xC2B2AE3D27D4EB4Full) ^ Bits(v.z);
  std::vector<std::uint32_t>& bucket = vertex_index_[hash];
  for (std::uint32_t i : bucket) {
    if (piece_.Vertices[i] == v) return i;
  }
  piece_.Vertices.push_back(v);
  bucket.push_back(static_cast<std::uint32_t>(piece_.Vertices.size() - 1));
  return bucket.back();
}

std::uint32_t CellPieceBuilder::UvOf(double u, double v) {
  const CUvPoint t(static_cast<float>(u), static_cast<float>(v));
  const std::uint64_t key = (Bits(t.u) << 32) | Bits(t.v);
  auto [it, added] = uv_index_.try_emplace(key, static_cast<std::uint32_t>(piece_.UvPoints.size()));
  if (added) piece_.UvPoints.push_back(t);
  return it->second;
}

void CellPieceBuilder::AddLoop(const std::vector<CutPoint>& loop, std::int32_t material, std::uint8_t flags,
                               bool hole, bool closed) {
  if (hole && !last_outer_kept_) return;
  CFace face;
  std::vector<std::uint32_t> vertices;
  std::vector<std::uint32_t> uvs;
  for (const CutPoint& point : loop) {
    const std::uint32_t index = VertexOf(point.p);
    if (!vertices.empty() && vertices.back() == index) continue;
    vertices.push_back(index);
    uvs.push_back(UvOf(point.u, point.v));
  }
  while (vertices.size() > 1 && vertices.back() == vertices.front()) {
    vertices.pop_back();
    uvs.pop_back();
  }
  if (vertices.size() < 3) {
    if (!hole) last_outer_kept_ = false;
    return;
  }
  face.VertexCount = static_cast<std::int32_t>(vertices.size());
  face.MaterialIndex = hole ? 0 : material;
  face.Flags = hole ? CFace::kHoleFlag : flags;
  face.VertexIndices.assign(vertices.begin(), vertices.end());
  face.UvIndices.assign(uvs.begin(), uvs.end());
  piece_.Faces.push_back(std::move(face));
  closed_.push_back(closed ? 1 : 0);
  if (!hole) last_outer_kept_ = true;
}

void CellPieceBuilder::AddCap(const CapFace& cap, const Point3& normal, double scale, std::int32_t material) {
  // The same orthonormal pair for a plane whichever cell asks, so the
  // texture's density is the same on every cap.
  Point3 u = std::fabs(normal[0]) < 0.9 ? Point3{0.0, normal[2], -normal[1]} : Point3{-normal[2], 0.0, normal[0]};
  const double length = std::sqrt(Dot(u, u));
  for (double& c : u) c /= length;
  const Point3 v{normal[1] * u[2] - normal[2] * u[1], normal[2] * u[0] - normal[0] * u[2],
                 normal[0] * u[1] - normal[1] * u[0]};
  auto project = [&](std::vector<CutPoint> loop) {
    for (CutPoint& p : loop) {
      p.u = Dot(p.p, u) * scale;
      p.v = Dot(p.p, v) * scale;
    }
    return loop;
  };
  AddLoop(project(cap.outer), material, 0, false, true);
  for (const auto& hole : cap.holes) AddLoop(project(hole), material, 0, true, true);
}

CellPiece CellPieceBuilder::Finish() {
  // Volume and centroid by cones from a fixed point over every loop's fan;
  // planar loops with holes add up right because holes turn the other way.
  const Point3 origin = planes_.Clamp({-INFINITY, -INFINITY, -INFINITY});
  double volume = 0.0;
  Point3 moment{0, 0, 0};
  double area = 0.0;
  Point3 surface{0, 0, 0};
  for (std::size_t f = 0; f < piece_.Faces.size(); ++f) {
    const CFace& face = piece_.Faces[f];
    auto at = [&](std::size_t i) {
      const CVector& p = piece_.Vertices[face.VertexIndices[i]];
      return Point3{p.x - origin[0], p.y - origin[1], p.z - origin[2]};
    };
    const Point3 a = at(0);
    for (std::size_t i = 1; i + 1 < face.VertexIndices.size(); ++i) {
      const Point3 b = at(i);
      const Point3 c = at(i + 1);
      const Point3 n{(b[1] - a[1]) * (c[2] - a[2]) - (b[2] - a[2]) * (c[1] - a[1]),
                     (b[2] - a[2]) * (c[0] - a[0]) - (b[0] - a[0]) * (c[2] - a[2]),
                     (b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])};
      const double twice = std::sqrt(Dot(n, n)) * (face.IsHole() ? -1.0 : 1.0);
      area += twice;
      for (std::size_t k = 0; k < 3; ++k) surface[k] += twice * (a[k] + b[k] + c[k]) / 3.0;
      if (!closed_[f]) continue;
      const double cone = Dot(a, n) / 6.0;
      volume += cone;
      for (std::size_t k = 0; k < 3; ++k) moment[k] += cone * (a[k] + b[k] + c[k]) / 4.0;
    }
  }
  Point3 centre{};
  const bool solid = std::fabs(volume) > 0.0;
  for (std::size_t k = 0; k < 3; ++k) {
    centre[k] = origin[k] + (solid ? moment[k] / volume : (area != 0 ? surface[k] / area : 0.0));
  }
  piece_.Volume = volume * orientation_;
  piece_.VolumeCentroid = CVector(static_cast<float>(centre[0]), static_cast<float>(centre[1]),
                                  static_cast<float>(centre[2]));
  return std::move(piece_);
}

}  // namespace bk
