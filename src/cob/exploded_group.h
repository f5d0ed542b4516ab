#pragma once

#include <memory>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/face_run.h"
#include "cob/group.h"
#include "cob/poly_chunk.h"

namespace bk {

// One animated object of an explosion: a piece or a particle and the channel
// that moves it (the channel's ParentId is the mesh's Id).
//
// A piece is one of two shapes: a run of the source's faces (Run.Source set;
// Mesh then holds the chunk's name, frame and totals but no lists, so that a
// big explosion holds a fraction of the memory), or a mesh of its own
// (Run.Source null; Mesh holds its lists too). Whoever reads a piece's
// geometry goes through ListsOf, so no reader can miss a kind.
//
// The pieces the engine makes carry their group's shared materials and unit
// (see MaterialsOf) under chunk ids of their own: the unit's is SharedIds,
// the materials' follow it one by one. An object with SharedIds 0 carries its
// own, in Mesh (as the reader of exploded files gives them back).
struct ExplodedObject {
  std::unique_ptr<CPolyChunk> Mesh;
  std::unique_ptr<CAnimChunkEx> Channel;
  FaceRun Run;
  std::int32_t SharedIds = 0;
};

// What every piece cut from one object carries alike: the object's materials
// (and the piece maker's extra ones) and its unit, held once for the group
// rather than copied into each of what can be a quarter of a million pieces.
struct SharedParts {
  MaterialList Materials;
  std::unique_ptr<CUnit> Unit;
};

// How ListsOf hands over the vertex and texture-vertex values.
enum class ListValues {
  kAsHeld,     // the values themselves (shared with the source where they are)
  kAsWritten,  // copies, each as a .cob file holds it (see AsWrittenInLists)
};

// The mesh whose vertex, texture-vertex and face lists are the object's: Mesh
// itself, or `work` with the lists cut from the run (and with kAsWritten,
// `work` with copies of the values as a file holds them). `work`'s axis is
// made Mesh's, so its TransformPoint places the piece. Throws BadObjectData
// when the run names faces or corners the source does not have.
const CPolyChunk& ListsOf(const CPolyChunk& mesh, const FaceRun& run, CPolyChunk& work,
                          ListValues values = ListValues::kAsHeld);
inline const CPolyChunk& ListsOf(const ExplodedObject& object, CPolyChunk& work,
                                 ListValues values = ListValues::kAsHeld) {
  return ListsOf(*object.Mesh, object.Run, work, values);
}

// One group of an explosion ("Burstkin" or "BurstkinParticles") with its
// objects in order. The group chunk carries its own lines only; the objects
// are here, not among its Children. The engine makes these, the writer
// writes them and the reader of exploded files gives them back.
struct ExplodedGroup {
  std::unique_ptr<CGroup> Group;
  std::vector<ExplodedObject> Objects;
  std::unique_ptr<SharedParts> Shared;  // null when every object carries its own
};

// The materials of an object of a group that holds `shared`: its own or the
// group's shared ones.
inline const MaterialList& MaterialsOf(const SharedParts* shared, const ExplodedObject& object) {
  return object.SharedIds != 0 && shared != nullptr ? shared->Materials : object.Mesh->Materials;
}
inline const MaterialList& MaterialsOf(const ExplodedGroup& group, const ExplodedObject& object) {
  return MaterialsOf(group.Shared.get(), object);
}

}  // namespace bk
