#include "formats/gltf_import.h"

#include <tiny_gltf.h>

#include <array>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <tuple>

#include "cob/cob_file.h"
#include "cob/material_pbr.h"
#include "formats/foreign_support.h"
#include "formats/mesh_builder.h"

namespace bk {

namespace {

namespace fs = std::filesystem;

using Matrix = std::array<double, 16>;  // column-major, as glTF stores it
constexpr Matrix kIdentity = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

constexpr int kPoints = 0;
constexpr int kLineStrip = 3;
constexpr int kTriangles = 4;
constexpr int kTriangleFan = 6;

// ---- Files the document names: only regular files inside its own folder.

struct FolderAccess {
  fs::path folder;  // absolute and normal; empty: no file may be read
  std::string missing;  // the first named file that could not be read
};

void NoteMissing(FolderAccess& access, const std::string& path) {
  if (access.missing.empty()) access.missing = fs::path(path).filename().string();
}

bool FileExistsInFolder(const std::string& path, void* user) {
  auto& access = *static_cast<FolderAccess*>(user);
  if (IsFileWithin(access.folder, path)) return true;
  NoteMissing(access, path);
  return false;
}

std::string SamePath(const std::string& path, void*) { return path; }

bool ReadFileInFolder(std::vector<unsigned char>* out, std::string* err, const std::string& path,
                      void* user) {
  std::string bytes;
  auto& access = *static_cast<FolderAccess*>(user);
  if (!ReadFileWithin(access.folder, path, bytes)) {
    NoteMissing(access, path);
    if (err != nullptr) *err += "not a readable file beside the document";
    return false;
  }
  out->assign(bytes.begin(), bytes.end());
  return true;
}

bool WriteNothing(std::string*, const std::string&, const std::vector<unsigned char>&, void*) {
  return false;
}

// Images are never decoded. Only a data URI's bytes are kept here: those in a
// buffer view are taken later with their bounds checked, and an external
// image is used by its name alone.
bool KeepDataUriImage(tinygltf::Image* image, const int, std::string*, std::string*, int, int,
                      const unsigned char* bytes, int size, void*) {
  if (image->bufferView < 0 && image->uri.empty() && size > 0) image->image.assign(bytes, bytes + size);
  return true;
}

// A document the parser refused may be of the first version, whose layout
// differs: a binary one has version 1 in its header, a JSON one says
// "version": "1.x" in its asset.
bool IsGltfOne(std::string_view bytes) {
  if (IsGlbMagic(bytes)) return bytes.size() >= 8 && bytes[4] == 1 && bytes.substr(5, 3) == std::string_view("\0\0\0", 3);
  const std::size_t key = bytes.find("\"version\"");
  if (key == std::string_view::npos) return false;
  const std::size_t value = bytes.find_first_not_of(" \t\r\n:", key + 9);
  return value != std::string_view::npos && bytes.substr(value).starts_with("\"1.");
}

tinygltf::Model Parse(std::string_view bytes, FolderAccess& access) {
  if (bytes.size() > std::numeric_limits<unsigned int>::max()) Refuse();
  tinygltf::TinyGLTF loader;
  loader.SetImageLoader(KeepDataUriImage, nullptr);
  loader.SetFsCallbacks({FileExistsInFolder, SamePath, ReadFileInFolder, WriteNothing, &access});
  tinygltf::Model model;
  std::string err;
  std::string warn;
  const std::string base = access.folder.string();
  const auto size = static_cast<unsigned int>(bytes.size());
  const bool ok =
      IsGlbMagic(bytes)
          ? loader.LoadBinaryFromMemory(&model, &err, &warn,
                                        reinterpret_cast<const unsigned char*>(bytes.data()), size, base)
          : loader.LoadASCIIFromString(&model, &err, &warn, bytes.data(), size, base);
  if (!ok) {
    if (IsGltfOne(bytes)) Refuse(messages::kGltfOne);
    if (!access.missing.empty()) Refuse(messages::MissingLinkedFile(access.missing));
    Refuse(messages::kNotValidGltf);
  }
  if (model.asset.version.starts_with("1")) Refuse(messages::kGltfOne);
  return model;
}

void CheckRequiredExtensions(const tinygltf::Model& model) {
  for (const std::string& name : model.extensionsRequired) {
    // Material extensions only refine what this reader does not take over.
    if (name == "KHR_mesh_quantization" || name == "KHR_texture_transform" || name.starts_with("KHR_materials_")) {
      continue;
    }
    Refuse(messages::NeedsGltfExtension(name));
  }
}

// ---- Accessors, with every byte they name checked against their buffer.

template <typename T>
T Load(const unsigned char* at) {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

struct AccessorData {
  const unsigned char* base = nullptr;  // null: every value is 0
  std::size_t stride = 0;
  std::size_t count = 0;
  int componentType = 0;
  int componentSize = 0;
  bool normalized = false;

  double Raw(std::size_t i, int c) const {
    const unsigned char* at = base + i * stride + static_cast<std::size_t>(c * componentSize);
    switch (componentType) {
      case TINYGLTF_COMPONENT_TYPE_BYTE: return Load<std::int8_t>(at);
      case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return Load<std::uint8_t>(at);
      case TINYGLTF_COMPONENT_TYPE_SHORT: return Load<std::int16_t>(at);
      case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: return Load<std::uint16_t>(at);
      case TINYGLTF_COMPONENT_TYPE_INT: return Load<std::int32_t>(at);
      case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: return Load<std::uint32_t>(at);
      case TINYGLTF_COMPONENT_TYPE_FLOAT: return Load<float>(at);
      default: return Load<double>(at);
    }
  }

  // A normalized integer maps onto [0, 1] or [-1, 1].
  double Value(std::size_t i, int c) const {
    if (base == nullptr) return 0.0;
    const double raw = Raw(i, c);
    if (!normalized) return raw;
    switch (componentType) {
      case TINYGLTF_COMPONENT_TYPE_BYTE: return std::max(raw / 127.0, -1.0);
      case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return raw / 255.0;
      case TINYGLTF_COMPONENT_TYPE_SHORT: return std::max(raw / 32767.0, -1.0);
      case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: return raw / 65535.0;
      default: return raw;
    }
  }
};

const tinygltf::Buffer& ViewBuffer(const tinygltf::Model& model, int view_index) {
  if (view_index < 0 || static_cast<std::size_t>(view_index) >= model.bufferViews.size()) {
    Refuse(messages::kIndexOutOfRange);
  }
  const tinygltf::BufferView& view = model.bufferViews[static_cast<std::size_t>(view_index)];
  if (view.buffer < 0 || static_cast<std::size_t>(view.buffer) >= model.buffers.size()) {
    Refuse(messages::kIndexOutOfRange);
  }
  const tinygltf::Buffer& buffer = model.buffers[static_cast<std::size_t>(view.buffer)];
  if (view.byteOffset > buffer.data.size() || view.byteLength > buffer.data.size() - view.byteOffset) {
    Refuse(messages::kIndexOutOfRange);
  }
  return buffer;
}

AccessorData Access(const tinygltf::Model& model, int index, int components) {
  if (index < 0 || static_cast<std::size_t>(index) >= model.accessors.size()) Refuse(messages::kIndexOutOfRange);
  const tinygltf::Accessor& accessor = model.accessors[static_cast<std::size_t>(index)];
  const int size = tinygltf::GetComponentSizeInBytes(static_cast<std::uint32_t>(accessor.componentType));
  if (accessor.sparse.isSparse || size <= 0 ||
      tinygltf::GetNumComponentsInType(static_cast<std::uint32_t>(accessor.type)) != components) {
    Refuse();
  }
  AccessorData data{nullptr, 0, accessor.count, accessor.componentType, size, accessor.normalized};
  if (accessor.bufferView < 0 || accessor.count == 0) return data;
  const tinygltf::Buffer& buffer = ViewBuffer(model, accessor.bufferView);
  const tinygltf::BufferView& view = model.bufferViews[static_cast<std::size_t>(accessor.bufferView)];
  const std::size_t element = static_cast<std::size_t>(size) * static_cast<std::size_t>(components);
  const std::size_t stride = view.byteStride == 0 ? element : view.byteStride;
  if (stride < element || accessor.byteOffset > view.byteLength) Refuse(messages::kIndexOutOfRange);
  const std::size_t available = view.byteLength - accessor.byteOffset;
  if (available < element || accessor.count - 1 > (available - element) / stride) {
    Refuse(messages::kIndexOutOfRange);
  }
  data.base = buffer.data.data() + view.byteOffset + accessor.byteOffset;
  data.stride = stride;
  return data;
}

// ---- Node transforms.

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix m{};
  for (int col = 0; col < 4; ++col) {
    for (int row = 0; row < 4; ++row) {
      double sum = 0.0;
      for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[col * 4 + k];
      m[col * 4 + row] = sum;
    }
  }
  return m;
}

// translation * rotation * scale, or the node's own matrix.
Matrix LocalMatrix(const tinygltf::Node& node) {
  if (!node.matrix.empty()) {
    if (node.matrix.size() != 16) Refuse();
    Matrix m;
    std::copy(node.matrix.begin(), node.matrix.end(), m.begin());
    return m;
  }
  const std::vector<double>& t = node.translation;
  const std::vector<double>& r = node.rotation;
  const std::vector<double>& s = node.scale;
  if ((!t.empty() && t.size() != 3) || (!r.empty() && r.size() != 4) || (!s.empty() && s.size() != 3)) {
    Refuse();
  }
  const double x = r.empty() ? 0 : r[0], y = r.empty() ? 0 : r[1], z = r.empty() ? 0 : r[2];
  const double w = r.empty() ? 1 : r[3];
  const double sx = s.empty() ? 1 : s[0], sy = s.empty() ? 1 : s[1], sz = s.empty() ? 1 : s[2];
  Matrix m = {(1 - 2 * (y * y + z * z)) * sx, 2 * (x * y + z * w) * sx, 2 * (x * z - y * w) * sx, 0,
              2 * (x * y - z * w) * sy, (1 - 2 * (x * x + z * z)) * sy, 2 * (y * z + x * w) * sy, 0,
              2 * (x * z + y * w) * sz, 2 * (y * z - x * w) * sz, (1 - 2 * (x * x + y * y)) * sz, 0,
              t.empty() ? 0 : t[0], t.empty() ? 0 : t[1], t.empty() ? 0 : t[2], 1};
  return m;
}

double Determinant3(const Matrix& m) {
  return m[0] * (m[5] * m[10] - m[9] * m[6]) - m[4] * (m[1] * m[10] - m[9] * m[2]) +
         m[8] * (m[1] * m[6] - m[5] * m[2]);
}

struct PlacedMesh {
  int node = -1;
  Matrix world = kIdentity;
};

std::vector<int> SceneRoots(const tinygltf::Model& model) {
  if (!model.scenes.empty()) {
    const int chosen = model.defaultScene >= 0 &&
                               static_cast<std::size_t>(model.defaultScene) < model.scenes.size()
                           ? model.defaultScene
                           : 0;
    return model.scenes[static_cast<std::size_t>(chosen)].nodes;
  }
  // No scene: every node that is nobody's child.
  std::vector<bool> is_child(model.nodes.size(), false);
  for (const tinygltf::Node& node : model.nodes) {
    for (int child : node.children) {
      if (child >= 0 && static_cast<std::size_t>(child) < is_child.size()) is_child[child] = true;
    }
  }
  std::vector<int> roots;
  for (std::size_t i = 0; i < is_child.size(); ++i) {
    if (!is_child[i]) roots.push_back(static_cast<int>(i));
  }
  return roots;
}

// Every node of the default scene that has a mesh, in document order, with
// its world transform. Nodes form trees: a node met twice (a cycle, or a
// child of two parents) makes the document malformed.
std::vector<PlacedMesh> PlacedMeshes(const tinygltf::Model& model) {
  std::vector<PlacedMesh> placed;
  std::vector<bool> visited(model.nodes.size(), false);
  std::vector<PlacedMesh> stack;
  const std::vector<int> roots = SceneRoots(model);
  for (auto it = roots.rbegin(); it != roots.rend(); ++it) stack.push_back({*it, kIdentity});
  while (!stack.empty()) {
    const PlacedMesh parent = stack.back();
    stack.pop_back();
    if (parent.node < 0 || static_cast<std::size_t>(parent.node) >= model.nodes.size()) Refuse();
    if (visited[static_cast<std::size_t>(parent.node)]) Refuse();
    visited[static_cast<std::size_t>(parent.node)] = true;
    const tinygltf::Node& node = model.nodes[static_cast<std::size_t>(parent.node)];
    const Matrix world = Multiply(parent.world, LocalMatrix(node));
    if (node.mesh >= 0) {
      if (static_cast<std::size_t>(node.mesh) >= model.meshes.size()) Refuse();
      placed.push_back({parent.node, world});
    }
    for (auto it = node.children.rbegin(); it != node.children.rend(); ++it) stack.push_back({*it, world});
  }
  return placed;
}

// ---- Triangles.

std::vector<std::uint32_t> CornerList(const tinygltf::Model& model, const tinygltf::Primitive& primitive,
                                      std::size_t vertex_count) {
  std::vector<std::uint32_t> corners;
  if (primitive.indices < 0) {
    corners.resize(vertex_count);
    for (std::size_t i = 0; i < vertex_count; ++i) corners[i] = static_cast<std::uint32_t>(i);
    return corners;
  }
  const AccessorData indices = Access(model, primitive.indices, 1);
  if (indices.componentType != TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE &&
      indices.componentType != TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT &&
      indices.componentType != TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT) {
    Refuse();
  }
  if (indices.base == nullptr) Refuse();
  corners.resize(indices.count);
  for (std::size_t i = 0; i < indices.count; ++i) {
    const double index = indices.Raw(i, 0);
    if (index >= static_cast<double>(vertex_count)) Refuse(messages::kIndexOutOfRange);
    corners[i] = static_cast<std::uint32_t>(index);
  }
  return corners;
}

// Triangles in glTF's counter-clockwise order (three corners each). Strips and
// fans drop the zero-area triangles they use to join runs.
std::vector<std::uint32_t> Triangles(const std::vector<std::uint32_t>& corners, int mode) {
  std::vector<std::uint32_t> triangles;
  const std::size_t n = corners.size();
  if (mode == kTriangles) {
    triangles.assign(corners.begin(), corners.begin() + static_cast<std::ptrdiff_t>(n - n % 3));
    return triangles;
  }
  for (std::size_t i = 0; i + 2 < n; ++i) {
    std::array<std::uint32_t, 3> t;
    if (mode == kTriangleFan) {
      t = {corners[i + 1], corners[i + 2], corners[0]};
    } else if (i % 2 == 0) {
      t = {corners[i], corners[i + 1], corners[i + 2]};
    } else {
      t = {corners[i], corners[i + 2], corners[i + 1]};
    }
    if (t[0] == t[1] || t[1] == t[2] || t[0] == t[2]) continue;
    triangles.insert(triangles.end(), t.begin(), t.end());
  }
  return triangles;
}

using Vec3 = std::array<double, 3>;

Vec3 PointAt(const AccessorData& data, std::size_t i) { return {data.Value(i, 0), data.Value(i, 1), data.Value(i, 2)}; }

Vec3 Unit3(const Vec3& v) {
  const double length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  if (!(length > 0.0) || !std::isfinite(length)) return {0, 0, 0};
  return {v[0] / length, v[1] / length, v[2] / length};
}

// True when some corner's normal turns more than about a degree away from its
// triangle's own normal: the file shades across its faces.
bool NormalsDifferFromFaces(const AccessorData& positions, const AccessorData& normals,
                            const std::vector<std::uint32_t>& triangles) {
  constexpr double kSameDirection = 0.9998;
  for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
    const Vec3 a = PointAt(positions, triangles[t]);
    const Vec3 b = PointAt(positions, triangles[t + 1]);
    const Vec3 c = PointAt(positions, triangles[t + 2]);
    const Vec3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const Vec3 v{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const Vec3 face = Unit3({u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]});
    if (face == Vec3{0, 0, 0}) continue;
    for (int k = 0; k < 3; ++k) {
      const Vec3 n = Unit3(PointAt(normals, triangles[t + static_cast<std::size_t>(k)]));
      if (n == Vec3{0, 0, 0}) continue;
      if (n[0] * face[0] + n[1] * face[1] + n[2] * face[2] < kSameDirection) return true;
    }
  }
  return false;
}

std::string ImageExtension(const tinygltf::Image& image, std::string_view bytes) {
  if (image.mimeType == "image/png" || bytes.starts_with("\x89PNG")) return "png";
  if (image.mimeType == "image/jpeg" || bytes.starts_with("\xFF\xD8\xFF")) return "jpg";
  return {};
}

// ---- The reader.

class GltfReader {
 public:
  GltfReader(const tinygltf::Model& model, MeshBuilder& builder, std::string stem)
      : model_(model), builder_(builder), stem_(std::move(stem)) {}

  void AddPlacedMesh(const PlacedMesh& placed) {
    const tinygltf::Mesh& mesh = model_.meshes[static_cast<std::size_t>(model_.nodes[placed.node].mesh)];
    if (name_.empty()) name_ = !model_.nodes[placed.node].name.empty() ? model_.nodes[placed.node].name : mesh.name;
    for (const tinygltf::Primitive& primitive : mesh.primitives) AddPrimitive(placed, primitive);
  }

  std::string ObjectName() const { return name_.empty() ? stem_ : name_; }
  bool SkippedAny() const { return skipped_ > 0; }

  std::vector<std::string> Notes() const {
    std::vector<std::string> notes;
    if (skipped_ > 0) notes.push_back("left out " + std::to_string(skipped_) + " glTF primitive(s) of points or lines");
    if (unturned_ > 0) {
      notes.push_back("the rotation of " + std::to_string(unturned_) +
                      " texture transform(s) was left out: a texture map has offset and repeats only");
    }
    return notes;
  }
  std::vector<EmbeddedImage>& Images() { return images_; }

 private:
  struct VertexRun {
    std::uint32_t firstVertex = 0;
    std::int64_t firstUv = -1;  // -1: the primitive has no texture vertices
  };

  void AddPrimitive(const PlacedMesh& placed, const tinygltf::Primitive& primitive) {
    if (primitive.mode >= kPoints && primitive.mode <= kLineStrip) {
      ++skipped_;
      return;
    }
    if (primitive.mode < kTriangles || primitive.mode > kTriangleFan) Refuse();
    const auto position = primitive.attributes.find("POSITION");
    if (position == primitive.attributes.end()) Refuse();
    const AccessorData positions = Access(model_, position->second, 3);
    const VertexRun run = Vertices(placed, primitive, positions);
    std::vector<std::uint32_t> triangles = Triangles(CornerList(model_, primitive, positions.count), primitive.mode);
    if (triangles.size() / 3 > kMaxForeignFaces - builder_.FaceCount()) Refuse(messages::kTooLarge);
    const bool smooth = IsSmooth(primitive, positions, triangles);
    const std::int32_t material = Material(primitive.material);
    const bool mirrored = Determinant3(placed.world) < 0.0;
    std::uint32_t placeholder = 0;
    if (run.firstUv < 0 && !builder_.PlaceholderUv(placeholder)) Refuse(messages::kTooLarge);
    std::array<std::uint32_t, 3> corners;
    std::array<std::uint32_t, 3> uvs;
    for (std::size_t t = 0; t + 2 < triangles.size(); t += 3) {
      for (std::size_t k = 0; k < 3; ++k) {
        // A mirroring transform turns the front faces round.
        const std::uint32_t local = triangles[t + (mirrored && k > 0 ? 3 - k : k)];
        corners[k] = run.firstVertex + local;
        uvs[k] = run.firstUv < 0 ? placeholder : static_cast<std::uint32_t>(run.firstUv) + local;
      }
      builder_.AddFace(corners, uvs, material, smooth);
    }
  }

  bool IsSmooth(const tinygltf::Primitive& primitive, const AccessorData& positions,
                const std::vector<std::uint32_t>& triangles) const {
    const auto normal = primitive.attributes.find("NORMAL");
    if (normal == primitive.attributes.end()) return false;
    const AccessorData normals = Access(model_, normal->second, 3);
    if (normals.count != positions.count) Refuse();
    return NormalsDifferFromFaces(positions, normals, triangles);
  }

  // The vertices (and texture vertices) of one node's positions; primitives
  // of the node that name the same accessors share them.
  VertexRun Vertices(const PlacedMesh& placed, const tinygltf::Primitive& primitive,
                     const AccessorData& positions) {
    const auto uv = primitive.attributes.find("TEXCOORD_0");
    const int uv_accessor = uv == primitive.attributes.end() ? -1 : uv->second;
    const auto key = std::make_tuple(placed.node, primitive.attributes.at("POSITION"), uv_accessor);
    if (const auto found = runs_.find(key); found != runs_.end()) return found->second;
    if (!builder_.HasRoomForVertices(positions.count)) Refuse(messages::kTooLarge);
    VertexRun run;
    run.firstVertex = static_cast<std::uint32_t>(builder_.VertexCount());
    const Matrix& m = placed.world;
    for (std::size_t i = 0; i < positions.count; ++i) {
      const Vec3 p = PointAt(positions, i);
      const double x = m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12];
      const double y = m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13];
      const double z = m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14];
      if (!builder_.AddVertex(FromYUp(x, y, z))) Refuse();
    }
    if (uv_accessor >= 0) run.firstUv = AddUvs(uv_accessor, positions.count);
    runs_.emplace(key, run);
    return run;
  }

  // glTF puts the image's origin at its top left, the modeller at its bottom left.
  std::int64_t AddUvs(int accessor, std::size_t vertex_count) {
    const AccessorData uvs = Access(model_, accessor, 2);
    if (uvs.count != vertex_count) Refuse();
    if (!builder_.HasRoomForUvs(uvs.count)) Refuse(messages::kTooLarge);
    const auto first = static_cast<std::int64_t>(builder_.UvCount());
    for (std::size_t i = 0; i < uvs.count; ++i) {
      const CUvPoint t(static_cast<float>(uvs.Value(i, 0)), static_cast<float>(1.0 - uvs.Value(i, 1)));
      if (!builder_.AddUv(t)) Refuse();
    }
    return first;
  }

  std::int32_t Material(int index) {
    if (index < 0) return builder_.DefaultMaterial();
    if (static_cast<std::size_t>(index) >= model_.materials.size()) Refuse();
    if (const auto found = materials_.find(index); found != materials_.end()) return found->second;
    const tinygltf::Material& source = model_.materials[static_cast<std::size_t>(index)];
    const tinygltf::PbrMetallicRoughness& pbr = source.pbrMetallicRoughness;
    std::array<double, 4> factor{1, 1, 1, 1};
    if (pbr.baseColorFactor.size() == 4) std::copy(pbr.baseColorFactor.begin(), pbr.baseColorFactor.end(), factor.begin());
    // glTF's factors are linear light, the modeller's colours display values.
    for (int c = 0; c < 3; ++c) factor[c] = LinearToSrgb(static_cast<float>(factor[c]));
    auto material = MaterialFromColour(factor, pbr.metallicFactor >= 0.5);
    material->Name = source.name;
    // A full highlight whose exponent gives the roughness back on export.
    material->Ks = 1.0f;
    material->Exponent = ExponentForRoughness(static_cast<float>(pbr.roughnessFactor));
    SetTextureMap(*material, TextureName(pbr.baseColorTexture.index));
    if (material->TextureFlags != CMaterial::kNoMap) PlaceTexture(*material, pbr.baseColorTexture.extensions);
    const std::int32_t made = builder_.AddMaterial(std::move(material));
    materials_.emplace(index, made);
    return made;
  }

  // KHR_texture_transform's offset t and scale s in glTF's texture space,
  // where v runs down, as the map's repeats r = s and offset
  // (t_u, 1 - t_v - s_v): the exact inverse of the export's placement.
  void PlaceTexture(CMaterial& material, const tinygltf::ExtensionMap& extensions) {
    const auto found = extensions.find("KHR_texture_transform");
    if (found == extensions.end() || !found->second.IsObject()) return;
    const tinygltf::Value& transform = found->second;
    auto pair = [&](const char* key, std::array<double, 2> fallback) {
      const tinygltf::Value& value = transform.Get(key);
      if (!value.IsArray() || value.ArrayLen() != 2) return fallback;
      for (int i = 0; i < 2; ++i) {
        const tinygltf::Value& number = value.Get(i);
        const double v = number.IsNumber() ? number.GetNumberAsDouble() : fallback[i];
        fallback[i] = std::isfinite(v) ? v : fallback[i];
      }
      return fallback;
    };
    const std::array<double, 2> offset = pair("offset", {0.0, 0.0});
    const std::array<double, 2> scale = pair("scale", {1.0, 1.0});
    material.TextureRepeats[0] = static_cast<float>(scale[0]);
    material.TextureRepeats[1] = static_cast<float>(scale[1]);
    material.TextureOffset[0] = static_cast<float>(offset[0]);
    material.TextureOffset[1] = static_cast<float>(1.0 - offset[1] - scale[1]);
    const tinygltf::Value& rotation = transform.Get("rotation");
    if (rotation.IsNumber() && rotation.GetNumberAsDouble() != 0.0) ++unturned_;
  }

  // The name the material's texture map gets (empty: no usable image).
  std::string TextureName(int texture) {
    if (texture < 0 || static_cast<std::size_t>(texture) >= model_.textures.size()) return {};
    const int source = model_.textures[static_cast<std::size_t>(texture)].source;
    if (source < 0 || static_cast<std::size_t>(source) >= model_.images.size()) return {};
    if (const auto found = imageNames_.find(source); found != imageNames_.end()) return found->second;
    const tinygltf::Image& image = model_.images[static_cast<std::size_t>(source)];
    std::string name = image.uri.empty() ? EmbeddedImageName(image, source) : PercentDecoded(image.uri);
    imageNames_.emplace(source, name);
    return name;
  }

  std::string EmbeddedImageName(const tinygltf::Image& image, int index) {
    std::string bytes(image.image.begin(), image.image.end());
    if (image.bufferView >= 0) {
      const tinygltf::Buffer& buffer = ViewBuffer(model_, image.bufferView);
      const tinygltf::BufferView& view = model_.bufferViews[static_cast<std::size_t>(image.bufferView)];
      bytes.assign(reinterpret_cast<const char*>(buffer.data.data() + view.byteOffset), view.byteLength);
    }
    const std::string extension = ImageExtension(image, bytes);
    if (bytes.empty() || extension.empty()) return {};
    std::string name = stem_ + "_" + std::to_string(index) + "." + extension;
    images_.push_back({name, std::move(bytes)});
    return name;
  }

  const tinygltf::Model& model_;
  MeshBuilder& builder_;
  std::string stem_;
  std::string name_;
  int skipped_ = 0;
  int unturned_ = 0;  // texture transforms whose rotation was dropped
  std::map<std::tuple<int, int, int>, VertexRun> runs_;
  std::map<int, std::int32_t> materials_;
  std::map<int, std::string> imageNames_;
  std::vector<EmbeddedImage> images_;
};

}  // namespace

MeshImportResult ImportGltf(std::string_view bytes, const std::filesystem::path& folder,
                            const std::string& stem) {
  MeshImportResult result;
  result.format = IsGlbMagic(bytes) ? MeshFormat::Glb : MeshFormat::Gltf;
  return GuardedImport(std::move(result), [&](MeshImportResult& out) {
    FolderAccess access{folder, {}};
    const tinygltf::Model model = Parse(bytes, access);
    CheckRequiredExtensions(model);
    MeshBuilder builder;
    GltfReader reader(model, builder, stem);
    for (const PlacedMesh& placed : PlacedMeshes(model)) reader.AddPlacedMesh(placed);
    out.object = builder.Finish(reader.ObjectName());
    if (!out.object) Refuse(reader.SkippedAny() ? messages::kOnlyPointsOrLines : messages::kNoMesh);
    out.notes = reader.Notes();
    out.images = std::move(reader.Images());
  });
}

}  // namespace bk
