#include "gltf/gltf_mesh.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <tuple>

#include "cob/material.h"
#include "model/triangulate.h"

namespace bk {
namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

using Vec = std::array<double, 3>;

double Dot3(const Vec& a, const Vec& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

Vec Unit(const Vec& v) {
  const double length = std::sqrt(Dot3(v, v));
  if (!(length > 1e-300) || !std::isfinite(length)) return {0, 0, 0};
  return {v[0] / length, v[1] / length, v[2] / length};
}

// The modeller's front faces turn clockwise, so the side a face shows is
// against Newell's normal of its corner order; the triangles are reversed
// for glTF to match. Length: twice the face's area.
Vec FaceNormal(std::span<const CVector> points, std::span<const std::uint32_t> ring) {
  Vec n{0, 0, 0};
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const CVector& p = points[ring[i]];
    const CVector& q = points[ring[(i + 1) % ring.size()]];
    n[0] -= (static_cast<double>(p.y) - q.y) * (static_cast<double>(p.z) + q.z);
    n[1] -= (static_cast<double>(p.z) - q.z) * (static_cast<double>(p.x) + q.x);
    n[2] -= (static_cast<double>(p.x) - q.x) * (static_cast<double>(p.y) + q.y);
  }
  return n;
}

// The facet mode and the cosine of the facet angle of the material in `slot`.
std::pair<char, double> Smoothing(const MaterialList& materials, std::size_t slot) {
  const CMaterial* material = slot > 0 ? materials[slot - 1].get() : nullptr;
  if (material == nullptr) return {'a', std::cos(40.0 * M_PI / 180.0)};
  const double angle = std::clamp(static_cast<double>(material->FacetAngle), 0.0, 180.0);
  return {material->Facet, std::cos(angle * M_PI / 180.0)};
}

// The modeller is Z-up, glTF Y-up: (x, y, z) -> (x, z, -y).
// One at a time: a range insert of three floats costs a library copy.
void PutMapped(std::vector<float>& out, const Vec& v) {
  out.push_back(static_cast<float>(v[0]));
  out.push_back(static_cast<float>(v[2]));
  out.push_back(static_cast<float>(-v[1]));
}

bool IsFinite(const CVector& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

std::uint64_t Bits(float f) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &f, sizeof bits);
  return bits;
}

std::size_t PositionHash(const CVector& p) {
  std::uint64_t h = Bits(p.x) * 0x9E3779B97F4A7C15ull ^ Bits(p.y) * 0xC2B2AE3D27D4EB4Full ^
                    Bits(p.z) * 0x165667B19E3779F9ull;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  return static_cast<std::size_t>(h ^ (h >> 32));
}

bool SharesNormals(const MaterialList& materials) {
  if (materials.empty()) return true;  // the default material is auto
  return std::any_of(materials.begin(), materials.end(),
                     [](const auto& material) { return material && material->Facet != 'f'; });
}

}  // namespace

void GltfCornerTable::Build(std::size_t count, const ChunkOf& chunk_of, const ListsOf& lists_of) {
  *this = GltfCornerTable();
  bool shares = false;
  std::size_t vertex_total = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const auto [chunk, materials] = chunk_of(k);
    if (chunk == nullptr) continue;
    shares = shares || SharesNormals(*materials);
    vertex_total += static_cast<std::size_t>(std::max(chunk->VertexTotal, 0));
  }
  if (!shares) return;
  // Pieces share most of their positions, so a slot per vertex seldom
  // fills to half and needs no rehashing on the way.
  positionOf_.reserve(vertex_total);
  points_.reserve(vertex_total);
  slots_.assign(std::bit_ceil(std::max<std::size_t>(vertex_total, 1024)), kNone);
  std::vector<std::uint32_t> corners;
  std::vector<std::uint32_t> corner_ends;
  CPolyChunk work{WorkingCopy{}};
  for (std::size_t k = 0; k < count; ++k) {
    vertexBase_.push_back(static_cast<std::uint32_t>(positionOf_.size()));
    faceBase_.push_back(static_cast<std::uint32_t>(normals_.size()));
    const CPolyChunk* lists = nullptr;
    try {
      lists = lists_of(k, work);
    } catch (const std::exception&) {
      lists = nullptr;  // the mesh builder meets the same fault and reports it
    }
    if (lists != nullptr) AddObject(*lists, corners, corner_ends);
    if (positionOf_.size() >= kNone || normals_.size() >= kNone || corners.size() >= kNone) {
      *this = GltfCornerTable();
      return;
    }
  }
  vertexBase_.push_back(static_cast<std::uint32_t>(positionOf_.size()));
  // Counted, then listed, per position in the order met.
  facesAtStart_.assign(points_.size() + 1, 0);
  for (const std::uint32_t position : corners) ++facesAtStart_[position + 1];
  for (std::size_t p = 0; p < points_.size(); ++p) facesAtStart_[p + 1] += facesAtStart_[p];
  facesAt_.resize(corners.size());
  std::vector<CVector>().swap(points_);
  slots_.assign(facesAtStart_.begin(), facesAtStart_.end() - 1);
  std::uint32_t begin = 0;
  for (std::uint32_t face = 0; face < corner_ends.size(); ++face) {
    for (std::uint32_t c = begin; c < corner_ends[face]; ++c) facesAt_[slots_[corners[c]]++] = face;
    begin = corner_ends[face];
  }
  std::vector<std::uint32_t>().swap(slots_);
}

void GltfCornerTable::AddObject(const CPolyChunk& lists, std::vector<std::uint32_t>& corners,
                                std::vector<std::uint32_t>& corner_ends) {
  const std::size_t first = positionOf_.size();
  world_.assign(lists.Vertices.size(), CVector{0, 0, 0});
  for (std::size_t i = 0; i < lists.Vertices.size(); ++i) {
    if (lists.Vertices[i] != nullptr) world_[i] = lists.TransformPoint(*lists.Vertices[i]);
    const bool usable = lists.Vertices[i] != nullptr && IsFinite(world_[i]);
    positionOf_.push_back(usable ? PositionId(world_[i]) : kNone);
  }
  const auto face_base = static_cast<std::uint32_t>(normals_.size());
  normals_.resize(normals_.size() + lists.Faces.size(), {0, 0, 0});
  inverseLengths_.resize(normals_.size(), 0.0);
  corner_ends.resize(normals_.size(), static_cast<std::uint32_t>(corners.size()));
  std::size_t owner = kNone;  // the face a hole here cuts (one before it, with no gap)
  for (std::size_t i = 0; i < lists.Faces.size(); ++i) {
    const CFace* face = lists.Faces[i];
    corner_ends[face_base + i] = static_cast<std::uint32_t>(corners.size());
    if (face == nullptr || (face->IsHole() && owner == kNone)) {
      owner = kNone;
      continue;
    }
    const auto& ring = face->VertexIndices;
    const bool sound = std::all_of(ring.begin(), ring.end(), [&](std::uint32_t v) { return v < world_.size(); });
    if (!face->IsHole()) {
      owner = i;
      if (sound) {
        const Vec n = FaceNormal(world_, ring);
        const double length = std::sqrt(Dot3(n, n));
        normals_[face_base + i] = n;
        inverseLengths_[face_base + i] = length > 1e-300 && std::isfinite(length) ? 1.0 / length : 0.0;
      }
    }
    for (const std::uint32_t v : ring) {
      if (v < world_.size() && positionOf_[first + v] != kNone) corners.push_back(positionOf_[first + v]);
    }
    // A hole's corners count for the face it cuts: the face's run of corners
    // ends after them, and the holes' own runs are empty.
    for (std::size_t f = owner; f <= i; ++f) corner_ends[face_base + f] = static_cast<std::uint32_t>(corners.size());
  }
}

std::uint32_t GltfCornerTable::PositionId(const CVector& p) {
  if (2 * points_.size() >= slots_.size()) Grow();
  const CVector key(p.x + 0.0f, p.y + 0.0f, p.z + 0.0f);  // -0 is 0
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = PositionHash(key) & mask;; i = (i + 1) & mask) {
    std::uint32_t& slot = slots_[i];
    if (slot == kNone) {
      slot = static_cast<std::uint32_t>(points_.size());
      points_.push_back(key);
      return slot;
    }
    if (points_[slot] == key) return slot;
  }
}

void GltfCornerTable::Grow() {
  slots_.assign(std::max<std::size_t>(1024, 2 * slots_.size()), kNone);
  const std::size_t mask = slots_.size() - 1;
  for (std::uint32_t id = 0; id < points_.size(); ++id) {
    std::size_t i = PositionHash(points_[id]) & mask;
    while (slots_[i] != kNone) i = (i + 1) & mask;
    slots_[i] = id;
  }
}

std::string GltfMeshBuilder::Build(const MaterialList& materials, const CPolyChunk& mesh, bool with_texcoords,
                                   GltfMeshData& out, const GltfCornerTable* corners, std::size_t object) {
  materials_ = &materials;
  out.Positions.clear();
  out.Normals.clear();
  out.TexCoords.clear();
  out.PartCount = 0;
  withTexcoords_ = with_texcoords;
  corners_ = corners != nullptr && !corners->Empty() ? corners : nullptr;
  object_ = object;
  const std::size_t vertex_count = mesh.Vertices.size();
  world_.resize(vertex_count);
  for (std::size_t i = 0; i < vertex_count; ++i) {
    if (mesh.Vertices[i] == nullptr) return "a vertex is missing";
    world_[i] = mesh.TransformPoint(*mesh.Vertices[i]);
    if (!std::isfinite(world_[i].x) || !std::isfinite(world_[i].y) || !std::isfinite(world_[i].z)) {
      return "a vertex is not a finite number";
    }
  }
  if (std::string error = CollectFaces(mesh); !error.empty()) return error;
  if (faces_.empty()) return {};
  if (corners_ == nullptr) LinkCornersToFaces(mesh);
  firstOut_.assign(vertex_count, kNone);
  cornerOut_.assign(vertex_count, kNone);
  nextOut_.clear();
  outUv_.clear();
  for (std::size_t f = 0; f < faces_.size(); ++f) EmitFace(mesh, f, out);
  return {};
}

// Triangulates every drawn face (a hole cuts the face before it; a hole
// with no face before it is not drawn) and notes its material and normal.
std::string GltfMeshBuilder::CollectFaces(const CPolyChunk& mesh) {
  faces_.clear();
  triangles_.clear();
  slotSmoothing_.assign(materials_->size() + 1, {0, 0.0});
  const std::size_t face_count = mesh.Faces.size();
  auto check = [&](const CFace& face) -> std::string {
    for (std::uint32_t v : face.VertexIndices) {
      if (v >= world_.size()) return "a face names a vertex it does not have";
    }
    if (!withTexcoords_) return {};
    if (face.UvIndices.size() != face.VertexIndices.size()) return "a face's texture vertices do not match its corners";
    for (std::uint32_t t : face.UvIndices) {
      if (t >= mesh.UvPoints.size() || mesh.UvPoints[t] == nullptr) {
        return "a face names a texture vertex it does not have";
      }
    }
    return {};
  };
  for (std::size_t i = 0; i < face_count; ++i) {
    const CFace* face = mesh.Faces[i];
    if (face == nullptr || face->IsHole()) continue;
    if (std::string error = check(*face); !error.empty()) return error;
    holes_.clear();
    std::size_t j = i + 1;
    for (; j < face_count && mesh.Faces[j] != nullptr && mesh.Faces[j]->IsHole(); ++j) {
      if (std::string error = check(*mesh.Faces[j]); !error.empty()) return error;
      holes_.emplace_back(mesh.Faces[j]->VertexIndices.begin(), mesh.Faces[j]->VertexIndices.end());
    }
    FaceRecord record;
    record.FirstFace = i;
    record.FaceCount = j - i;
    record.FirstTriangle = triangles_.size();
    TriangulateFace(world_, face->VertexIndices, holes_, triangles_);
    record.TriangleCount = triangles_.size() - record.FirstTriangle;
    if (record.TriangleCount == 0) continue;
    record.Slot = face->MaterialIndex >= 0 && static_cast<std::size_t>(face->MaterialIndex) < materials_->size()
                      ? static_cast<std::size_t>(face->MaterialIndex) + 1
                      : 0;
    record.Normal = FaceNormal(world_, face->VertexIndices);
    record.Unit = Unit(record.Normal);
    std::pair<char, double>& smoothing = slotSmoothing_[record.Slot];
    if (smoothing.first == 0) smoothing = Smoothing(*materials_, record.Slot);  // a cosine per material, not per face
    std::tie(record.Facet, record.MinCosine) = smoothing;
    faces_.push_back(record);
  }
  return {};
}

// For every vertex, the drawn faces (with their holes) that have a corner there.
void GltfMeshBuilder::LinkCornersToFaces(const CPolyChunk& mesh) {
  facesAtStart_.assign(world_.size() + 1, 0);
  auto for_each_corner = [&](auto&& visit) {
    for (std::size_t f = 0; f < faces_.size(); ++f) {
      for (std::size_t k = 0; k < faces_[f].FaceCount; ++k) {
        for (std::uint32_t v : mesh.Faces[faces_[f].FirstFace + k]->VertexIndices) visit(f, v);
      }
    }
  };
  for_each_corner([&](std::size_t, std::uint32_t v) { ++facesAtStart_[v + 1]; });
  for (std::size_t v = 0; v < world_.size(); ++v) facesAtStart_[v + 1] += facesAtStart_[v];
  facesAt_.resize(facesAtStart_.back());
  scratch_.assign(facesAtStart_.begin(), facesAtStart_.end() - 1);
  for_each_corner([&](std::size_t f, std::uint32_t v) { facesAt_[scratch_[v]++] = static_cast<std::uint32_t>(f); });
}

// The same rules as CornerNormal, over the faces of the whole group that
// meet at the corner's position.
std::array<double, 3> GltfMeshBuilder::SharedCornerNormal(std::size_t face, std::uint32_t vertex) const {
  const FaceRecord& own = faces_[face];
  Vec sum = own.Normal;
  const std::span<const std::uint32_t> positions = corners_->PositionsOf(object_);
  const std::uint32_t position = vertex < positions.size() ? positions[vertex] : GltfCornerTable::kNone;
  if ((own.Facet == 's' || own.Facet == 'a') && position != GltfCornerTable::kNone) {
    const std::uint32_t self = corners_->FaceId(object_, own.FirstFace);
    std::uint32_t previous = kNone;  // a face with several corners here counts once
    for (const std::uint32_t other : corners_->FacesAt(position)) {
      if (other == self || other == previous) continue;
      previous = other;
      const Vec& n = corners_->Normal(other);
      const double cosine = Dot3(n, own.Unit) * corners_->InverseLength(other);
      if (own.Facet == 'a' && !(cosine >= own.MinCosine - 1e-12)) continue;
      // Another piece's face that looks the other way is no neighbour on
      // the surface: the far side of a thin shell, or a solid cell's cap
      // lying against this one's.
      if (!(cosine > 0.0) && !corners_->Owns(object_, other)) continue;
      for (int a = 0; a < 3; ++a) sum[a] += n[a];
    }
  }
  Vec unit = Unit(sum);
  if (unit == Vec{0, 0, 0}) unit = own.Unit;
  if (unit == Vec{0, 0, 0}) unit = {0, 0, 1};
  return unit;
}

std::array<double, 3> GltfMeshBuilder::CornerNormal(std::size_t face, std::uint32_t vertex) const {
  if (corners_ != nullptr) return SharedCornerNormal(face, vertex);
  const FaceRecord& own = faces_[face];
  const Vec& flat = own.Unit;
  Vec sum = own.Normal;
  if (own.Facet == 's' || own.Facet == 'a') {
    std::uint32_t previous = kNone;  // a face with several corners here counts once
    for (std::uint32_t k = facesAtStart_[vertex]; k < facesAtStart_[vertex + 1]; ++k) {
      const std::uint32_t other = facesAt_[k];
      if (other == face || other == previous) continue;
      previous = other;
      const Vec& n = faces_[other].Normal;
      if (own.Facet == 'a' && !(Dot3(faces_[other].Unit, flat) >= own.MinCosine - 1e-12)) continue;
      for (int a = 0; a < 3; ++a) sum[a] += n[a];
    }
  }
  Vec unit = Unit(sum);
  if (unit == Vec{0, 0, 0}) unit = flat;
  if (unit == Vec{0, 0, 0}) unit = {0, 0, 1};  // a face without area: any unit normal will do
  return unit;
}

std::uint32_t GltfMeshBuilder::OutputVertex(const CPolyChunk& mesh, std::uint32_t vertex, std::uint32_t uv,
                                            const std::array<double, 3>& normal, GltfMeshData& out) {
  const float stored[3] = {static_cast<float>(normal[0]), static_cast<float>(normal[2]),
                           static_cast<float>(-normal[1])};
  for (std::uint32_t o = firstOut_[vertex]; o != kNone; o = nextOut_[o]) {
    if (outUv_[o] == uv && std::equal(stored, stored + 3, out.Normals.begin() + 3 * o)) return o;
  }
  const auto index = static_cast<std::uint32_t>(nextOut_.size());
  nextOut_.push_back(firstOut_[vertex]);
  firstOut_[vertex] = index;
  outUv_.push_back(uv);
  const CVector c = mesh.Axis.Center;
  PutMapped(out.Positions, {static_cast<double>(world_[vertex].x) - c.x, static_cast<double>(world_[vertex].y) - c.y,
                            static_cast<double>(world_[vertex].z) - c.z});
  for (int a = 0; a < 3; ++a) out.Normals.push_back(stored[a]);
  if (withTexcoords_) {
    const CUvPoint& t = *mesh.UvPoints[uv];
    out.TexCoords.insert(out.TexCoords.end(), {t.u, 1.0f - t.v});
  }
  return index;
}

// Appends one face's triangles, reversed for glTF, to its material's part.
void GltfMeshBuilder::EmitFace(const CPolyChunk& mesh, std::size_t face, GltfMeshData& out) {
  const FaceRecord& record = faces_[face];
  for (std::size_t k = 0; k < record.FaceCount; ++k) {
    const CFace& ring = *mesh.Faces[record.FirstFace + k];
    for (std::size_t c = 0; c < ring.VertexIndices.size(); ++c) {
      const std::uint32_t v = ring.VertexIndices[c];
      if (cornerOut_[v] != kNone) continue;  // the first corner at a point stands for it
      const std::uint32_t uv = withTexcoords_ ? ring.UvIndices[c] : 0;
      cornerOut_[v] = OutputVertex(mesh, v, uv, CornerNormal(face, v), out);
    }
  }
  std::size_t part = 0;
  while (part < out.PartCount && out.Parts[part].Slot != record.Slot) ++part;
  if (part == out.PartCount) {
    if (out.Parts.size() == out.PartCount) out.Parts.emplace_back();
    out.Parts[part].Slot = record.Slot;
    out.Parts[part].Indices.clear();
    ++out.PartCount;
  }
  std::vector<std::uint32_t>& indices = out.Parts[part].Indices;
  const std::uint32_t* t = triangles_.data() + record.FirstTriangle;
  for (std::size_t i = 0; i + 2 < record.TriangleCount; i += 3) {
    indices.insert(indices.end(), {cornerOut_[t[i]], cornerOut_[t[i + 2]], cornerOut_[t[i + 1]]});
  }
  for (std::size_t k = 0; k < record.FaceCount; ++k) {
    for (std::uint32_t v : mesh.Faces[record.FirstFace + k]->VertexIndices) cornerOut_[v] = kNone;
  }
}

}  // namespace bk
