#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "gltf/gltf_export.h"
#include "gltf/gltf_mesh.h"
#include "gltf/gltf_motion.h"

namespace bk {

// Makes, on a second thread, what each object's part of the document needs
// and depends on that object alone: its mesh and its prepared and planned
// motion. It runs a bounded number of objects ahead of the one being
// written, which takes them in order with Next.
class ObjectPrefetch {
 public:
  struct Work {
    // False when the mesh is left to the caller: it may show a texture map,
    // whose image is only looked for in order, or it is too large to keep
    // several of at a time.
    bool MeshBuilt = false;
    std::string MeshError;  // as GltfMeshBuilder::Build says
    GltfMeshData Mesh;
    // False when a key of the channel has a fault; the caller reports it.
    bool MotionPrepared = false;
    ObjectMotion Motion;
  };

  // `corners` holds a table per group (borrowed; it outlives the prefetch).
  ObjectPrefetch(std::span<const GltfGroup> groups, GltfSampling sampling,
                 std::span<const GltfCornerTable> corners);
  ~ObjectPrefetch();
  ObjectPrefetch(const ObjectPrefetch&) = delete;
  ObjectPrefetch& operator=(const ObjectPrefetch&) = delete;

  // The work of the next object (groups in order, their objects in order),
  // valid until the following call. Rethrows what stopped the thread there.
  Work& Next();

 private:
  // How far ahead the second thread may run. Either thread now and then
  // takes longer over an object (a spill hand-over, a larger piece); with
  // only a few dozen objects between them, each such moment made the other
  // wait, and the two waited for each other about a third of the time. The
  // slots keep their storage, a few kilobytes each.
  static constexpr std::size_t kSlots = 512;
  // Objects are handed over in batches: one wake-up for several, rather
  // than the two threads taking turns object by object.
  static constexpr std::size_t kBatch = 128;
  // Larger meshes are made by the caller, so that the slots stay small.
  static constexpr std::size_t kMaxFaces = 256;

  void Run();
  void Make(const GltfObject& object, const GltfCornerTable& corners, std::size_t index, Work& work);
  static void Publish(std::atomic<std::size_t>& count, std::size_t value);
  static std::size_t AwaitAtLeast(std::atomic<std::size_t>& count, std::size_t value, const std::atomic<bool>& stop);

  std::span<const GltfGroup> groups_;
  std::span<const GltfCornerTable> corners_;
  GltfSampling sampling_;
  GltfMeshBuilder meshBuilder_;
  CPolyChunk lists_{WorkingCopy{}};  // a piece's lists, as ListsOf gives them
  std::vector<Work> slots_;
  std::vector<std::exception_ptr> errors_;  // per slot
  std::size_t total_ = 0;
  std::size_t next_ = 0;                    // the object Next hands out next
  std::atomic<std::size_t> made_{0};        // objects made so far
  std::atomic<std::size_t> released_{0};    // objects the caller is done with
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace bk
