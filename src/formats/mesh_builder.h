#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cob/poly_chunk.h"

namespace bk {

// Faces above this are refused: a closed triangle mesh has about twice as
// many faces as vertices, so this is what the vertex limit allows.
inline constexpr std::size_t kMaxForeignFaces = 2 * static_cast<std::size_t>(CPolyChunk::kMaxPointCount);

// glTF and, by default, OBJ are Y-up; the modeller's world is Z-up (both
// right-handed). The exact inverse of the glTF export's (x, y, z) -> (x, z, -y).
inline CVector FromYUp(double x, double y, double z) {
  // 0 - z rather than -z, so a zero stays +0 in what is printed and written.
  return CVector(static_cast<float>(x), static_cast<float>(0.0 - z), static_cast<float>(y));
}

// Gathers one polygon object out of a foreign mesh file, element by element,
// and keeps it within the limits the object model has for every reader.
// Corners are given in the foreign files' counter-clockwise order and stored
// the other way round, as the modeller's front faces turn (the glTF export
// reverses them again). Every Add* that would pass a limit or store a number
// that is not finite returns false and adds nothing.
class MeshBuilder {
 public:
  MeshBuilder();

  // Room for `count` more vertices or texture vertices: false beyond the limit.
  bool HasRoomForVertices(std::size_t count) const;
  bool HasRoomForUvs(std::size_t count) const;
  bool AddVertex(CVector v);
  bool AddUv(CUvPoint t);
  std::size_t VertexCount() const { return object_->Vertices.size(); }
  std::size_t UvCount() const { return object_->UvPoints.size(); }
  // The one texture vertex (0, 0) for corners the file gives none, added on
  // first use; false when there is no room for it.
  bool PlaceholderUv(std::uint32_t& index);

  // Takes a material; returns its index.
  std::int32_t AddMaterial(std::unique_ptr<CMaterial> material);
  // A material of the default colour for faces the file gives none, added on
  // first use.
  std::int32_t DefaultMaterial();

  // One face; `smooth` says whether the file shades it smoothly. Indices must
  // already lie within the vertices and texture vertices added.
  bool AddFace(std::span<const std::uint32_t> vertices, std::span<const std::uint32_t> uvs,
               std::int32_t material, bool smooth);
  std::size_t FaceCount() const { return object_->Faces.size(); }

  // The object, named (blanks and control characters made '_'), its totals
  // set and each material smooth when at least half of its faces are; null
  // when no face was added.
  std::unique_ptr<CPolyChunk> Finish(const std::string& name);

 private:
  struct FacetTally {
    std::size_t faces = 0;
    std::size_t smooth = 0;
  };

  std::unique_ptr<CPolyChunk> object_;
  std::vector<FacetTally> tallies_;
  std::int64_t placeholderUv_ = -1;
  std::int32_t defaultMaterial_ = -1;
  std::vector<std::uint32_t> corners_;
  std::vector<std::uint32_t> cornerUvs_;
};

}  // namespace bk
