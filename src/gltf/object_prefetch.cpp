#include "model/threads.h"
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

ObjectPrefetch::ObjectPrefetch(std::span<const GltfGroup> groups, GltfSampling sampling,
                               std::span<const GltfCornerTable> corners)
    : groups_(groups), corners_(corners), sampling_(sampling), slots_(kSlots), errors_(kSlots) {
  for (const GltfGroup& group : groups) total_ += group.ObjectCount();
  thread_ = StartThread<std::thread>([this] { Run(); });
}

ObjectPrefetch::~ObjectPrefetch() {
  stop_ = true;
  // Frees every slot, so that a thread waiting for one wakes and sees stop_.
  Publish(released_, std::numeric_limits<std::size_t>::max() / 2);
  thread_.join();
}

void ObjectPrefetch::Publish(std::atomic<std::size_t>& count, std::size_t value) {
  count.store(value, std::memory_order_release);
  count.notify_one();
}

std::size_t ObjectPrefetch::AwaitAtLeast(std::atomic<std::size_t>& count, std::size_t value,
                                         const std::atomic<bool>& stop) {
  std::size_t seen = count.load(std::memory_order_acquire);
  while (seen < value && !stop) {
    count.wait(seen, std::memory_order_acquire);
    seen = count.load(std::memory_order_acquire);
  }
  return seen;
}

ObjectPrefetch::Work& ObjectPrefetch::Next() {
  if (next_ % kBatch == 0 && next_ > 0) Publish(released_, next_);
  if (made_.load(std::memory_order_acquire) <= next_) {
    // Everything before this object is released before waiting, so that
    // the other thread can never be waiting for a slot at the same time.
    Publish(released_, next_);
    AwaitAtLeast(made_, std::min(total_, (next_ / kBatch + 1) * kBatch), stop_);
  }
  const std::size_t slot = next_++ % kSlots;
  if (errors_[slot]) std::rethrow_exception(errors_[slot]);
  return slots_[slot];
}

void ObjectPrefetch::Run() {
  std::size_t index = 0;
  std::size_t released = 0;
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    const GltfGroup& group = groups_[g];
    for (std::size_t k = 0; k < group.ObjectCount(); ++k) {
      const GltfObject object = group.Object(k);
      if (index >= released + kSlots) {
        Publish(made_, index);  // likewise, before waiting
        released = AwaitAtLeast(released_, index + 1 - kSlots, stop_);
      }
      if (stop_) return;
      const std::size_t slot = index % kSlots;
      try {
        Make(object, corners_[g], k, slots_[slot]);
      } catch (...) {
        errors_[slot] = std::current_exception();
      }
      ++index;
      // After a failure nothing more is made; whatever the other thread
      // waits for, it may go on up to the failed object, which rethrows.
      if (errors_[slot]) return Publish(made_, total_);
      if (index % kBatch == 0 || index == total_) Publish(made_, index);
    }
  }
}

void ObjectPrefetch::Make(const GltfObject& object, const GltfCornerTable& corners, std::size_t index,
                          Work& work) {
  work.MeshBuilt = false;
  work.MotionPrepared = false;
  if (object.Mesh == nullptr) return;
  const CPolyChunk& mesh = *object.Mesh;
  const std::size_t faces = object.Run.Source != nullptr ? object.Run.Count : mesh.Faces.size();
  if (faces <= kMaxFaces && !MayShowTexture(mesh)) {
    work.MeshError = meshBuilder_.Build(mesh, ListsOf(mesh, object.Run, lists_, ListValues::kAsWritten), false,
                                        work.Mesh, &corners, index);
    work.MeshBuilt = true;
  }
  if (KeysAreSound(object.Channel)) {
    work.Motion.Prepare(object.Channel, sampling_);
    work.MotionPrepared = true;
  }
}

}  // namespace bk
