#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "cob/cob_base.h"
#include "cob/face_run.h"
#include "cob/material.h"
#include "cob/unit.h"
#include "model/axis.h"
#include "model/face.h"
#include "model/stable_store.h"
#include "model/uv_point.h"
#include "model/vector.h"

namespace bk {

class CRandom;

// One polygon mesh (PolH chunk): frame and transform, vertices, texture
// vertices, faces (holes stand right after the face they cut), materials and
// unit.
//
// The three element lists hold pointers. Elements added with the AddOwned*
// functions live in this chunk's own storage and go with it; lists copied
// from another chunk point into that chunk's storage, which must outlive this
// one (pieces share the imported object's vertices and texture vertices;
// particles share their template's vertices, texture vertices and faces).
// The Owns flags record which lists are this chunk's own for whoever reads
// the object; nothing is freed by them. Materials and the unit are always
// this chunk's own.
class CPolyChunk : public CCobBase {
 public:
  static constexpr std::uint32_t kNotFound = 0xFFFFFFFFu;
  // Vertex and texture-vertex counts above this are refused as malformed,
  // whatever the file format.
  static constexpr std::int32_t kMaxPointCount = 1000000;

  CPolyChunk() = default;
  explicit CPolyChunk(WorkingCopy tag) : CCobBase(tag) {}
  ~CPolyChunk() override { DeleteContents(); }

  // Reads an object as an import takes it: the body, then its unit and
  // materials among the chunks that follow (up to the next object, group or
  // END), and bakes the transform into the vertices.
  bool Read(LineReader& in, std::string_view header) override;
  // The PolH chunk alone, header through the last corner line, transform as
  // written. False for malformed counts, corner lines or indices, or a text
  // that ends inside the chunk.
  bool ReadBody(LineReader& in, std::string_view header);
  void DeleteContents() override;
  // The chunk, then its materials and its unit.
  void Write(CobWriter& out) const override { Write(out, *this); }
  // The same with the vertex, texture-vertex and face lists of `lists` (a
  // piece's lists, see ListsOf) under this chunk's counts.
  void Write(CobWriter& out, const CPolyChunk& lists) const;
  // The PolH chunk alone, as ReadBody reads it.
  void WriteBody(CobWriter& out, const CPolyChunk& lists) const;
  void WriteBody(CobWriter& out) const { WriteBody(out, *this); }

  // On a newly made chunk: copies the axis, the totals, HoleCount and Centroid;
  // shares source's vertices, texture vertices and faces (Owns flags become
  // 0); makes its own copies of the materials and
  // of the unit (whose ParentId becomes this chunk's Id). Id, ParentId and
  // Name are not copied.
  void CopyFrom(const CPolyChunk& source);

  // Appends to the chunk's own storage and to the list; returns the element.
  CVector* AddOwnedVertex(CVector v);
  CUvPoint* AddOwnedUvPoint(CUvPoint t);
  CFace* AddOwnedFace(CFace face);
  // Empties the vertex, texture-vertex and face lists and frees the elements
  // this chunk owns; the lists keep their room.
  void ClearGeometry();
  // Takes over other's lists with the elements it owns (other is left with
  // none); the Owns flags become other's.
  void TakeGeometry(CPolyChunk& other);
  // Room for `count` more owned faces with nothing to spare, for a chunk
  // whose face count is known before its faces are added.
  void ReserveOwnedFaces(std::size_t count);

  // Geometric operations (they change nothing unless they say so).
  CVector ComputeCentroid();        // mean of Vertices; stores it in Centroid; (0,0,0) when empty
  CVector FaceMidpointCenter() const;  // running halving over corners and faces
  CVector LowerCorner() const;      // component-wise min of (0,0,0) and every corner's vertex
  CVector TransformPoint(CVector p) const { return Axis.TransformPoint(p); }
  void BakeTransform();             // applies the transform to every vertex, then makes it the identity
  std::uint32_t FindVertex(CVector v) const;     // first exact match or kNotFound
  std::uint32_t FindUvPoint(CUvPoint t) const;   // first exact match or kNotFound

  CAxis Axis;
  std::int32_t VertexTotal = 0;
  std::vector<CVector*> Vertices;
  std::int32_t UvTotal = 0;
  std::vector<CUvPoint*> UvPoints;
  std::int32_t FaceTotal = 0;
  std::int32_t HoleCount = 0;
  std::vector<CFace*> Faces;
  MaterialList Materials;
  std::unique_ptr<CUnit> Unit;
  CVector Centroid;
  int OwnsVertices = 1;
  int OwnsUvPoints = 1;
  int OwnsFaces = 1;
  // Always 1: Materials are this chunk's own. (The pieces of an explosion
  // hold none and carry their group's shared ones; see ExplodedObject.)
  int OwnsMaterials = 1;

 private:
  bool ReadVertices(LineReader& in);
  bool ReadUvPoints(LineReader& in);
  bool ReadFaces(LineReader& in);
  void ReadFollowingChunks(LineReader& in);
  // The vertex, texture-vertex and face lines: the counts are this chunk's,
  // the lists those of `lists`.
  void WriteElementLists(CobWriter& out, const CPolyChunk& lists) const;

  // Stable addresses: the lists point into these.
  StableStore<CVector> vertexStore_;
  StableStore<CUvPoint> uvStore_;
  StableStore<CFace> faceStore_;
};

}  // namespace bk
