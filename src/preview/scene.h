#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/material.h"
#include "model/status.h"
#include "model/vector.h"

namespace bk {

struct ExplodedGroup;
class CPolyChunk;
struct ExplodedFile;

// Axis-aligned box; empty until the first point is added.
struct Bounds {
  CVector Min{1.0f, 1.0f, 1.0f};
  CVector Max{-1.0f, -1.0f, -1.0f};

  bool IsEmpty() const { return Min.x > Max.x; }
  void Add(CVector p);
  void Add(const Bounds& other);
  CVector Center() const;
  float Radius() const;  // half the diagonal; 0 when empty
};

// One triangle of the scene: three indices into the scene's vertex list and
// the colour of its face's material (0..255 per channel).
struct SceneTriangle {
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  std::uint32_t c = 0;
  std::uint8_t red = 230;
  std::uint8_t green = 230;
  std::uint8_t blue = 232;
};

// One animated object: a run of the scene's vertex list and its channel
// (null for an object shown at rest).
struct SceneObject {
  std::uint32_t FirstVertex = 0;
  std::uint32_t VertexCount = 0;
  CVector Center;  // the axis centre the pose turns and scales about
  std::unique_ptr<CAnimChunkEx> Channel;
};

// What the preview draws: every object's faces triangulated once, with the
// vertices each object uses in their rest position (the object's own
// transform applied), and the channels that move them. Immutable once made,
// so a render thread may read it while the window holds it.
class PreviewScene {
 public:
  // Builds the scene of a file that Burstkin wrote (every group's objects).
  static std::unique_ptr<PreviewScene> FromExplodedFile(ExplodedFile file);
  // Builds the scene of a group made by the engine; the channels are copied.
  static std::unique_ptr<PreviewScene> FromGroup(const ExplodedGroup& group);
  // The same for several groups (an explosion and its particles), in order.
  static std::unique_ptr<PreviewScene> FromGroups(std::span<const ExplodedGroup* const> groups);
  // One object shown at rest, without a channel.
  static std::unique_ptr<PreviewScene> FromObject(const CPolyChunk& object);

  // Vertex positions at a frame (the rest positions for objects without a
  // channel), in the order of RestVertices().
  void PositionsAt(double frame, std::vector<CVector>& out) const;

  const std::vector<CVector>& RestVertices() const { return rest_; }
  const std::vector<SceneTriangle>& Triangles() const { return triangles_; }
  const std::vector<SceneObject>& Objects() const { return objects_; }
  // The last key frame of any channel (0 for a scene without keys).
  int LastFrame() const { return lastFrame_; }
  bool IsAnimated() const { return animated_; }
  // Distinct for every scene made in this process (caches key on it).
  std::uint64_t Serial() const { return serial_; }
  Bounds RestBounds() const;
  // Bounds of the positions at frames first..last, sampled at most
  // `max_samples` times (both ends always).
  Bounds MotionBounds(int first, int last, int max_samples = 64) const;
  // Vertex positions at frames sampled as MotionBounds does, thinned so that
  // about `max_points` come back (for framing a camera).
  std::vector<CVector> MotionPoints(int first, int last, int max_samples = 16,
                                    std::size_t max_points = 200000) const;

  // Appends one mesh: its usable faces are triangulated (holes and faces with
  // bad indices are left out), the vertices they use are taken through the
  // mesh's transform and stored once each. `channel` may be null.
  // `mesh`'s lists (placed by its axis) in the colours of the object's
  // `materials`.
  void AddObject(const MaterialList& materials, const CPolyChunk& mesh, std::unique_ptr<CAnimChunkEx> channel);

 private:
  std::vector<CVector> rest_;
  std::vector<SceneTriangle> triangles_;
  std::vector<SceneObject> objects_;
  int lastFrame_ = 0;
  bool animated_ = false;
  std::uint64_t serial_ = NextSerial();

  static std::uint64_t NextSerial();
};

struct SceneLoadResult : Status {
  std::unique_ptr<PreviewScene> scene;  // null on failure
};

// Opens a file for the preview: a file that Burstkin wrote plays as written;
// any other object file the import accepts is shown at rest. Failures come
// back as the reader's message.
SceneLoadResult LoadPreviewScene(const std::string& path);
SceneLoadResult LoadPreviewSceneFromText(const std::string& text);

}  // namespace bk
