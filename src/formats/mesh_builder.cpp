#include "formats/mesh_builder.h"

#include <cmath>

namespace bk {

namespace {

constexpr std::size_t kMaxPoints = static_cast<std::size_t>(CPolyChunk::kMaxPointCount);

// A name as the object's one-word "Name" line can carry it: blanks and
// control characters become '_'.
std::string PlainName(const std::string& name) {
  std::string plain = name.empty() ? std::string("Object") : name;
  for (char& c : plain) {
    if (static_cast<unsigned char>(c) <= 0x20 || c == 0x7F) c = '_';
  }
  return plain;
}

bool Finite(CVector v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

}  // namespace

MeshBuilder::MeshBuilder() : object_(std::make_unique<CPolyChunk>()) {
  CAxis& axis = object_->Axis;
  axis.XAxis = axis.Row0 = CVector(1.0f, 0.0f, 0.0f);
  axis.YAxis = axis.Row1 = CVector(0.0f, 1.0f, 0.0f);
  axis.ZAxis = axis.Row2 = CVector(0.0f, 0.0f, 1.0f);
}

bool MeshBuilder::HasRoomForVertices(std::size_t count) const {
  return count <= kMaxPoints && VertexCount() <= kMaxPoints - count;
}

bool MeshBuilder::HasRoomForUvs(std::size_t count) const {
  return count <= kMaxPoints && UvCount() <= kMaxPoints - count;
}

bool MeshBuilder::AddVertex(CVector v) {
  if (!Finite(v) || !HasRoomForVertices(1)) return false;
  object_->AddOwnedVertex(v);
  return true;
}

bool MeshBuilder::AddUv(CUvPoint t) {
  if (!std::isfinite(t.u) || !std::isfinite(t.v) || !HasRoomForUvs(1)) return false;
  object_->AddOwnedUvPoint(t);
  return true;
}

bool MeshBuilder::PlaceholderUv(std::uint32_t& index) {
  if (placeholderUv_ < 0) {
    if (!HasRoomForUvs(1)) return false;
    placeholderUv_ = static_cast<std::int64_t>(UvCount());
    object_->AddOwnedUvPoint(CUvPoint(0.0f, 0.0f));
  }
  index = static_cast<std::uint32_t>(placeholderUv_);
  return true;
}

std::int32_t MeshBuilder::AddMaterial(std::unique_ptr<CMaterial> material) {
  const auto index = static_cast<std::int32_t>(object_->Materials.size());
  material->ParentId = object_->Id;
  material->MaterialNumber = static_cast<std::uint8_t>(index & 0xFF);
  object_->Materials.push_back(std::move(material));
  tallies_.emplace_back();
  return index;
}

std::int32_t MeshBuilder::DefaultMaterial() {
  if (defaultMaterial_ < 0) defaultMaterial_ = AddMaterial(std::make_unique<CMaterial>());
  return defaultMaterial_;
}

bool MeshBuilder::AddFace(std::span<const std::uint32_t> vertices, std::span<const std::uint32_t> uvs,
                          std::int32_t material, bool smooth) {
  if (FaceCount() >= kMaxForeignFaces || vertices.size() != uvs.size() || vertices.empty()) return false;
  CFace face;
  face.VertexCount = static_cast<std::int32_t>(vertices.size());
  face.MaterialIndex = material;
  // The first corner stays first; the rest run backwards.
  face.VertexIndices.reserve(vertices.size());
  face.UvIndices.reserve(uvs.size());
  face.VertexIndices.push_back(vertices[0]);
  face.UvIndices.push_back(uvs[0]);
  for (std::size_t i = vertices.size() - 1; i > 0; --i) {
    face.VertexIndices.push_back(vertices[i]);
    face.UvIndices.push_back(uvs[i]);
  }
  object_->AddOwnedFace(std::move(face));
  if (material >= 0 && static_cast<std::size_t>(material) < tallies_.size()) {
    FacetTally& tally = tallies_[static_cast<std::size_t>(material)];
    ++tally.faces;
    if (smooth) ++tally.smooth;
  }
  return true;
}

std::unique_ptr<CPolyChunk> MeshBuilder::Finish(const std::string& name) {
  if (object_->Faces.empty()) return nullptr;
  CPolyChunk& object = *object_;
  object.Name = PlainName(name);
  object.VertexTotal = static_cast<std::int32_t>(object.Vertices.size());
  object.UvTotal = static_cast<std::int32_t>(object.UvPoints.size());
  object.FaceTotal = static_cast<std::int32_t>(object.Faces.size());
  for (std::size_t i = 0; i < object.Materials.size(); ++i) {
    const FacetTally& tally = tallies_[i];
    object.Materials[i]->Facet = tally.faces > 0 && tally.smooth * 2 >= tally.faces ? 's' : 'f';
  }
  return std::move(object_);
}

}  // namespace bk
