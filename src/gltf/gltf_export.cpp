#include "gltf/gltf_export.h"

#include <tiny_gltf.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/keyframes.h"
#include "cob/material.h"
#include "gltf/triangulate.h"

namespace bk {
namespace {

// Frames beyond this cannot be told apart as 32-bit seconds at high frame
// rates, and per-frame sampling of such a span would not fit in memory.
constexpr int kMaxFrame = 1000000;

constexpr int kArrayBuffer = 34962;
constexpr int kElementArrayBuffer = 34963;

struct Failure {
  std::string message;
};

// The modeller is Z-up, glTF Y-up (both right-handed): (x, y, z) -> (x, z, -y).
// The same proper rotation maps a quaternion's vector part; a scale's factors
// follow their axes: (sx, sy, sz) -> (sx, sz, sy).
Vec3d MapPoint(const Vec3d& p) { return {p[0], p[2], -p[1]}; }
Vec3d MapScale(const Vec3d& s) { return {s[0], s[2], s[1]}; }
std::array<double, 4> MapQuaternion(const Quaternion& q) { return {q.x, q.z, -q.y, q.w}; }

bool Finite(const Vec3d& v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }

enum ViewKind { kPositions = 0, kIndices = 1, kAnimation = 2, kViewKinds = 3 };

class Builder {
 public:
  explicit Builder(const GltfOptions& options) : options_(options) {
    model_.asset.version = "2.0";
    model_.asset.generator = "Burstkin";
    tinygltf::Value::Object extras;
    extras["fps"] = tinygltf::Value(options.Fps);
    model_.asset.extras = tinygltf::Value(extras);
  }

  void Build(std::span<const GltfGroup> groups) {
    std::size_t objects = 0;
    for (const GltfGroup& group : groups) objects += group.Objects.size();
    model_.nodes.reserve(groups.size() + objects);
    model_.meshes.reserve(objects);
    model_.accessors.reserve(objects * 5);
    // The position area takes every vertex; the index area about one
    // triangle per corner beyond two of each face.
    std::size_t vertices = 0;
    std::size_t indices = 0;
    for (const GltfGroup& group : groups) {
      for (const GltfObject& object : group.Objects) {
        vertices += object.Mesh->Vertices.size();
        for (const CFace* face : object.Mesh->Faces) {
          if (face != nullptr && face->VertexIndices.size() > 2) indices += (face->VertexIndices.size() - 2) * 3;
        }
      }
    }
    data_[kPositions].reserve(vertices * 3 * sizeof(float));
    data_[kIndices].reserve(indices * sizeof(std::uint32_t));
    accessorKinds_.reserve(objects * 5);
    animation_.samplers.reserve(objects * 3);
    animation_.channels.reserve(objects * 3);
    std::map<std::int32_t, int> group_nodes;  // group Id -> node
    std::vector<int> roots;
    for (const GltfGroup& group : groups) {
      tinygltf::Node node;
      if (group.Group != nullptr) node.name = group.Group->Name;
      const int index = static_cast<int>(model_.nodes.size());
      model_.nodes.push_back(std::move(node));
      // A group hangs under the group it names as parent (the particle group
      // under the exploded group), with an identity transform: the objects'
      // coordinates are already those of the file.
      const std::int32_t parent = group.Group != nullptr ? group.Group->ParentId : 0;
      const auto found = parent != 0 ? group_nodes.find(parent) : group_nodes.end();
      if (found != group_nodes.end()) {
        model_.nodes[found->second].children.push_back(index);
      } else {
        roots.push_back(index);
      }
      if (group.Group != nullptr) group_nodes.emplace(group.Group->Id, index);
      for (const GltfObject& object : group.Objects) {
        const int child = AddObject(object);
        model_.nodes[index].children.push_back(child);
      }
    }
    tinygltf::Scene scene;
    scene.name = "Burstkin";
    scene.nodes = roots;
    model_.scenes.push_back(std::move(scene));
    model_.defaultScene = 0;
    if (!animation_.channels.empty()) {
      animation_.name = "Explosion";
      model_.animations.push_back(std::move(animation_));
    }
    FinishBuffers();
  }

  tinygltf::Model& Model() { return model_; }

 private:
  // Appends raw values to one of the three data areas; returns the byte offset.
  template <typename T>
  std::size_t Append(ViewKind kind, const std::vector<T>& values) {
    std::vector<unsigned char>& area = data_[kind];
    const std::size_t offset = area.size();
    area.resize(offset + values.size() * sizeof(T));
    if (!values.empty()) std::memcpy(area.data() + offset, values.data(), values.size() * sizeof(T));
    return offset;
  }

  int AddAccessor(ViewKind kind, std::size_t offset, int component, int type, std::size_t count) {
    tinygltf::Accessor accessor;
    accessor.byteOffset = offset;
    accessor.componentType = component;
    accessor.type = type;
    accessor.count = count;
    model_.accessors.push_back(std::move(accessor));
    accessorKinds_.push_back(kind);
    return static_cast<int>(model_.accessors.size()) - 1;
  }

  // Float data with min and max per component, as the 32-bit values stored.
  int AddFloats(ViewKind kind, const std::vector<float>& values, int components, bool bounds) {
    const std::size_t offset = Append(kind, values);
    const int type = components == 1 ? TINYGLTF_TYPE_SCALAR
                     : components == 3 ? TINYGLTF_TYPE_VEC3
                                       : TINYGLTF_TYPE_VEC4;
    const std::size_t count = values.size() / static_cast<std::size_t>(components);
    const int index = AddAccessor(kind, offset, TINYGLTF_COMPONENT_TYPE_FLOAT, type, count);
    if (bounds && count > 0) {
      std::vector<double> lo(components, INFINITY);
      std::vector<double> hi(components, -INFINITY);
      for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t c = i % static_cast<std::size_t>(components);
        lo[c] = std::min(lo[c], static_cast<double>(values[i]));
        hi[c] = std::max(hi[c], static_cast<double>(values[i]));
      }
      model_.accessors[index].minValues = lo;
      model_.accessors[index].maxValues = hi;
    }
    return index;
  }

  // The material for a source material's colour (the default colour when
  // there is none); equal colours share one material.
  int Material(const CMaterial* source) {
    auto channel = [](float v) {
      return std::isnan(v) ? 1.0f : std::clamp(v, 0.0f, 1.0f);
    };
    static constexpr CVector kDefaultColour{0.9f, 0.9f, 0.91f};
    const CVector c = source != nullptr ? source->Colour : kDefaultColour;
    const float alpha = source != nullptr ? source->Alpha : 1.0f;
    const std::array<float, 4> colour{channel(c.x), channel(c.y), channel(c.z), channel(alpha)};
    const auto found = materials_.find(colour);
    if (found != materials_.end()) return found->second;
    tinygltf::Material material;
    material.name = "Colour " + std::to_string(materials_.size() + 1);
    material.pbrMetallicRoughness.baseColorFactor = {colour[0], colour[1], colour[2], colour[3]};
    material.pbrMetallicRoughness.metallicFactor = 0.0;
    material.pbrMetallicRoughness.roughnessFactor = 0.6;
    // Pieces are open shells: their insides show through the cuts.
    material.doubleSided = true;
    if (colour[3] < 1.0f) material.alphaMode = "BLEND";
    const int index = static_cast<int>(model_.materials.size());
    model_.materials.push_back(std::move(material));
    materials_.emplace(colour, index);
    return index;
  }

  [[noreturn]] static void Fail(const CPolyChunk& mesh, const std::string& what) {
    throw Failure{"object \"" + mesh.Name + "\": " + what};
  }

  int AddMesh(const CPolyChunk& mesh) {
    const CVector center = mesh.Axis.Center;
    // Vertices as the object shows them (a particle's through its own
    // transform), relative to the centre the node stands at. They go straight
    // into the position area; the bounds are taken on the stored floats.
    std::vector<unsigned char>& area = data_[kPositions];
    const std::size_t position_offset = area.size();
    const std::size_t vertex_count = mesh.Vertices.size();
    area.resize(position_offset + vertex_count * 3 * sizeof(float));
    world_.resize(vertex_count);
    std::array<double, 3> lo{INFINITY, INFINITY, INFINITY};
    std::array<double, 3> hi{-INFINITY, -INFINITY, -INFINITY};
    for (std::size_t i = 0; i < vertex_count; ++i) {
      if (mesh.Vertices[i] == nullptr) Fail(mesh, "a vertex is missing");
      world_[i] = mesh.TransformPoint(*mesh.Vertices[i]);
      const Vec3d local = MapPoint({static_cast<double>(world_[i].x) - center.x,
                                    static_cast<double>(world_[i].y) - center.y,
                                    static_cast<double>(world_[i].z) - center.z});
      if (!Finite(local)) Fail(mesh, "a vertex is not a finite number");
      float stored[3];
      for (int a = 0; a < 3; ++a) {
        stored[a] = static_cast<float>(local[a]);
        lo[a] = std::min(lo[a], static_cast<double>(stored[a]));
        hi[a] = std::max(hi[a], static_cast<double>(stored[a]));
      }
      std::memcpy(area.data() + position_offset + i * sizeof(stored), stored, sizeof(stored));
    }

    // Triangles per material in order of first use. A hole face cuts the
    // face before it; a hole with no face before it is not drawn. The
    // per-material lists are kept between meshes so that their storage is
    // reused; only the first `used_parts` belong to this mesh.
    std::size_t used_parts = 0;
    auto check = [&](const CFace& face) {
      for (std::uint32_t v : face.VertexIndices) {
        if (v >= vertex_count) Fail(mesh, "a face names a vertex it does not have");
      }
    };
    const std::size_t face_count = mesh.Faces.size();
    materialOf_.assign(mesh.Materials.size() + 1, -1);
    for (std::size_t i = 0; i < face_count; ++i) {
      const CFace* face = mesh.Faces[i];
      if (face == nullptr || face->IsHole()) continue;
      check(*face);
      holes_.clear();
      for (std::size_t j = i + 1; j < face_count && mesh.Faces[j] != nullptr && mesh.Faces[j]->IsHole(); ++j) {
        check(*mesh.Faces[j]);
        holes_.push_back(mesh.Faces[j]->VertexIndices);
      }
      triangles_.clear();
      TriangulateFace(world_, face->VertexIndices, holes_, triangles_);
      if (triangles_.empty()) continue;
      // Slot 0 stands for an index the mesh has no material for.
      const std::size_t slot = face->MaterialIndex >= 0 &&
                                       static_cast<std::size_t>(face->MaterialIndex) < mesh.Materials.size()
                                   ? static_cast<std::size_t>(face->MaterialIndex) + 1
                                   : 0;
      if (materialOf_[slot] < 0) {
        materialOf_[slot] = Material(slot == 0 ? nullptr : mesh.Materials[slot - 1].get());
      }
      const int material = materialOf_[slot];
      std::size_t part = 0;
      while (part < used_parts && parts_[part].first != material) ++part;
      if (part == used_parts) {
        if (parts_.size() == used_parts) parts_.emplace_back();
        parts_[part].first = material;
        parts_[part].second.clear();
        ++used_parts;
      }
      // Reversed corner order: the modeller's front faces turn the other way.
      std::vector<std::uint32_t>& indices = parts_[part].second;
      for (std::size_t t = 0; t + 2 < triangles_.size(); t += 3) {
        indices.insert(indices.end(), {triangles_[t], triangles_[t + 2], triangles_[t + 1]});
      }
    }
    if (used_parts == 0) {
      area.resize(position_offset);  // nothing refers to these vertices
      return -1;
    }

    tinygltf::Mesh out;
    out.name = mesh.Name;
    const int position_accessor = AddAccessor(kPositions, position_offset, TINYGLTF_COMPONENT_TYPE_FLOAT,
                                              TINYGLTF_TYPE_VEC3, vertex_count);
    if (vertex_count > 0) {
      model_.accessors[position_accessor].minValues.assign(lo.begin(), lo.end());
      model_.accessors[position_accessor].maxValues.assign(hi.begin(), hi.end());
    }
    out.primitives.resize(used_parts);
    for (std::size_t p = 0; p < used_parts; ++p) {
      const std::vector<std::uint32_t>& indices = parts_[p].second;
      tinygltf::Primitive& primitive = out.primitives[p];
      primitive.attributes.emplace("POSITION", position_accessor);
      const std::size_t offset = Append(kIndices, indices);
      primitive.indices = AddAccessor(kIndices, offset, TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT,
                                      TINYGLTF_TYPE_SCALAR, indices.size());
      primitive.material = parts_[p].first;
      primitive.mode = TINYGLTF_MODE_TRIANGLES;
    }
    model_.meshes.push_back(std::move(out));
    return static_cast<int>(model_.meshes.size()) - 1;
  }

  // The sampler input for these frames (shared by every channel with the same frames).
  int Times(const std::vector<int>& frames) {
    const auto found = times_.find(frames);
    if (found != times_.end()) return found->second;
    std::vector<float> seconds(frames.size());
    for (std::size_t i = 0; i < frames.size(); ++i) {
      seconds[i] = static_cast<float>(frames[i] / options_.Fps);
    }
    const int index = AddFloats(kAnimation, seconds, 1, true);
    times_.emplace(frames, index);
    return index;
  }

  void AddChannel(int node, const char* path, int input, const std::vector<float>& output,
                  int components, const char* interpolation) {
    tinygltf::AnimationSampler sampler;
    sampler.input = input;
    sampler.output = AddFloats(kAnimation, output, components, false);
    sampler.interpolation = interpolation;
    animation_.samplers.push_back(std::move(sampler));
    tinygltf::AnimationChannel channel;
    channel.sampler = static_cast<int>(animation_.samplers.size()) - 1;
    channel.target_node = node;
    channel.target_path = path;
    animation_.channels.push_back(std::move(channel));
  }

  // Every frame from the first key to the last, from frame 0 on: glTF has no
  // time before 0, and reversed runs with gravity can put a key before it.
  static std::vector<int> FrameRange(int first, int last) {
    first = std::max(first, 0);
    if (last < first) return {};
    std::vector<int> frames(static_cast<std::size_t>(last - first) + 1);
    for (std::size_t i = 0; i < frames.size(); ++i) frames[i] = first + static_cast<int>(i);
    return frames;
  }

  void CheckKeys(const CPolyChunk& mesh, std::span<const CAnimLineSRT> keys) {
    for (const CAnimLineSRT& key : keys) {
      if (key.Frame < -kMaxFrame || key.Frame > kMaxFrame) {
        Fail(mesh, "key frame " + std::to_string(key.Frame) + " lies outside -" +
                       std::to_string(kMaxFrame) + " to " + std::to_string(kMaxFrame));
      }
      if (!Finite({key.Value.x, key.Value.y, key.Value.z}) || !std::isfinite(key.RotationW) ||
          !Finite({key.Shape.x, key.Shape.y, key.Shape.z})) {
        Fail(mesh, "a key value is not a finite number");
      }
    }
  }

  // Translation (offset by the centre) or scale: exact CUBICSPLINE on the
  // keys, or LINEAR per frame.
  void AddVectorChannel(int node, const char* path, std::span<const VectorKeyTangents> keys,
                        const Vec3d& offset, bool is_scale) {
    if (keys.size() < 2) return;  // a constant: the node's own value
    auto map = [&](const Vec3d& v) { return is_scale ? MapScale(v) : MapPoint(v); };
    auto put = [](std::vector<float>& out, const Vec3d& v) {
      for (double c : v) out.push_back(static_cast<float>(c));
    };
    std::vector<float>& output = output_;
    output.clear();
    if (options_.Sampling == GltfSampling::Keys && keys.front().Frame >= 0) {
      std::vector<int>& frames = frames_;
      frames.clear();
      const double fps = options_.Fps;
      for (std::size_t i = 0; i < keys.size(); ++i) {
        frames.push_back(keys[i].Frame);
        // glTF tangents are per second: the per-segment tangent divided by
        // the segment's length in seconds.
        Vec3d in{};
        Vec3d out{};
        if (i > 0) {
          const double seconds = (keys[i].Frame - keys[i - 1].Frame) / fps;
          for (int a = 0; a < 3; ++a) in[a] = keys[i].Incoming[a] / seconds;
        }
        if (i + 1 < keys.size()) {
          const double seconds = (keys[i + 1].Frame - keys[i].Frame) / fps;
          for (int a = 0; a < 3; ++a) out[a] = keys[i].Outgoing[a] / seconds;
        }
        const Vec3d value{keys[i].Value[0] + offset[0], keys[i].Value[1] + offset[1],
                          keys[i].Value[2] + offset[2]};
        put(output, map(in));
        put(output, map(value));
        put(output, map(out));
      }
      AddChannel(node, path, Times(frames), output, 3, "CUBICSPLINE");
    } else {
      const std::vector<int> frames = FrameRange(keys.front().Frame, keys.back().Frame);
      if (frames.size() < 2) return;  // still from frame 0 on: the node's own value
      for (int f : frames) {
        const Vec3d v = EvaluatePreparedVector(keys, f);
        put(output, map({v[0] + offset[0], v[1] + offset[1], v[2] + offset[2]}));
      }
      AddChannel(node, path, Times(frames), output, 3, "LINEAR");
    }
  }

  // Orientation: glTF interpolates quaternion components, so squad is carried
  // exactly only where it is a plain slerp; elsewhere one sample per frame.
  void AddRotationChannel(int node, std::span<const OrientationKey> keys) {
    if (keys.size() < 2) return;
    auto same = [](const Quaternion& a, const Quaternion& b) {
      return std::fabs(a.w - b.w) < 1e-12 && std::fabs(a.x - b.x) < 1e-12 &&
             std::fabs(a.y - b.y) < 1e-12 && std::fabs(a.z - b.z) < 1e-12;
    };
    const bool constant = std::all_of(keys.begin(), keys.end(),
                                      [&](const OrientationKey& k) { return same(k.Q, keys[0].Q); });
    if (constant) return;
    auto put = [](std::vector<float>& out, const Quaternion& q) {
      for (double c : MapQuaternion(Normalized(q))) out.push_back(static_cast<float>(c));
    };
    std::vector<float>& output = output_;
    output.clear();
    // Two keys whose control points sit on the keys themselves (Linear
    // shapes) interpolate as a plain slerp, which is glTF's LINEAR rotation.
    if (options_.Sampling == GltfSampling::Keys && keys.size() == 2 && keys[0].Frame >= 0 &&
        same(keys[0].A, keys[0].Q) &&
        same(keys[1].B, keys[1].Q)) {
      put(output, keys[0].Q);
      put(output, keys[1].Q);
      AddChannel(node, "rotation", Times({keys[0].Frame, keys[1].Frame}), output, 4, "LINEAR");
      return;
    }
    const std::vector<int> frames = FrameRange(keys.front().Frame, keys.back().Frame);
    if (frames.size() < 2) return;
    Quaternion previous = keys.front().Q;
    for (int f : frames) {
      Quaternion q = Normalized(EvaluatePreparedOrientation(keys, f));
      if (Dot(q, previous) < 0.0) q = {-q.w, -q.x, -q.y, -q.z};
      put(output, q);
      previous = q;
    }
    AddChannel(node, "rotation", Times(frames), output, 4, "LINEAR");
  }

  int AddObject(const GltfObject& object) {
    const CPolyChunk& mesh = *object.Mesh;
    const int index = static_cast<int>(model_.nodes.size());
    model_.nodes.emplace_back();
    model_.nodes[index].name = mesh.Name;
    const int mesh_index = AddMesh(mesh);
    if (mesh_index >= 0) model_.nodes[index].mesh = mesh_index;

    const CVector c = mesh.Axis.Center;
    const Vec3d center{c.x, c.y, c.z};
    if (!Finite(center)) Fail(mesh, "its centre is not a finite number");
    // Each channel is prepared once; the node's own values are the pose at
    // frame 0 (the object as it stands before the explosion), what an
    // importer shows without the animation.
    std::vector<VectorKeyTangents> position;
    std::vector<VectorKeyTangents> size;
    std::vector<OrientationKey> orientation;
    if (object.Channel != nullptr) {
      CheckKeys(mesh, object.Channel->Keys);
      CheckKeys(mesh, object.Channel->PositionKeys);
      CheckKeys(mesh, object.Channel->SizeKeys);
      position = PrepareVectorKeys(object.Channel->PositionKeys);
      size = PrepareVectorKeys(object.Channel->SizeKeys);
      orientation = PrepareOrientationKeys(object.Channel->Keys);
    }
    const Vec3d p0 = position.empty() ? Vec3d{0, 0, 0} : EvaluatePreparedVector(position, 0.0);
    const Vec3d s0 = size.empty() ? Vec3d{1, 1, 1} : EvaluatePreparedVector(size, 0.0);
    const Quaternion r0 = orientation.empty() ? Quaternion{} : EvaluatePreparedOrientation(orientation, 0.0);
    const Vec3d t = MapPoint({center[0] + p0[0], center[1] + p0[1], center[2] + p0[2]});
    const Vec3d s = MapScale(s0);
    const std::array<double, 4> r = MapQuaternion(Normalized(r0));
    tinygltf::Node& node = model_.nodes[index];
    if (t != Vec3d{0, 0, 0}) node.translation.assign(t.begin(), t.end());
    if (s != Vec3d{1, 1, 1}) node.scale.assign(s.begin(), s.end());
    if (r != std::array<double, 4>{0, 0, 0, 1}) node.rotation.assign(r.begin(), r.end());

    AddVectorChannel(index, "translation", position, center, false);
    AddVectorChannel(index, "scale", size, {0, 0, 0}, true);
    AddRotationChannel(index, orientation);
    return index;
  }

  // Joins the three data areas into the one buffer, each as one view, and
  // lets go of everything that only building needed, so that the memory is
  // free again while tinygltf serialises the document.
  void FinishBuffers() {
    auto aligned = [](std::size_t n) { return (n + 3) / 4 * 4; };
    std::size_t total = 0;
    for (const std::vector<unsigned char>& area : data_) {
      if (!area.empty()) total = aligned(total) + area.size();
    }
    tinygltf::Buffer buffer;
    int views[kViewKinds] = {-1, -1, -1};
    for (int kind = 0; kind < kViewKinds; ++kind) {
      std::vector<unsigned char>& area = data_[kind];
      if (area.empty()) continue;
      tinygltf::BufferView view;
      view.buffer = 0;
      view.byteOffset = aligned(buffer.data.size());
      view.byteLength = area.size();
      if (kind == kPositions) {
        view.target = kArrayBuffer;
        view.byteStride = 12;  // several position accessors share this view
      } else if (kind == kIndices) {
        view.target = kElementArrayBuffer;
      }
      if (buffer.data.empty()) {
        buffer.data = std::move(area);
        buffer.data.reserve(total);
      } else {
        buffer.data.resize(view.byteOffset);
        buffer.data.insert(buffer.data.end(), area.begin(), area.end());
      }
      std::vector<unsigned char>().swap(area);
      views[kind] = static_cast<int>(model_.bufferViews.size());
      model_.bufferViews.push_back(std::move(view));
    }
    for (std::size_t i = 0; i < model_.accessors.size(); ++i) {
      model_.accessors[i].bufferView = views[accessorKinds_[i]];
    }
    if (!buffer.data.empty()) model_.buffers.push_back(std::move(buffer));
    std::vector<ViewKind>().swap(accessorKinds_);
    times_.clear();
    materials_.clear();
    std::vector<CVector>().swap(world_);
    std::vector<float>().swap(output_);
    std::vector<int>().swap(frames_);
    std::vector<std::uint32_t>().swap(triangles_);
    std::vector<std::vector<std::uint32_t>>().swap(holes_);
    std::vector<int>().swap(materialOf_);
    std::vector<std::pair<int, std::vector<std::uint32_t>>>().swap(parts_);
  }

  const GltfOptions& options_;
  tinygltf::Model model_;
  tinygltf::Animation animation_;
  std::vector<unsigned char> data_[kViewKinds];
  std::vector<ViewKind> accessorKinds_;
  std::map<std::vector<int>, int> times_;
  std::map<std::array<float, 4>, int> materials_;
  // Scratch storage of AddMesh, kept so that each mesh reuses it.
  std::vector<CVector> world_;
  std::vector<float> output_;  // sampler values of one channel
  std::vector<int> frames_;    // key frames of one channel
  std::vector<std::uint32_t> triangles_;
  std::vector<std::vector<std::uint32_t>> holes_;
  std::vector<int> materialOf_;
  std::vector<std::pair<int, std::vector<std::uint32_t>>> parts_;
};

bool EndsWith(const std::string& text, std::string_view suffix) {
  if (text.size() < suffix.size()) return false;
  return std::equal(suffix.rbegin(), suffix.rend(), text.rbegin(),
                    [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

}  // namespace

std::string CheckFps(double fps) {
  if (!std::isfinite(fps) || fps <= 0.0 || fps > kMaxFps) {
    return "the frame rate must be a number above 0 and at most " +
           std::to_string(static_cast<int>(kMaxFps));
  }
  return {};
}

std::vector<GltfGroup> GltfGroupsOf(const ExplodedFile& file) {
  std::vector<GltfGroup> groups;
  for (const ExplodedGroup& group : file.Groups) {
    GltfGroup out;
    out.Group = group.Group.get();
    for (const ExplodedObject& object : group.Objects) {
      out.Objects.push_back({object.Mesh.get(), object.Channel.get()});
    }
    groups.push_back(std::move(out));
  }
  return groups;
}

std::vector<GltfGroup> GltfGroupsOf(std::span<const CGroup* const> groups) {
  std::vector<GltfGroup> result;
  for (const CGroup* group : groups) {
    if (group == nullptr) continue;
    GltfGroup out;
    out.Group = group;
    for (const auto& child : group->Children) {
      if (const auto* mesh = dynamic_cast<const CPolyChunk*>(child.get())) {
        out.Objects.push_back({mesh, nullptr});
      } else if (const auto* channel = dynamic_cast<const CAnimChunkEx*>(child.get())) {
        // A channel follows its piece and names it through its ParentId.
        if (!out.Objects.empty() && out.Objects.back().Channel == nullptr &&
            out.Objects.back().Mesh->Id == channel->ParentId) {
          out.Objects.back().Channel = channel;
        }
      }
    }
    result.push_back(std::move(out));
  }
  return result;
}

namespace {

// Builds the document and writes it to `out` (the temporary file itself, so
// the buffer is not copied once more through a string).
GltfResult Serialize(std::span<const GltfGroup> groups, const GltfOptions& options, bool binary,
                     std::ostream& out) {
  GltfResult result;
  if (std::string fps = CheckFps(options.Fps); !fps.empty()) {
    result.error = fps;
    return result;
  }
  try {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Builder builder(options);
    builder.Build(groups);
    const Clock::time_point built = Clock::now();
    tinygltf::TinyGLTF writer;
    const bool wrote = writer.WriteGltfSceneToStream(&builder.Model(), out, false, binary);
    result.build_seconds = std::chrono::duration<double>(built - start).count();
    result.write_seconds = std::chrono::duration<double>(Clock::now() - built).count();
    if (!wrote || !out.flush()) {
      result.error = "the glTF document could not be written";
      return result;
    }
  } catch (const Failure& failure) {
    result.error = failure.message;
    return result;
  } catch (const std::bad_alloc&) {
    result.error = "out of memory while building the glTF document";
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace

GltfResult BuildGltf(std::span<const GltfGroup> groups, const GltfOptions& options, bool binary,
                     std::string& bytes) {
  std::ostringstream out;
  GltfResult result = Serialize(groups, options, binary, out);
  if (result.ok) bytes = std::move(out).str();
  return result;
}

GltfResult WriteGltf(std::span<const GltfGroup> groups, const std::string& path,
                     const GltfOptions& options) {
  GltfResult result;
  const bool binary = EndsWith(path, ".glb");
  if (!binary && !EndsWith(path, ".gltf")) {
    result.error = "the glTF file name must end in .glb or .gltf: \"" + path + "\"";
    return result;
  }
  if (std::string fps = CheckFps(options.Fps); !fps.empty()) {
    result.error = fps;
    return result;
  }

  // Written beside the target under a unique name, then renamed over it, so
  // that a failed or interrupted export never leaves a half-written file at
  // `path` (no fsync: like the .cob export, durability against a power cut
  // is left to the file system).
  namespace fs = std::filesystem;
  const fs::path target(path);
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    result.error = "could not create a file in \"" + folder.string() + "\": " + std::strerror(errno);
    return result;
  }
  ::close(fd);
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      result.error = "could not write \"" + path + "\"";
    } else {
      result = Serialize(groups, options, binary, out);
      out.close();
      if (result.ok && !out) {
        result.ok = false;
        result.error = "could not write \"" + path + "\" (is the disk full?)";
      }
    }
  }
  if (!result.ok) {
    ::unlink(temporary.c_str());
    return result;
  }
  result.ok = false;
  // mkstemp makes the file private; give it the usual permissions.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(temporary.c_str(), 0666 & ~mask);
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    const int rename_errno = errno;
    ::unlink(temporary.c_str());
    result.error = "could not write \"" + path + "\": " + std::strerror(rename_errno);
    return result;
  }
  result.ok = true;
  return result;
}

}  // namespace bk
