#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "gltf/gltf_export.h"
#include "gltf/gltf_mesh.h"
#include "gltf/gltf_motion.h"
#include "model/parallel_map.h"

namespace bk {

// Makes ahead, on both cores, what each object's part of the document needs
// and depends on that object alone: its mesh and its prepared and planned
// motion. The objects are handed over in order, a batch at a time.
class ObjectPrefetch {
 public:
  struct Work {
    std::size_t Group = 0;  // where the object stands
    std::size_t Object = 0;
    // False when the mesh is left to the caller: it may show a texture map,
    // whose image is only looked for in order, or it is too large to keep
    // several of at a time.
    bool MeshBuilt = false;
    std::string MeshError;  // as GltfMeshBuilder::Build says
    GltfMeshData Mesh;
    // False when a key of the channel has a fault; the caller reports it.
    bool MotionPrepared = false;
    ObjectMotion Motion;
    // What stopped the making: thrown again when the object's turn comes,
    // so that the objects before it go first, as in a single pass.
    std::exception_ptr Failure;
  };
  // use(group, object, work) for an object, in order.
  using Use = std::function<void(std::size_t, std::size_t, Work&)>;

  // `corners` holds a table per group (borrowed, as the groups are).
  ObjectPrefetch(std::span<const GltfGroup> groups, GltfSampling sampling,
                 std::span<const GltfCornerTable> corners);

  // Calls `use` for every object (groups in order, their objects in order)
  // on this thread; what it throws passes through once the making stops.
  void ForEach(const Use& use);

 private:
  // Objects are made in batches: one hand-over for many, rather than the
  // two threads taking turns object by object. With a few batches allowed to
  // wait, either thread's slower moments (a larger piece, say) do not stall
  // the other.
  static constexpr std::size_t kBatch = 128;
  static constexpr std::size_t kAhead = 3;
  // Larger meshes are made by the caller, so that the batches stay small.
  static constexpr std::size_t kMaxFaces = 256;

  // A batch with the scratch storage its making needs; batches are used
  // again, so that their storage serves from one to the next.
  struct Batch {
    std::vector<Work> Works;
    GltfMeshBuilder MeshBuilder;
    CPolyChunk Lists{WorkingCopy{}};  // a piece's lists, as ListsOf gives them
  };
  using BatchPtr = std::unique_ptr<Batch>;

  BatchPtr Make(std::size_t b);
  void Make(const GltfObject& object, const GltfCornerTable& corners, std::size_t index, Batch& batch, Work& work);

  std::span<const GltfGroup> groups_;
  std::span<const GltfCornerTable> corners_;
  GltfSampling sampling_;
  std::vector<std::size_t> firstOf_;  // per group: the index of its first object among all
  std::size_t total_ = 0;
  Spares<Batch> spares_;
};

}  // namespace bk
