#include "preview/scene.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unordered_map>

#include "cob/cob_file.h"
#include "cob/exploded_file.h"
#include "cob/group.h"
#include "cob/poly_chunk.h"
#include "engine/keyframes.h"
#include "model/triangulate.h"

namespace bk {
namespace {

std::uint8_t ToByte(float v) {
  if (!(v > 0.0f)) return 0;  // also NaN
  if (v >= 1.0f) return 255;
  return static_cast<std::uint8_t>(std::lround(v * 255.0f));
}

// Whether every corner of a face names a vertex the mesh has.
bool UsableCorners(const CPolyChunk& mesh, const CFace& face) {
  for (std::uint32_t vi : face.VertexIndices) {
    if (vi >= mesh.Vertices.size() || mesh.Vertices[vi] == nullptr) return false;
  }
  return true;
}

SceneTriangle FaceColour(const MaterialList& materials, const CFace& face) {
  SceneTriangle colour;
  const std::int32_t mi = face.MaterialIndex;
  if (mi >= 0 && static_cast<std::size_t>(mi) < materials.size() && materials[mi]) {
    const CVector c = materials[mi]->Colour;
    colour.red = ToByte(c.x);
    colour.green = ToByte(c.y);
    colour.blue = ToByte(c.z);
  }
  return colour;
}

bool LooksWrittenByBurstkin(const std::string& text) {
  for (std::size_t at = text.find("\nGrou "); at != std::string::npos; at = text.find("\nGrou ", at + 1)) {
    const std::size_t next = text.find('\n', at + 1);
    if (next == std::string::npos) break;
    if (text.compare(next + 1, 13, "Name Burstkin") == 0) return true;
  }
  return false;
}

}  // namespace

void Bounds::Add(CVector p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) return;
  if (IsEmpty()) {
    Min = Max = p;
    return;
  }
  Min = {std::min(Min.x, p.x), std::min(Min.y, p.y), std::min(Min.z, p.z)};
  Max = {std::max(Max.x, p.x), std::max(Max.y, p.y), std::max(Max.z, p.z)};
}

void Bounds::Add(const Bounds& other) {
  if (other.IsEmpty()) return;
  Add(other.Min);
  Add(other.Max);
}

CVector Bounds::Center() const {
  if (IsEmpty()) return {};
  return {(Min.x + Max.x) * 0.5f, (Min.y + Max.y) * 0.5f, (Min.z + Max.z) * 0.5f};
}

float Bounds::Radius() const {
  if (IsEmpty()) return 0.0f;
  const double dx = double(Max.x) - Min.x, dy = double(Max.y) - Min.y, dz = double(Max.z) - Min.z;
  return static_cast<float>(0.5 * std::sqrt(dx * dx + dy * dy + dz * dz));
}

std::uint64_t PreviewScene::NextSerial() {
  static std::atomic<std::uint64_t> counter{0};
  return ++counter;
}

void PreviewScene::AddObject(const MaterialList& materials, const CPolyChunk& mesh,
                             std::unique_ptr<CAnimChunkEx> channel) {
  SceneObject object;
  object.FirstVertex = static_cast<std::uint32_t>(rest_.size());
  object.Center = mesh.Axis.Center;

  // Pieces share the whole vertex list of the object they came from, so only
  // the vertices a piece's faces use are kept (once each). A face is cut by
  // the holes that follow it, as the export cuts it.
  std::unordered_map<std::uint32_t, std::uint32_t> local;
  auto scene_index = [&](std::uint32_t vi) {
    auto [it, fresh] = local.try_emplace(vi, static_cast<std::uint32_t>(rest_.size()));
    if (fresh) rest_.push_back(mesh.TransformPoint(*mesh.Vertices[vi]));
    return it->second;
  };
  std::vector<CVector> points;
  std::vector<std::uint32_t> sceneIndex, outer, tris;
  std::vector<std::vector<std::uint32_t>> holes;
  auto ring = [&](const CFace& face) {
    std::vector<std::uint32_t> indices;
    for (std::uint32_t vi : face.VertexIndices) {
      indices.push_back(static_cast<std::uint32_t>(points.size()));
      sceneIndex.push_back(scene_index(vi));
      points.push_back(rest_[sceneIndex.back()]);
    }
    return indices;
  };
  const std::size_t faceCount = mesh.Faces.size();
  for (std::size_t i = 0; i < faceCount; ++i) {
    const CFace* face = mesh.Faces[i];
    if (face == nullptr || face->IsHole() || face->VertexIndices.size() < 3 || !UsableCorners(mesh, *face)) continue;
    points.clear();
    sceneIndex.clear();
    holes.clear();
    outer = ring(*face);
    for (std::size_t j = i + 1; j < faceCount && mesh.Faces[j] != nullptr && mesh.Faces[j]->IsHole(); ++j) {
      if (UsableCorners(mesh, *mesh.Faces[j])) holes.push_back(ring(*mesh.Faces[j]));
    }
    tris.clear();
    TriangulateFace(points, outer, holes, tris);
    const SceneTriangle colour = FaceColour(materials, *face);
    for (std::size_t t = 0; t + 2 < tris.size(); t += 3) {
      SceneTriangle tri = colour;
      tri.a = sceneIndex[tris[t]];
      tri.b = sceneIndex[tris[t + 1]];
      tri.c = sceneIndex[tris[t + 2]];
      triangles_.push_back(tri);
    }
  }
  object.VertexCount = static_cast<std::uint32_t>(rest_.size()) - object.FirstVertex;
  if (channel) {
    lastFrame_ = std::max(lastFrame_, LastKeyFrame(*channel));
    animated_ = animated_ || !channel->Keys.empty() || !channel->PositionKeys.empty() ||
                !channel->SizeKeys.empty();
  }
  object.Channel = std::move(channel);
  objects_.push_back(std::move(object));
}

std::unique_ptr<PreviewScene> PreviewScene::FromExplodedFile(ExplodedFile file) {
  auto scene = std::make_unique<PreviewScene>();
  CPolyChunk work{WorkingCopy{}};
  for (ExplodedGroup& group : file.Groups) {
    for (ExplodedObject& object : group.Objects) {
      if (object.Mesh) scene->AddObject(MaterialsOf(group, object), ListsOf(object, work), std::move(object.Channel));
    }
  }
  return scene;
}

std::unique_ptr<PreviewScene> PreviewScene::FromGroup(const ExplodedGroup& group) {
  const ExplodedGroup* const groups[] = {&group};
  return FromGroups(groups);
}

std::unique_ptr<PreviewScene> PreviewScene::FromGroups(std::span<const ExplodedGroup* const> groups) {
  auto scene = std::make_unique<PreviewScene>();
  CPolyChunk work{WorkingCopy{}};
  for (const ExplodedGroup* group : groups) {
    for (const ExplodedObject& object : group->Objects) {
      std::unique_ptr<CAnimChunkEx> channel;
      if (object.Channel) {
        channel = std::make_unique<CAnimChunkEx>();
        channel->Keys = object.Channel->Keys;
        channel->PositionKeys = object.Channel->PositionKeys;
        channel->SizeKeys = object.Channel->SizeKeys;
      }
      scene->AddObject(MaterialsOf(*group, object), ListsOf(object, work), std::move(channel));
    }
  }
  return scene;
}

std::unique_ptr<PreviewScene> PreviewScene::FromObject(const CPolyChunk& object) {
  auto scene = std::make_unique<PreviewScene>();
  scene->AddObject(object.Materials, object, nullptr);
  return scene;
}

void PreviewScene::PositionsAt(double frame, std::vector<CVector>& out) const {
  out.resize(rest_.size());
  for (const SceneObject& object : objects_) {
    const std::uint32_t end = object.FirstVertex + object.VertexCount;
    if (!object.Channel) {
      std::copy(rest_.begin() + object.FirstVertex, rest_.begin() + end,
                out.begin() + object.FirstVertex);
      continue;
    }
    const Pose pose = EvaluatePose(*object.Channel, frame);
    for (std::uint32_t v = object.FirstVertex; v < end; ++v) {
      out[v] = ApplyPose(pose, object.Center, rest_[v]);
    }
  }
}

Bounds PreviewScene::RestBounds() const {
  Bounds b;
  for (const CVector& v : rest_) b.Add(v);
  return b;
}

Bounds PreviewScene::MotionBounds(int first, int last, int max_samples) const {
  if (last < first) std::swap(first, last);
  Bounds b = RestBounds();
  if (!animated_) return b;
  const long long span = static_cast<long long>(last) - first;
  const int samples = static_cast<int>(std::min<long long>(span + 1, std::max(2, max_samples)));
  std::vector<CVector> positions;
  for (int i = 0; i < samples; ++i) {
    const double frame =
        samples == 1 ? first : first + static_cast<double>(span) * i / (samples - 1);
    PositionsAt(frame, positions);
    for (const CVector& v : positions) b.Add(v);
  }
  return b;
}

std::vector<CVector> PreviewScene::MotionPoints(int first, int last, int max_samples,
                                               std::size_t max_points) const {
  if (last < first) std::swap(first, last);
  const long long span = static_cast<long long>(last) - first;
  const int samples = animated_ ? static_cast<int>(std::min<long long>(span + 1, std::max(2, max_samples))) : 1;
  const std::size_t perSample = std::max<std::size_t>(1, max_points / samples);
  const std::size_t stride = std::max<std::size_t>(1, (rest_.size() + perSample - 1) / perSample);
  std::vector<CVector> points;
  std::vector<CVector> positions;
  for (int i = 0; i < samples; ++i) {
    const double frame =
        samples == 1 ? first : first + static_cast<double>(span) * i / (samples - 1);
    PositionsAt(frame, positions);
    for (std::size_t v = 0; v < positions.size(); v += stride) points.push_back(positions[v]);
  }
  return points;
}

SceneLoadResult LoadPreviewSceneFromText(const std::string& text) {
  SceneLoadResult result;
  ExplodedReadResult exploded = ReadExplodedFile(text);
  if (exploded.ok()) {
    bool anyObject = false;
    for (const ExplodedGroup& g : exploded.File.Groups) anyObject = anyObject || !g.Objects.empty();
    if (anyObject) {
      result.scene = PreviewScene::FromExplodedFile(std::move(exploded.File));
      return result;
    }
  }
  // A file whose group carries our name is one of ours gone wrong: its own
  // reader's message says more than the import would (which would show its
  // first piece alone). Other files, even with channels of their own, are
  // objects to show at rest.
  if (!exploded.ok() && LooksWrittenByBurstkin(text)) {
    static_cast<Status&>(result) = exploded;
    return result;
  }
  ImportResult imported = ImportObjectFromText(text);
  if (imported.object) {
    result.scene = PreviewScene::FromObject(*imported.object);
    return result;
  }
  static_cast<Status&>(result) = imported;
  return result;
}

SceneLoadResult LoadPreviewScene(const std::string& path) {
  std::error_code ec;
  const bool isDirectory = std::filesystem::is_directory(path, ec);
  std::ifstream in;
  if (!isDirectory) in.open(path, std::ios::binary);
  if (isDirectory || !in) {
    SceneLoadResult result;
    result.Fail(FailureKind::kCannotOpen, messages::kCouldNotOpen);
    return result;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    SceneLoadResult result;
    result.Fail(FailureKind::kCannotOpen, messages::kCouldNotOpen);
    return result;
  }
  return LoadPreviewSceneFromText(text);
}

}  // namespace bk
