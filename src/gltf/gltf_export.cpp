#include "gltf/gltf_export.h"

#include <rapidjson/encodedstream.h>
#include <rapidjson/encodings.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <unordered_map>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

#include "cob/face_run.h"
#include "cob/material.h"
#include "engine/keyframes.h"
#include "gltf/gltf_material.h"
#include "gltf/gltf_mesh.h"
#include "gltf/gltf_motion.h"
#include "gltf/gltf_output.h"
#include "gltf/gltf_texture.h"
#include "gltf/json_writer.h"
#include "gltf/object_prefetch.h"
#include "gltf/spill_buffer.h"
#include "model/progress.h"
#include "model/replacing_file.h"
#include "model/saturate.h"

namespace bk {
namespace {

// Time lists kept for sharing between channels; beyond this many distinct
// lists new ones are written without being remembered, so memory stays flat.
constexpr std::size_t kMaxSharedTimeLists = 4096;

constexpr int kFloat = 5126;
constexpr int kUnsignedInt = 5125;

struct Failure {
  std::string message;
};

// Thrown when the user asks to stop: the export ends with nothing written.
struct Cancelled {};

using JsonWriter = JsonTextWriter;

bool Finite(const Vec3d& v) { return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]); }

// Names come from files of other machines: text that is not UTF-8 is read
// as Latin-1, so the JSON stays valid and every byte keeps a character.
std::string Utf8(const std::string& text) {
  if (std::all_of(text.begin(), text.end(), [](char c) { return c > 0; })) return text;
  rapidjson::StringStream in(text.c_str());
  rapidjson::StringBuffer ignored;
  bool valid = true;
  while (valid && in.Tell() < text.size()) valid = rapidjson::UTF8<>::Validate(in, ignored);
  if (valid && text.find('\0') == std::string::npos) return text;
  std::string out;
  for (unsigned char c : text) {
    if (c == 0) continue;
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

template <typename Writer>
void WriteName(Writer& w, const std::string& name) {
  if (name.empty()) return;
  const std::string text = Utf8(name);
  w.Key("name");
  w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
}

// A name as WriteName writes its value: a JSON string, quotes included.
std::string QuotedName(const std::string& name) {
  const std::string text = Utf8(name);
  if (JsonTextWriter::NeedsNoEscapes(text)) return '"' + text + '"';
  rapidjson::StringBuffer quoted;
  rapidjson::Writer<rapidjson::StringBuffer> w(quoted);
  w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
  return {quoted.GetString(), quoted.GetSize()};
}

template <typename Writer, typename Values>
void WriteNumbers(Writer& w, const char* key, const Values& values) {
  w.Key(key);
  w.StartArray();
  for (const auto v : values) {
    if constexpr (std::is_integral_v<std::remove_cvref_t<decltype(v)>>) {
      w.Int(v);
    } else {
      w.Double(v);
    }
  }
  w.EndArray();
}

// The binary data areas, one buffer view each; images get a view of their own.
enum ViewKind { kPositions, kNormals, kTexCoords, kIndices, kAnimation, kViewKinds };
struct ViewLayout {
  int target;  // 0: none
  int stride;  // 0: tightly packed, not given
};
constexpr ViewLayout kLayouts[kViewKinds] = {{34962, 12}, {34962, 12}, {34962, 8}, {34963, 0}, {0, 0}};

// What each spilled stream holds in memory before its file takes over:
// each full block is handed to the spill thread, and with 64 KiB blocks a
// large export spent a noticeable time just waking it. Nine streams and
// the blocks waiting stay within a few megabytes, below what the .cob
// export of the same explosion adds.
constexpr std::size_t kSpillMemory = std::size_t{1} << 18;

// One JSON array written piece by piece (nodes, meshes, accessors, ...).
struct Section {
  SpillBuffer bytes;
  JsonWriter writer{bytes};
  std::size_t count = 0;

  Section() : bytes(kSpillMemory) { writer.StartArray(); }
  JsonWriter& Next() {
    ++count;
    return writer;
  }
};

std::size_t Aligned(std::size_t n) { return (n + 3) / 4 * 4; }

// Beside the bits of an object's motion paths: what its first preparation
// found that spares work when it is prepared again (ObjectMotion::Shortcuts).
constexpr std::uint8_t kTwoKeyTurn = 1u << kMotionPaths;
constexpr std::uint8_t kEveryFrameMove = 1u << (kMotionPaths + 1);

// FNV-1a over the frames: per-frame lists share long runs, so ordering them
// in a tree would compare most of each list at every step.
struct FrameListHash {
  std::size_t operator()(const std::vector<int>& frames) const {
    std::uint64_t h = 14695981039346656037ull;
    for (int f : frames) h = (h ^ static_cast<std::uint32_t>(f)) * 1099511628211ull;
    return static_cast<std::size_t>(h);
  }
};

// Turns the groups into glTF: while building, the mesh data and the growing
// JSON arrays are streamed into spill buffers and the animation data is
// only counted; Write* then assembles the file from them, making the
// animation data again as it goes, so memory stays small however many
// pieces there are.
class Builder {
 public:
  Builder(const GltfOptions& options, GltfResult& result, ProgressSink& progress)
      : options_(options), result_(result), progress_(progress) {}

  void Build(std::span<const GltfGroup> groups);
  void WriteGlb(OutputSink& sink);
  void WriteEmbedded(OutputSink& sink);

 private:
  struct ViewSource {
    int kind = -1;   // a ViewKind, or
    int image = -1;  // an index into images_
  };

  [[noreturn]] static void Fail(const CPolyChunk& mesh, const std::string& what) {
    throw Failure{"object \"" + mesh.Name + "\": " + what};
  }

  // Where the animation view's bytes are made again while the file is
  // written: every kMotionStride-th object, where it stands and where its
  // bytes start in the view.
  struct MotionMark {
    std::size_t group = 0;
    std::size_t object = 0;  // within the group
    std::size_t first = 0;   // among all objects
    std::size_t offset = 0;
  };
  static constexpr std::size_t kMotionStride = 2048;

  int View(ViewKind kind);
  std::size_t ViewBytes(ViewKind kind) const { return kind == kAnimation ? animationBytes_ : data_[kind].Size(); }
  std::size_t ViewBytes(const ViewSource& view) const;
  // Per-component bounds of an accessor's values.
  struct Bounds {
    std::size_t Components = 0;
    std::array<double, 4> Low{};
    std::array<double, 4> High{};
  };
  int AddAccessor(ViewKind kind, std::size_t offset, int component, std::string_view type, std::size_t count,
                  const Bounds* bounds = nullptr);
  int FloatAccessor(ViewKind kind, std::span<const float> values, int components, bool bounds);
  int AddFloats(ViewKind kind, std::span<const float> values, int components, bool bounds);
  int AddIndices(std::span<const std::uint32_t> indices);
  std::pair<int, bool> Times(const std::vector<int>& frames);
  bool AddMotionChannel(int node, MotionPath path, const Vec3d& center, const ObjectMotion& motion);
  int Texture(const std::string& name);
  int Material(GltfLook look);
  bool PrepareLooks(const MaterialList& materials);
  int AddMesh(const GltfObject& object, ObjectPrefetch::Work& work, const GltfCornerTable& corners,
              std::size_t index);
  void AddNode(const CPolyChunk& mesh, int mesh_index, const Vec3d& center, const ObjectMotion& motion);
  void AddObject(const GltfObject& object, int node, ObjectPrefetch::Work& work, const GltfCornerTable& corners,
                 std::size_t index);
  void AddGroupNode(const GltfGroup& group, int node, const std::vector<int>& child_groups);

  template <typename Sink>
  void WriteJson(Sink& sink, bool embedded);
  template <typename Writer>
  void WriteMaterials(Writer& w);
  template <typename Writer>
  void WriteTextures(Writer& w);
  template <typename Writer>
  void WriteBufferViews(Writer& w);
  template <typename Piece>
  void ForEachMotionPiece(std::size_t mark, Piece piece) const;
  template <typename Spilled, typename Bytes>
  void ForEachBinaryPart(Spilled spilled, Bytes bytes) const;
  std::size_t BinaryLength() const;

  const GltfOptions& options_;
  GltfResult& result_;
  ProgressSink& progress_;
  std::size_t progressTotal_ = 1;

  void ReportProgress(std::size_t done) {
    progress_.ShowProgress(ClampToCount(static_cast<std::int64_t>(done)),
                           ClampToCount(static_cast<std::int64_t>(progressTotal_)), "");
    StopIfAsked();
  }
  void StopIfAsked() const {
    if (progress_.CancelRequested()) throw Cancelled{};
  }
  // A step of the writing that follows the making: the bar stays at its
  // last step, and the report is what lets a front end see a cancel.
  void WritingStep() { ReportProgress(progressTotal_ - 1); }
  // The mesh views; the animation view is only counted here and made while
  // the file is written (it is most of the data, and quick to make again).
  SpillBuffer data_[kAnimation] = {SpillBuffer(kSpillMemory), SpillBuffer(kSpillMemory),
                                   SpillBuffer(kSpillMemory), SpillBuffer(kSpillMemory)};
  std::size_t animationBytes_ = 0;
  std::span<const GltfGroup> groups_;
  std::vector<MotionMark> marks_;
  // Per object: a bit per MotionPath whose time list it writes, and the
  // shortcuts its motion allows (kTwoKeyTurn, kEveryFrameMove).
  std::vector<std::uint8_t> newTimes_;
  int viewOf_[kViewKinds] = {-1, -1, -1, -1, -1};
  std::vector<ViewSource> views_;
  Section nodes_, meshes_, accessors_, samplers_, channels_;
  std::vector<int> roots_;
  std::unordered_map<std::vector<int>, int, FrameListHash> times_;
  // Lists of every frame from one to another (most per-frame lists), found
  // by their ends alone; the other lists are in times_.
  std::map<std::pair<int, int>, int> runTimes_;
  std::map<GltfLook, int> lookIndex_;
  std::vector<GltfLook> looks_;
  std::map<std::string, int> textureOf_;  // texture file name -> texture, or -1 when missing
  std::vector<TextureImage> images_;
  std::vector<int> imageViews_;
  // Scratch storage reused from object to object.
  GltfMeshBuilder meshBuilder_;
  CPolyChunk lists_{WorkingCopy{}};  // a piece's lists, as ListsOf gives them
  GltfMeshData meshData_;
  std::vector<GltfLook> slotLooks_;
  std::vector<int> slotMaterial_;
  FloatBuffer output_;
};

int Builder::View(ViewKind kind) {
  if (viewOf_[kind] < 0) {
    viewOf_[kind] = static_cast<int>(views_.size());
    views_.push_back({kind, -1});
  }
  return viewOf_[kind];
}

// What the accessors' JSON records take at most, the longest with four
// bounds of 25 characters each way.
constexpr std::size_t kMaxAccessorText = 512;
constexpr std::size_t kMaxRecordText = 128;  // a sampler, a channel or a mesh's primitive
constexpr std::size_t kMaxNodeText = 512;    // a node but for its name

int Builder::AddAccessor(ViewKind kind, std::size_t offset, int component, std::string_view type,
                         std::size_t count, const Bounds* bounds) {
  const int view = View(kind);
  accessors_.Next().Composed(kMaxAccessorText, [&](char* at) {
    at = ComposeJson(at, R"({"bufferView":)", view);
    if (offset > 0) at = ComposeJson(at, R"(,"byteOffset":)", std::uint64_t{offset});
    at = ComposeJson(at, R"(,"componentType":)", component, R"(,"count":)", std::uint64_t{count}, R"(,"type":")",
                     type, R"(")");
    if (bounds != nullptr) {
      at = ComposeJson(at, R"(,"min":)", std::span<const double>(bounds->Low.data(), bounds->Components),
                       R"(,"max":)", std::span<const double>(bounds->High.data(), bounds->Components));
    }
    return ComposeJson(at, "}");
  });
  return static_cast<int>(accessors_.count) - 1;
}

void CheckFloat(float value) {
  if (!std::isfinite(value)) throw Failure{"a value is too large for a 32-bit float"};
}

void CheckFloats(std::span<const float> values) {
  for (float v : values) CheckFloat(v);
}

// The accessor of float data about to be added at the end of its view, with
// min and max per component (as the 32-bit values stored) when asked for.
int Builder::FloatAccessor(ViewKind kind, std::span<const float> values, int components, bool bounds) {
  const std::size_t offset = ViewBytes(kind);
  const char* type = components == 1 ? "SCALAR" : components == 2 ? "VEC2" : components == 3 ? "VEC3" : "VEC4";
  const auto width = static_cast<std::size_t>(components);
  const std::size_t count = values.size() / width;
  if (!bounds || count == 0) {
    // Normals are unit vectors (or one fixed unit vector) as they are made.
    if (kind != kNormals) CheckFloats(values);
    return AddAccessor(kind, offset, kFloat, type, count);
  }
  Bounds range{width, {INFINITY, INFINITY, INFINITY, INFINITY}, {-INFINITY, -INFINITY, -INFINITY, -INFINITY}};
  for (std::size_t i = 0; i < values.size(); i += width) {
    for (std::size_t c = 0; c < width; ++c) {
      CheckFloat(values[i + c]);
      range.Low[c] = std::min(range.Low[c], static_cast<double>(values[i + c]));
      range.High[c] = std::max(range.High[c], static_cast<double>(values[i + c]));
    }
  }
  return AddAccessor(kind, offset, kFloat, type, count, &range);
}

int Builder::AddFloats(ViewKind kind, std::span<const float> values, int components, bool bounds) {
  const int index = FloatAccessor(kind, values, components, bounds);
  data_[kind].Append(values.data(), values.size_bytes());
  return index;
}

int Builder::AddIndices(std::span<const std::uint32_t> indices) {
  const std::size_t offset = data_[kIndices].Size();
  data_[kIndices].Append(indices.data(), indices.size_bytes());
  return AddAccessor(kIndices, offset, kUnsignedInt, "SCALAR", indices.size());
}

// The input accessor of a sampler: the frames in seconds; equal lists share
// one. True with it when the list is written here (not shared).
std::pair<int, bool> Builder::Times(const std::vector<int>& frames) {
  // Frames ascend without repeats, so a list is a run exactly when its
  // length spans its ends.
  const bool run = !frames.empty() && static_cast<std::size_t>(frames.back() - frames.front()) + 1 == frames.size();
  const std::pair<int, int> ends = run ? std::pair{frames.front(), frames.back()} : std::pair{0, 0};
  if (run) {
    const auto found = runTimes_.find(ends);
    if (found != runTimes_.end()) return {found->second, false};
  } else {
    const auto found = times_.find(frames);
    if (found != times_.end()) return {found->second, false};
  }
  output_.clear();
  AppendSeconds(frames, options_.Fps, output_);
  const int index = FloatAccessor(kAnimation, output_, 1, true);
  animationBytes_ += output_.size() * sizeof(float);
  if (times_.size() + runTimes_.size() < kMaxSharedTimeLists) {
    if (run) {
      runTimes_.emplace(ends, index);
    } else {
      times_.emplace(frames, index);
    }
  }
  return {index, true};
}

// The sampler and channel of one path of an object's motion, unless that
// path stands still; true when its time list is written with it. Its output
// values are only counted: they are made again when the file is written.
bool Builder::AddMotionChannel(int node, MotionPath path, const Vec3d& center, const ObjectMotion& motion) {
  const CurvePlan& plan = motion.Plan(path);
  if (plan.Form == CurveForm::Static) return false;
  // (Not a structured binding: clang 14 cannot capture one in the lambda below.)
  const std::pair<int, bool> times = Times(plan.Frames);
  const int input = times.first;
  const bool written = times.second;
  if (motion.MayOverflow(path, center)) {
    output_.clear();
    motion.AppendOutputs(path, center, options_.Fps, output_);
    CheckFloats(output_);
  }
  const int components = motion.Components(path);
  const std::size_t count = motion.OutputCount(path);
  const int output = AddAccessor(kAnimation, animationBytes_, kFloat, components == 3 ? "VEC3" : "VEC4", count);
  animationBytes_ += count * static_cast<std::size_t>(components) * sizeof(float);
  const std::string_view form = plan.Form == CurveForm::CubicSpline ? "CUBICSPLINE" : "LINEAR";
  samplers_.Next().Composed(kMaxRecordText, [&](char* at) {
    return ComposeJson(at, R"({"input":)", input, R"(,"output":)", output, R"(,"interpolation":")", form, R"("})");
  });
  const int sampler = static_cast<int>(samplers_.count) - 1;
  const std::string_view target = path == kTranslation ? "translation" : path == kScale ? "scale" : "rotation";
  channels_.Next().Composed(kMaxRecordText, [&](char* at) {
    return ComposeJson(at, R"({"sampler":)", sampler, R"(,"target":{"node":)", node, R"(,"path":")", target,
                       R"("}})");
  });
  return written;
}

// The texture of an image file, loaded on first use; -1 when there is no
// usable image (said once as a warning; the material's colour stands in).
int Builder::Texture(const std::string& name) {
  const auto found = textureOf_.find(name);
  if (found != textureOf_.end()) return found->second;
  TextureImage image;
  const std::string why = LoadTextureImage(name, options_.TextureFolders, image);
  int index = -1;
  if (!why.empty()) {
    result_.warnings.push_back(why + "; its material's colour is used instead");
  } else {
    index = static_cast<int>(images_.size());
    imageViews_.push_back(static_cast<int>(views_.size()));
    views_.push_back({-1, index});
    images_.push_back(std::move(image));
  }
  textureOf_.emplace(name, index);
  return index;
}

// The glTF material of a look; equal looks share one.
int Builder::Material(GltfLook look) {
  const auto found = lookIndex_.find(look);
  if (found != lookIndex_.end()) return found->second;
  const int index = static_cast<int>(looks_.size());
  looks_.push_back(look);
  lookIndex_.emplace(std::move(look), index);
  return index;
}

// The looks of the mesh's material slots (slot 0: no material), with
// textures resolved; true when any of them shows an image.
bool Builder::PrepareLooks(const MaterialList& materials) {
  const std::size_t slots = materials.size() + 1;
  slotLooks_.resize(slots);
  slotMaterial_.assign(slots, -1);
  bool textured = false;
  for (std::size_t s = 0; s < slots; ++s) {
    GltfLook& look = slotLooks_[s];
    look = LookOf(s == 0 ? nullptr : materials[s - 1].get());
    if (look.TextureName.empty()) continue;
    if (Texture(look.TextureName) >= 0) {
      // The image carries the colour; the factor keeps only the alpha.
      look.BaseColour = {1.0f, 1.0f, 1.0f, look.BaseColour[3]};
      textured = true;
    } else {
      look.TextureName.clear();
      look.TextureOffset = {0.0f, 0.0f};
      look.TextureScale = {1.0f, 1.0f};
    }
  }
  return textured;
}

// The mesh of an object, or -1 when it draws nothing.
// (A mesh made ahead cannot show a texture map, so `textured` is false for it.)
int Builder::AddMesh(const GltfObject& object, ObjectPrefetch::Work& work, const GltfCornerTable& corners,
                     std::size_t index) {
  const CPolyChunk& mesh = *object.Mesh;
  const bool textured = PrepareLooks(object.Materials());
  const std::string error =
      work.MeshBuilt ? work.MeshError
                     : meshBuilder_.Build(object.Materials(), ListsOf(mesh, object.Run, lists_, ListValues::kAsWritten),
                                          textured, meshData_, &corners, index);
  if (!error.empty()) Fail(mesh, error);
  const GltfMeshData& data = work.MeshBuilt ? work.Mesh : meshData_;
  if (data.PartCount == 0) return -1;
  const int positions = AddFloats(kPositions, data.Positions, 3, true);
  const int normals = AddFloats(kNormals, data.Normals, 3, false);
  const int texcoords = textured ? AddFloats(kTexCoords, data.TexCoords, 2, false) : -1;
  // The parts' index accessors follow one another.
  const int first_indices = static_cast<int>(accessors_.count);
  for (std::size_t p = 0; p < data.PartCount; ++p) AddIndices(data.Parts[p].Indices);
  for (std::size_t p = 0; p < data.PartCount; ++p) {
    const std::size_t slot = data.Parts[p].Slot;
    if (slotMaterial_[slot] < 0) slotMaterial_[slot] = Material(slotLooks_[slot]);
  }
  const std::string name = mesh.Name.empty() ? std::string() : QuotedName(mesh.Name);
  meshes_.Next().Composed(name.size() + kMaxRecordText * (data.PartCount + 1), [&](char* at) {
    ComposedObject record(at);
    if (!name.empty()) record.Member("name", name);
    record.Member("primitives");
    char*& next = record.At();
    *next++ = '[';
    for (std::size_t p = 0; p < data.PartCount; ++p) {
      if (p > 0) *next++ = ',';
      ComposedObject primitive(next);
      primitive.Member("attributes", R"({"POSITION":)", positions, R"(,"NORMAL":)", normals);
      if (texcoords >= 0) primitive.At() = ComposeJson(primitive.At(), R"(,"TEXCOORD_0":)", texcoords);
      *primitive.At()++ = '}';
      primitive.Member("indices", first_indices + static_cast<int>(p));
      primitive.Member("material", slotMaterial_[data.Parts[p].Slot]);
      next = primitive.Close();
    }
    *next++ = ']';
    return record.Close();
  });
  return static_cast<int>(meshes_.count) - 1;
}

void CheckKeys(const CPolyChunk& mesh, std::span<const CAnimLineSRT> keys) {
  for (const CAnimLineSRT& key : keys) {
    switch (FaultOf(key)) {
      case KeyFault::kNone:
        break;
      case KeyFault::kFrameOutOfRange:
        throw Failure{"object \"" + mesh.Name + "\": key frame " + std::to_string(key.Frame) + " lies outside -" +
                      std::to_string(kMaxFrame) + " to " + std::to_string(kMaxFrame)};
      case KeyFault::kNotFinite:
        throw Failure{"object \"" + mesh.Name + "\": a key value is not a finite number"};
    }
  }
}

Vec3d CenterOf(const CPolyChunk& mesh) {
  const CVector c = mesh.Axis.Center;
  return {c.x, c.y, c.z};
}

// The object's node, which holds its pose at frame 0 (the object as it
// stands before the explosion), what an importer shows without the
// animation.
void Builder::AddNode(const CPolyChunk& mesh, int mesh_index, const Vec3d& center, const ObjectMotion& motion) {
  const Vec3d p0 = motion.PositionAtStart();
  const Vec3d t = MapPoint({center[0] + p0[0], center[1] + p0[1], center[2] + p0[2]});
  const Vec3d s = MapScale(motion.SizeAtStart());
  const std::array<double, 4> r = MapQuaternion(Normalized(motion.OrientationAtStart()));
  if (!Finite(t) || !Finite(s)) Fail(mesh, "its pose is too large to write");
  const std::string name = mesh.Name.empty() ? std::string() : QuotedName(mesh.Name);
  nodes_.Next().Composed(name.size() + kMaxNodeText, [&](char* at) {
    ComposedObject node(at);
    if (!name.empty()) node.Member("name", name);
    if (mesh_index >= 0) node.Member("mesh", mesh_index);
    if (t != Vec3d{0, 0, 0}) node.Member("translation", std::span<const double>(t));
    if (r != std::array<double, 4>{0, 0, 0, 1}) node.Member("rotation", std::span<const double>(r));
    if (s != Vec3d{1, 1, 1}) node.Member("scale", std::span<const double>(s));
    return node.Close();
  });
}

void Builder::AddObject(const GltfObject& object, int node, ObjectPrefetch::Work& work,
                        const GltfCornerTable& corners, std::size_t index) {
  if (object.Mesh == nullptr) throw Failure{"an object has no mesh"};
  const CPolyChunk& mesh = *object.Mesh;
  const int mesh_index = AddMesh(object, work, corners, index);
  const Vec3d center = CenterOf(mesh);
  if (!Finite(center)) Fail(mesh, "its centre is not a finite number");
  // Motion prepared ahead was prepared only from sound keys.
  if (object.Channel != nullptr && !work.MotionPrepared) {
    CheckKeys(mesh, object.Channel->Keys);
    CheckKeys(mesh, object.Channel->PositionKeys);
    CheckKeys(mesh, object.Channel->SizeKeys);
  }
  if (!work.MotionPrepared) work.Motion.Prepare(object.Channel, options_.Sampling);
  AddNode(mesh, mesh_index, center, work.Motion);
  std::uint8_t written = 0;
  for (const MotionPath path : {kTranslation, kScale, kRotation}) {
    if (AddMotionChannel(node, path, center, work.Motion)) written |= static_cast<std::uint8_t>(1u << path);
  }
  const ObjectMotion::Shortcuts shortcuts = work.Motion.FoundShortcuts();
  if (shortcuts.TwoKeyTurn) written |= kTwoKeyTurn;
  if (shortcuts.EveryFrameMove) written |= kEveryFrameMove;
  newTimes_.push_back(written);
}

// A group's node (`node`): its children are the nodes of its objects, which
// follow it, then those of the groups that hang under it.
void Builder::AddGroupNode(const GltfGroup& group, int node, const std::vector<int>& child_groups) {
  JsonWriter& w = nodes_.Next();
  w.StartObject();
  if (group.Group != nullptr) WriteName(w, group.Group->Name);
  const int objects = static_cast<int>(group.ObjectCount());
  if (objects > 0 || !child_groups.empty()) {
    w.Key("children");
    w.StartArray();
    for (int k = 1; k <= objects; ++k) w.Int(node + k);
    for (const int child : child_groups) w.Int(child);
    w.EndArray();
  }
  w.EndObject();
}

void Builder::Build(std::span<const GltfGroup> groups) {
  // Node indices are known before anything is written: each group's node,
  // then one node per object. A group hangs under an earlier group it names
  // as parent (the particle group under the exploded group), with an
  // identity transform: the objects' coordinates are already the file's.
  std::vector<int> first(groups.size());
  std::vector<std::vector<int>> child_groups(groups.size());
  std::map<std::int32_t, std::size_t> group_of_id;
  int next = 0;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    first[g] = next;
    next += 1 + static_cast<int>(groups[g].ObjectCount());
    const CGroup* group = groups[g].Group;
    const auto parent = group != nullptr && group->ParentId != 0 ? group_of_id.find(group->ParentId)
                                                                 : group_of_id.end();
    if (parent != group_of_id.end()) {
      child_groups[parent->second].push_back(first[g]);
    } else {
      roots_.push_back(first[g]);
    }
    if (group != nullptr) group_of_id.emplace(group->Id, g);
  }
  groups_ = groups;
  // Normals are worked out over each group as a whole, so that where pieces
  // meet at rest they carry the normals of the object they were cut from.
  std::vector<GltfCornerTable> corners(groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    const GltfGroup& group = groups[g];
    corners[g].Build(
        group.ObjectCount(),
        [&](std::size_t k) -> GltfCornerTable::ChunkFacts {
          const GltfObject object = group.Object(k);
          if (object.Mesh == nullptr) return {};
          return {object.Mesh, &object.Materials()};
        },
        [&](std::size_t k, CPolyChunk& work) -> const CPolyChunk* {
          const GltfObject object = group.Object(k);
          if (object.Mesh == nullptr) return nullptr;
          return &ListsOf(*object.Mesh, object.Run, work, ListValues::kAsWritten);
        });
  }
  // Making the objects is most of the work: they count for the bar, and the
  // writing that follows is its last step.
  progressTotal_ = 1;
  for (const GltfGroup& group : groups) progressTotal_ += group.ObjectCount();
  std::size_t made = 0;
  // A group's node goes before its objects' nodes, those of groups without
  // objects included.
  std::size_t nodes_added = 0;
  const auto add_group_nodes_to = [&](std::size_t end) {
    for (; nodes_added < end; ++nodes_added) {
      AddGroupNode(groups[nodes_added], first[nodes_added], child_groups[nodes_added]);
    }
  };
  ObjectPrefetch(groups, options_.Sampling, corners).ForEach([&](std::size_t g, std::size_t k, ObjectPrefetch::Work& work) {
    add_group_nodes_to(g + 1);
    if (newTimes_.size() % kMotionStride == 0) marks_.push_back({g, k, newTimes_.size(), animationBytes_});
    AddObject(groups[g].Object(k), first[g] + 1 + static_cast<int>(k), work, corners[g], k);
    if (++made % 64 == 0) ReportProgress(made);
  });
  add_group_nodes_to(groups.size());
  ReportProgress(made);
  for (Section* section : {&nodes_, &meshes_, &accessors_, &samplers_, &channels_}) section->writer.EndArray();
}

template <typename Writer>
void Builder::WriteMaterials(Writer& w) {
  w.Key("materials");
  w.StartArray();
  for (std::size_t i = 0; i < looks_.size(); ++i) {
    const GltfLook& look = looks_[i];
    w.StartObject();
    WriteName(w, look.Name.empty() ? "Material " + std::to_string(i + 1) : look.Name);
    w.Key("pbrMetallicRoughness");
    w.StartObject();
    WriteNumbers(w, "baseColorFactor", look.BaseColour);
    w.Key("metallicFactor");
    w.Double(look.Metallic);
    w.Key("roughnessFactor");
    w.Double(look.Roughness);
    if (!look.TextureName.empty()) {
      w.Key("baseColorTexture");
      w.StartObject();
      w.Key("index");
      w.Int(textureOf_.at(look.TextureName));
      w.Key("extensions");
      w.StartObject();
      w.Key("KHR_texture_transform");
      w.StartObject();
      WriteNumbers(w, "offset", look.TextureOffset);
      WriteNumbers(w, "scale", look.TextureScale);
      w.EndObject();
      w.EndObject();
      w.EndObject();
    }
    w.EndObject();
    // Pieces are open shells: their insides show through the cuts.
    w.Key("doubleSided");
    w.Bool(true);
    if (look.Blend) {
      w.Key("alphaMode");
      w.String("BLEND");
    }
    w.EndObject();
  }
  w.EndArray();
}

template <typename Writer>
void Builder::WriteTextures(Writer& w) {
  w.Key("textures");
  w.StartArray();
  for (std::size_t i = 0; i < images_.size(); ++i) {
    w.StartObject();
    w.Key("sampler");
    w.Int(0);
    w.Key("source");
    w.Int(static_cast<int>(i));
    w.EndObject();
  }
  w.EndArray();
  w.Key("images");
  w.StartArray();
  for (std::size_t i = 0; i < images_.size(); ++i) {
    w.StartObject();
    w.Key("bufferView");
    w.Int(imageViews_[i]);
    w.Key("mimeType");
    w.String(images_[i].MimeType.c_str());
    w.EndObject();
  }
  w.EndArray();
  // Maps tile: their repeats reach past the image's edges.
  w.Key("samplers");
  w.StartArray();
  w.StartObject();
  for (const auto& [key, value] : {std::pair{"magFilter", 9729}, {"minFilter", 9987}, {"wrapS", 10497}, {"wrapT", 10497}}) {
    w.Key(key);
    w.Int(value);
  }
  w.EndObject();
  w.EndArray();
}

std::size_t Builder::ViewBytes(const ViewSource& view) const {
  return view.kind >= 0 ? ViewBytes(static_cast<ViewKind>(view.kind))
                        : images_[static_cast<std::size_t>(view.image)].Bytes.size();
}

template <typename Writer>
void Builder::WriteBufferViews(Writer& w) {
  w.Key("bufferViews");
  w.StartArray();
  std::size_t offset = 0;
  for (const ViewSource& view : views_) {
    const std::size_t size = ViewBytes(view);
    w.StartObject();
    w.Key("buffer");
    w.Int(0);
    if (offset > 0) {
      w.Key("byteOffset");
      w.Uint64(offset);
    }
    w.Key("byteLength");
    w.Uint64(size);
    if (view.kind >= 0 && kLayouts[view.kind].stride > 0) {
      w.Key("byteStride");
      w.Int(kLayouts[view.kind].stride);
    }
    if (view.kind >= 0 && kLayouts[view.kind].target > 0) {
      w.Key("target");
      w.Int(kLayouts[view.kind].target);
    }
    w.EndObject();
    offset = Aligned(offset + size);
  }
  w.EndArray();
}

std::size_t Builder::BinaryLength() const {
  std::size_t length = 0;
  for (const ViewSource& view : views_) length = Aligned(length + ViewBytes(view));
  return length;
}

// The animation view's values of the objects from marks_[mark] to the next
// mark, handed to `piece` in pieces (which it takes, leaving the vector it
// is given empty): for each object the samplers of its moving paths in
// order, each output after its time list where that list was written with
// it. Made from the same channels by the same code as when they were
// counted, so they are the same to the bit.
template <typename Piece>
void Builder::ForEachMotionPiece(std::size_t mark, Piece piece) const {
  // 64 KiB: the kernel copies a piece while the cache still holds it, far
  // quicker than one that has been pushed out by a larger piece.
  constexpr std::size_t kPieceFloats = std::size_t{1} << 14;
  const MotionMark& from = marks_[mark];
  const std::size_t end = mark + 1 < marks_.size() ? marks_[mark + 1].first : newTimes_.size();
  ObjectMotion motion;
  FloatBuffer values;
  std::size_t g = from.group;
  std::size_t k = from.object;
  for (std::size_t i = from.first; i < end; ++i, ++k) {
    while (k >= groups_[g].ObjectCount()) {
      ++g;
      k = 0;
    }
    const GltfObject object = groups_[g].Object(k);
    motion.PrepareAgain(object.Channel, options_.Sampling,
                        {(newTimes_[i] & kTwoKeyTurn) != 0, (newTimes_[i] & kEveryFrameMove) != 0});
    const Vec3d center = CenterOf(*object.Mesh);
    for (const MotionPath path : {kTranslation, kScale, kRotation}) {
      if (motion.Plan(path).Form == CurveForm::Static) continue;
      if ((newTimes_[i] >> path) & 1u) AppendSeconds(motion.Plan(path).Frames, options_.Fps, values);
      motion.AppendOutputs(path, center, options_.Fps, values);
    }
    if (values.size() >= kPieceFloats || i + 1 == end) piece(values);
  }
}

// The buffer's bytes: every view in order, each starting at a multiple of
// 4. The mesh views go to `spilled` whole; images, animation and padding go
// to `bytes`.
template <typename Spilled, typename Bytes>
void Builder::ForEachBinaryPart(Spilled spilled, Bytes bytes) const {
  static constexpr char kZeros[4] = {0, 0, 0, 0};
  for (const ViewSource& view : views_) {
    if (view.kind == kAnimation) {
      const auto piece = [&bytes](FloatBuffer& values) {
        bytes(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(float));
        values.clear();
      };
      for (std::size_t m = 0; m < marks_.size(); ++m) ForEachMotionPiece(m, piece);
    } else if (view.kind >= 0) {
      spilled(data_[view.kind]);
    } else {
      const std::vector<unsigned char>& image = images_[static_cast<std::size_t>(view.image)].Bytes;
      bytes(reinterpret_cast<const char*>(image.data()), image.size());
    }
    const std::size_t size = ViewBytes(view);
    if (Aligned(size) > size) bytes(kZeros, Aligned(size) - size);
  }
}

template <typename Sink>
void Builder::WriteJson(Sink& sink, bool embedded) {
  rapidjson::Writer<Sink> w(sink);
  auto splice = [&](const char* key, const Section& section) {
    w.Key(key);
    w.RawValue("", 0, rapidjson::kArrayType);
    sink.Splice(section.bytes);
  };
  w.StartObject();
  // First, as in every file written so far.
  if (accessors_.count > 0) splice("accessors", accessors_);
  w.Key("asset");
  w.StartObject();
  w.Key("generator");
  w.String("Burstkin");
  w.Key("version");
  w.String("2.0");
  w.Key("extras");
  w.StartObject();
  w.Key("fps");
  w.Double(options_.Fps);
  w.EndObject();
  w.EndObject();
  if (!images_.empty()) {
    w.Key("extensionsUsed");
    w.StartArray();
    w.String("KHR_texture_transform");
    w.EndArray();
  }
  w.Key("scene");
  w.Int(0);
  w.Key("scenes");
  w.StartArray();
  w.StartObject();
  w.Key("name");
  w.String("Burstkin");
  if (!roots_.empty()) WriteNumbers(w, "nodes", roots_);
  w.EndObject();
  w.EndArray();
  if (nodes_.count > 0) splice("nodes", nodes_);
  if (meshes_.count > 0) splice("meshes", meshes_);
  if (!looks_.empty()) WriteMaterials(w);
  if (!images_.empty()) WriteTextures(w);
  if (channels_.count > 0) {
    w.Key("animations");
    w.StartArray();
    w.StartObject();
    w.Key("name");
    w.String("Explosion");
    splice("samplers", samplers_);
    splice("channels", channels_);
    w.EndObject();
    w.EndArray();
  }
  if (!views_.empty()) {
    WriteBufferViews(w);
    w.Key("buffers");
    w.StartArray();
    w.StartObject();
    w.Key("byteLength");
    w.Uint64(BinaryLength());
    if (embedded) {
      static constexpr char kPrefix[] = "\"data:application/octet-stream;base64,";
      w.Key("uri");
      w.RawValue(kPrefix, sizeof(kPrefix) - 1, rapidjson::kStringType);
      const auto base64 = [&](const char* bytes, std::size_t size) {
        WritingStep();
        sink.Base64(bytes, size);
      };
      ForEachBinaryPart([&](const SpillBuffer& data) { data.ForEachPiece(base64); }, base64);
      sink.Base64End();
      sink.Put('"');
    }
    w.EndObject();
    w.EndArray();
  }
  w.EndObject();
}

void PutUint32(OutputSink& sink, std::uint32_t value) {
  const unsigned char bytes[4] = {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
                                  static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
  sink.Write(bytes, 4);
}

// A .glb: header, the JSON chunk (padded with spaces), the binary chunk. The
// JSON is written twice, first only to count its length for the headers.
void Builder::WriteGlb(OutputSink& sink) {
  OutputSink counter(nullptr);
  WriteJson(counter, false);
  const std::size_t json = Aligned(counter.Count());
  const std::size_t binary = BinaryLength();
  const std::size_t total = 12 + 8 + json + (binary > 0 ? 8 + binary : 0);
  if (total > 0xFFFFFFFFu) throw Failure{"the explosion is too large for a .glb file (over 4 GiB)"};
  sink.Write("glTF", 4);
  PutUint32(sink, 2);
  PutUint32(sink, static_cast<std::uint32_t>(total));
  PutUint32(sink, static_cast<std::uint32_t>(json));
  sink.Write("JSON", 4);
  // Each block written is a step of the bar's last part, where a cancel is seen.
  struct WritingSteps {
    OutputSink& sink;
    ~WritingSteps() { sink.SetBetween({}); }
  } steps{sink};
  sink.SetBetween([this] { WritingStep(); });
  WriteJson(sink, false);
  while (sink.Count() % 4 != 0) sink.Put(' ');
  if (binary == 0) return;
  PutUint32(sink, static_cast<std::uint32_t>(binary));
  sink.Write("BIN\0", 4);
  ForEachBinaryPart([&sink](const SpillBuffer& data) { sink.Splice(data); },
                    [&sink](const char* bytes, std::size_t size) { sink.Write(bytes, size); });
}

void Builder::WriteEmbedded(OutputSink& sink) { WriteJson(sink, true); }


bool EndsWith(std::string_view text, std::string_view suffix) {
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
  std::vector<const ExplodedGroup*> groups;
  for (const ExplodedGroup& group : file.Groups) groups.push_back(&group);
  return GltfGroupsOf(groups);
}

std::vector<GltfGroup> GltfGroupsOf(std::span<const ExplodedGroup* const> groups) {
  std::vector<GltfGroup> result;
  for (const ExplodedGroup* group : groups) {
    GltfGroup out;
    out.Group = group->Group.get();
    out.Exploded = group->Objects;
    out.Shared = group->Shared.get();
    result.push_back(std::move(out));
  }
  return result;
}

namespace {

// Builds the document and writes it to `out` (the temporary file itself, so
// nothing is copied once more through a string). Every failure, a thread
// that cannot start included, comes back as the result.
GltfResult Serialize(std::span<const GltfGroup> groups, const GltfOptions& options, bool binary,
                     OutputSink& out, ProgressSink& progress) {
  GltfResult result;
  if (std::string fps = CheckFps(options.Fps); !fps.empty()) {
    result.Fail(FailureKind::kBadArgument, fps);
    return result;
  }
  try {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    Builder builder(options, result, progress);
    builder.Build(groups);
    const Clock::time_point built = Clock::now();
    if (binary) {
      builder.WriteGlb(out);
    } else {
      builder.WriteEmbedded(out);
    }
    if (!out.Finish()) {
      result.Fail(FailureKind::kCannotWrite, "could not write the file (is the disk full?)");
      return result;
    }
    result.build_seconds = std::chrono::duration<double>(built - start).count();
    result.write_seconds = std::chrono::duration<double>(Clock::now() - built).count();
  } catch (const Cancelled&) {
    result.Fail(FailureKind::kCancelled, {});
  } catch (const Failure& failure) {
    result.Fail(FailureKind::kBadData, failure.message);
  } catch (const BadObjectData& error) {
    result.Fail(FailureKind::kBadData, std::string("an object's faces are damaged (") + error.what() + ")");
  } catch (const std::bad_alloc&) {
    result.Fail(FailureKind::kOutOfMemory, "out of memory while building the glTF document");
  } catch (const std::length_error&) {
    result.Fail(FailureKind::kOutOfMemory, "out of memory while building the glTF document");
  } catch (const std::system_error& error) {
    result.Fail(FailureKind::kCannotWrite, std::string("the system refused: ") + error.what());
  } catch (const std::exception& error) {
    result.Fail(FailureKind::kCannotWrite, error.what());
  }
  return result;
}

}  // namespace

GltfResult BuildGltf(std::span<const GltfGroup> groups, const GltfOptions& options, bool binary,
                     std::string& bytes) {
  std::ostringstream out;
  OutputSink sink(&out);
  NoProgress quiet;
  GltfResult result = Serialize(groups, options, binary, sink, quiet);
  if (result.ok()) bytes = std::move(out).str();
  return result;
}

bool IsGltfName(std::string_view path) { return EndsWith(path, ".glb") || EndsWith(path, ".gltf"); }

GltfResult WriteGltf(std::span<const GltfGroup> groups, const std::string& path, const GltfOptions& options) {
  NoProgress quiet;
  return WriteGltf(groups, path, options, quiet);
}

GltfResult WriteGltf(std::span<const GltfGroup> groups, const std::string& path, const GltfOptions& options,
                     ProgressSink& progress) {
  GltfResult result;
  const bool binary = EndsWith(path, ".glb");
  if (!IsGltfName(path)) {
    result.Fail(FailureKind::kBadArgument, "the glTF file name must end in .glb or .gltf: \"" + path + "\"");
    return result;
  }
  if (std::string fps = CheckFps(options.Fps); !fps.empty()) {
    result.Fail(FailureKind::kBadArgument, fps);
    return result;
  }

  // Written beside the target under a unique name, then renamed over it, so
  // that a failed or interrupted export never leaves a half-written file at
  // `path` (no fsync: like the .cob export, durability against a power cut
  // is left to the file system).
  ReplacingFile file(path);
  if (std::string error = file.Open(); !error.empty()) {
    result.Fail(FailureKind::kCannotWrite, error);
    return result;
  }
  {
    // Written through the descriptor itself: spilled data is then copied
    // into it inside the kernel.
    OutputSink out(file.Descriptor());
    result = Serialize(groups, options, binary, out, progress);
  }
  if (!result.ok()) return result;
  if (std::string error = file.Commit(); !error.empty()) result.Fail(FailureKind::kCannotWrite, error);
  return result;
}

}  // namespace bk
