#include "gltf/object_prefetch.h"

#include <algorithm>

#include "gltf/gltf_material.h"
#include "model/parallel_map.h"

namespace bk {
namespace {

bool MayShowTexture(const MaterialList& materials) {
  for (const auto& material : materials) {
    if (NamesTextureMap(material.get())) return true;
  }
  return false;
}

}  // namespace

ObjectPrefetch::ObjectPrefetch(std::span<const GltfGroup> groups, GltfSampling sampling,
                               std::span<const GltfCornerTable> corners)
    : groups_(groups), corners_(corners), sampling_(sampling) {
  for (const GltfGroup& group : groups) {
    firstOf_.push_back(total_);
    total_ += group.ObjectCount();
  }
}

void ObjectPrefetch::ForEach(const Use& use) {
  MapInOrder<BatchPtr>(
      (total_ + kBatch - 1) / kBatch, MapThreads{2, kAhead}, [this](std::size_t b, const MapStop&) { return Make(b); },
      [&](std::size_t, BatchPtr&& batch) {
        for (Work& work : batch->Works) {
          if (work.Failure) std::rethrow_exception(work.Failure);
          use(work.Group, work.Object, work);
        }
        spares_.Give(std::move(batch));
        return true;
      });
}

ObjectPrefetch::BatchPtr ObjectPrefetch::Make(std::size_t b) {
  BatchPtr batch = spares_.Take();
  if (!batch) batch = std::make_unique<Batch>();
  const std::size_t first = b * kBatch;
  const std::size_t count = std::min(kBatch, total_ - first);
  // The group of the batch's first object: the last that starts at or before it.
  std::size_t g = static_cast<std::size_t>(std::upper_bound(firstOf_.begin(), firstOf_.end(), first) - firstOf_.begin()) - 1;
  std::size_t k = first - firstOf_[g];
  batch->Works.resize(count);
  for (Work& work : batch->Works) {
    while (k >= groups_[g].ObjectCount()) {
      ++g;
      k = 0;
    }
    work.Group = g;
    work.Object = k;
    try {
      work.Failure = nullptr;
      Make(groups_[g].Object(k), corners_[g], k, *batch, work);
    } catch (...) {
      work.Failure = std::current_exception();
    }
    ++k;
  }
  return batch;
}

void ObjectPrefetch::Make(const GltfObject& object, const GltfCornerTable& corners, std::size_t index, Batch& batch,
                          Work& work) {
  work.MeshBuilt = false;
  work.MotionPrepared = false;
  if (object.Mesh == nullptr) return;
  const CPolyChunk& mesh = *object.Mesh;
  const std::size_t faces = object.Run.Source != nullptr ? object.Run.Count : mesh.Faces.size();
  if (faces <= kMaxFaces && !MayShowTexture(object.Materials())) {
    work.MeshError = batch.MeshBuilder.Build(object.Materials(),
                                             ListsOf(mesh, object.Run, batch.Lists, ListValues::kAsWritten), false,
                                             work.Mesh, &corners, index);
    work.MeshBuilt = true;
  }
  if (KeysAreSound(object.Channel)) {
    work.Motion.Prepare(object.Channel, sampling_);
    work.MotionPrepared = true;
  }
}

}  // namespace bk
