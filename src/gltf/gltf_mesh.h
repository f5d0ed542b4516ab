#pragma once

#include <array>
#include <cstdint>
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

// Builds GltfMeshData from a mesh, keeping its scratch storage between
// meshes. Normals follow each face's material: faceted ('f') flat, smooth
// ('s') shared by every face at a corner, auto ('a') shared with the faces at
// the corner that meet this one below the material's facet angle.
class GltfMeshBuilder {
 public:
  // Fills `out` from the lists of `mesh` (placed by its axis) under the
  // materials of `chunk` (the object's chunk, or the same mesh); returns a
  // message (empty on success) for a mesh that names vertices or texture
  // vertices it does not have or is not finite.
  std::string Build(const CPolyChunk& chunk, const CPolyChunk& mesh, bool with_texcoords, GltfMeshData& out);

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
  std::uint32_t OutputVertex(const CPolyChunk& mesh, std::uint32_t vertex, std::uint32_t uv,
                             const std::array<double, 3>& normal, GltfMeshData& out);
  void EmitFace(const CPolyChunk& mesh, std::size_t face, GltfMeshData& out);

  bool withTexcoords_ = false;
  const std::vector<std::unique_ptr<CMaterial>>* materials_ = nullptr;
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
