#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "cob/poly_chunk.h"

namespace bk {

// One mesh as glTF draws it: a vertex per distinct (corner position, normal,
// texture vertex), in glTF's axes and relative to the object's centre, and
// its triangles grouped by material.
struct GltfMeshData {
  struct Part {
    std::size_t Slot = 0;  // 0: no material; otherwise index + 1 into the mesh's Materials
    std::vector<std::uint32_t> Indices;
  };
  std::vector<float> Positions;  // x y z per vertex
  std::vector<float> Normals;    // unit x y z per vertex
  std::vector<float> TexCoords;  // u v per vertex (glTF's v down), only when asked for
  std::vector<Part> Parts;       // the first PartCount hold this mesh's triangles
  std::size_t PartCount = 0;
};

// The faces of every object of a group met at each position. At rest the
// pieces of an explosion stand exactly where their faces stood in the
// object, so a piece's corner normals can take in the faces of the pieces
// beside it, and a smooth object stays smooth across its cuts. Positions
// are matched exactly (a hash of their bits), in time linear in the corners.
// Read-only once built, so several threads may share it.
class GltfCornerTable {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  // The chunk of object k (its totals; null: none) and its materials, cheaply.
  struct ChunkFacts {
    const CPolyChunk* Chunk = nullptr;
    const MaterialList* Materials = nullptr;
  };
  using ChunkOf = std::function<ChunkFacts(std::size_t k)>;
  // The lists of object k as GltfMeshBuilder is given them, made in `work`
  // where they must be cut; null, or an exception, for none.
  using ListsOf = std::function<const CPolyChunk*(std::size_t k, CPolyChunk& work)>;

  // Matches the corners of the `count` objects. Leaves the table empty when
  // none of their materials shares normals between faces (all faceted), or
  // when the group is too large to number in 32 bits.
  void Build(std::size_t count, const ChunkOf& chunk_of, const ListsOf& lists_of);
  bool Empty() const { return faceBase_.empty(); }

  // Per vertex of object `object`: its position, or kNone for a vertex
  // that is missing or not finite (and none at all for an object whose
  // lists could not be had).
  std::span<const std::uint32_t> PositionsOf(std::size_t object) const {
    return {positionOf_.data() + vertexBase_[object], positionOf_.data() + vertexBase_[object + 1]};
  }
  // The face `face` of the lists' Faces of object `object`, numbered in the group.
  std::uint32_t FaceId(std::size_t object, std::size_t face) const {
    return faceBase_[object] + static_cast<std::uint32_t>(face);
  }
  // Whether face `face` (numbered as FaceId) belongs to object `object`.
  bool Owns(std::size_t object, std::uint32_t face) const {
    const std::uint32_t end =
        object + 1 < faceBase_.size() ? faceBase_[object + 1] : static_cast<std::uint32_t>(normals_.size());
    return face >= faceBase_[object] && face < end;
  }
  // The faces (numbered as FaceId) with a corner at `position`, in object
  // and face order; a face with several corners there is listed as often.
  std::span<const std::uint32_t> FacesAt(std::uint32_t position) const {
    return {facesAt_.data() + facesAtStart_[position], facesAt_.data() + facesAtStart_[position + 1]};
  }
  // A face's area-weighted normal (zero for a hole, or a face that names a
  // vertex it does not have), as GltfMeshBuilder works it out.
  const std::array<double, 3>& Normal(std::uint32_t face) const { return normals_[face]; }
  // 1 / its length, or 0 when it has none to speak of (so that the cosine
  // with a unit vector is a product, not a square root per neighbour).
  double InverseLength(std::uint32_t face) const { return inverseLengths_[face]; }

 private:
  // Notes one object's positions and face normals, and its corners in
  // `corners` (position per corner) and `corner_ends` (per face id, the end
  // of its corners; a hole's corners count for the face it cuts).
  void AddObject(const CPolyChunk& lists, std::vector<std::uint32_t>& corners,
                 std::vector<std::uint32_t>& corner_ends);
  std::uint32_t PositionId(const CVector& p);
  void Grow();

  std::vector<std::uint32_t> vertexBase_;  // per object, and one past the last
  std::vector<std::uint32_t> positionOf_;
  std::vector<std::uint32_t> faceBase_;
  std::vector<std::array<double, 3>> normals_;
  std::vector<double> inverseLengths_;
  std::vector<std::uint32_t> facesAtStart_;  // per position, and one past the last
  std::vector<std::uint32_t> facesAt_;
  // Only while building: the distinct positions and the hash slots into them.
  std::vector<CVector> points_;
  std::vector<std::uint32_t> slots_;
  std::vector<CVector> world_;
};

// Builds GltfMeshData from a mesh, keeping its scratch storage between
// meshes. Normals follow each face's material: faceted ('f') flat, smooth
// ('s') shared by every face at a corner, auto ('a') shared with the faces at
// the corner that meet this one below the material's facet angle.
class GltfMeshBuilder {
 public:
  // Fills `out` from the lists of `mesh` (placed by its axis) under the
  // object's `materials`; returns a
  // message (empty on success) for a mesh that names vertices or texture
  // vertices it does not have or is not finite.
  // With a non-empty `corners` table, `mesh` is the lists of its object
  // `object` and the normals take in the faces of the group's other objects
  // at each corner.
  std::string Build(const MaterialList& materials, const CPolyChunk& mesh, bool with_texcoords, GltfMeshData& out,
                    const GltfCornerTable* corners = nullptr, std::size_t object = 0);

 private:
  struct FaceRecord {
    std::size_t Slot = 0;
    std::size_t FirstFace = 0;  // index in mesh.Faces; its holes follow it
    std::size_t FaceCount = 0;  // the face and its holes
    std::size_t FirstTriangle = 0;
    std::size_t TriangleCount = 0;  // corner indices, three per triangle
    std::array<double, 3> Normal{};  // area-weighted, the modeller's axes
    std::array<double, 3> Unit{};    // of unit length, or zero for a face without area
    char Facet = 'a';
    double MinCosine = 0.0;  // of the material's facet angle
  };

  std::string CollectFaces(const CPolyChunk& mesh);
  void LinkCornersToFaces(const CPolyChunk& mesh);
  std::array<double, 3> CornerNormal(std::size_t face, std::uint32_t vertex) const;
  std::array<double, 3> SharedCornerNormal(std::size_t face, std::uint32_t vertex) const;
  std::uint32_t OutputVertex(const CPolyChunk& mesh, std::uint32_t vertex, std::uint32_t uv,
                             const std::array<double, 3>& normal, GltfMeshData& out);
  void EmitFace(const CPolyChunk& mesh, std::size_t face, GltfMeshData& out);

  bool withTexcoords_ = false;
  const GltfCornerTable* corners_ = nullptr;  // borrowed for one Build; null: this mesh alone
  std::size_t object_ = 0;
  const MaterialList* materials_ = nullptr;  // borrowed for one Build
  std::vector<CVector> world_;
  std::vector<FaceRecord> faces_;
  std::vector<std::uint32_t> triangles_;
  std::vector<std::uint32_t> scratch_;
  std::vector<std::vector<std::uint32_t>> holes_;
  std::vector<std::pair<char, double>> slotSmoothing_;  // per material slot: facet mode and cosine, once known
  std::vector<std::uint32_t> facesAtStart_;  // per vertex: where its faces start in facesAt_
  std::vector<std::uint32_t> facesAt_;
  std::vector<std::uint32_t> firstOut_;  // per vertex: its first output vertex, or none
  std::vector<std::uint32_t> nextOut_;   // per output vertex: the next of the same vertex
  std::vector<std::uint32_t> outUv_;     // per output vertex: its texture vertex
  std::vector<std::uint32_t> cornerOut_;  // per vertex: its output vertex in the current face
};

}  // namespace bk
