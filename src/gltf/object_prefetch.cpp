#include "gltf/object_prefetch.h"

#include <limits>

#include "gltf/gltf_material.h"

namespace bk {
namespace {

bool MayShowTexture(const CPolyChunk& mesh) {
  for (const auto& material : mesh.Materials) {
    if (NamesTextureMap(material.get())) return true;
  }
  return false;
}

}  // namespace

ObjectPrefetch::ObjectPrefetch(std::span<const GltfGroup> groups, GltfSampling sampling)
    : groups_(groups), sampling_(sampling), slots_(kSlots), errors_(kSlots), thread_([this] { Run(); }) {}

ObjectPrefetch::~ObjectPrefetch() {
  stop_ = true;
  // Frees every slot, so that a thread waiting for one wakes and sees stop_.
  released_.store(std::numeric_limits<std::size_t>::max() / 2);
  released_.notify_all();
  thread_.join();
}

ObjectPrefetch::Work& ObjectPrefetch::Next() {
  if (next_ > 0) {
    released_.store(next_, std::memory_order_release);
    released_.notify_one();
  }
  std::size_t made = made_.load(std::memory_order_acquire);
  while (made <= next_) {
    made_.wait(made, std::memory_order_acquire);
    made = made_.load(std::memory_order_acquire);
  }
  const std::size_t slot = next_++ % kSlots;
  if (errors_[slot]) std::rethrow_exception(errors_[slot]);
  return slots_[slot];
}

void ObjectPrefetch::Run() {
  std::size_t index = 0;
  for (const GltfGroup& group : groups_) {
    for (const GltfObject& object : group.Objects) {
      std::size_t released = released_.load(std::memory_order_acquire);
      while (index >= released + kSlots && !stop_) {
        released_.wait(released, std::memory_order_acquire);
        released = released_.load(std::memory_order_acquire);
      }
      if (stop_) return;
      const std::size_t slot = index % kSlots;
      try {
        Make(object, slots_[slot]);
      } catch (...) {
        errors_[slot] = std::current_exception();
      }
      made_.store(++index, std::memory_order_release);
      made_.notify_one();
      if (errors_[slot]) return;
    }
  }
}

void ObjectPrefetch::Make(const GltfObject& object, Work& work) {
  work.MeshBuilt = false;
  work.MotionPrepared = false;
  if (object.Mesh == nullptr) return;
  const CPolyChunk& mesh = *object.Mesh;
  if (mesh.Faces.size() <= kMaxFaces && !MayShowTexture(mesh)) {
    work.MeshError = meshBuilder_.Build(mesh, false, work.Mesh);
    work.MeshBuilt = true;
  }
  if (KeysAreSound(object.Channel)) {
    work.Motion.Prepare(object.Channel, sampling_);
    work.MotionPrepared = true;
  }
}

}  // namespace bk
