#pragma once

#include <span>
#include <string>
#include <vector>

#include "cob/exploded_file.h"
#include "cob/group.h"
#include "gltf/gltf_sampling.h"
#include "model/progress.h"

namespace bk {

struct GltfOptions {
  double Fps = 30.0;  // frames per second; seconds = frame / Fps
  GltfSampling Sampling = GltfSampling::Frames;
  // Folders searched in order for the image files that texture maps name
  // (a map's name is taken as a file name only, never as a path).
  std::vector<std::string> TextureFolders;
};

// One animated object: its mesh and the channel that moves it (may be null:
// then it stands still). Both are borrowed for the duration of the export.
struct GltfObject {
  const CPolyChunk* Mesh = nullptr;
  const CAnimChunkEx* Channel = nullptr;
  FaceRun Run;  // a piece's run of faces, read through ListsOf
  const MaterialList* MaterialsIn = nullptr;  // where its materials are (see MaterialsOf); null: the mesh

  const MaterialList& Materials() const { return MaterialsIn != nullptr ? *MaterialsIn : Mesh->Materials; }
};

// One group node and the objects under it: those listed in Objects, then
// those of an explosion's group as they stand (Exploded, which spares a copy
// of what can be a quarter of a million pairs of pointers). Group and the
// objects are borrowed.
struct GltfGroup {
  const CGroup* Group = nullptr;
  std::vector<GltfObject> Objects;
  std::span<const ExplodedObject> Exploded;
  const SharedParts* Shared = nullptr;  // what the Exploded objects may share

  std::size_t ObjectCount() const { return Objects.size() + Exploded.size(); }
  GltfObject Object(std::size_t k) const {
    if (k < Objects.size()) return Objects[k];
    const ExplodedObject& object = Exploded[k - Objects.size()];
    return {object.Mesh.get(), object.Channel.get(), object.Run, &MaterialsOf(Shared, object)};
  }
};

struct GltfResult : Status {
  // What was left out but did not stop the export (a texture image that was
  // not found or could not be read: its material's colour stands in), each
  // said once.
  std::vector<std::string> warnings;
  // Where the time went, for the benchmark: making the meshes, curves and
  // JSON sections, and assembling them with the binary data into the output.
  double build_seconds = 0.0;
  double write_seconds = 0.0;
};

// The groups of a file read back with ReadExplodedFile.
std::vector<GltfGroup> GltfGroupsOf(const ExplodedFile& file);
// The groups an explosion builds in memory.
std::vector<GltfGroup> GltfGroupsOf(std::span<const ExplodedGroup* const> groups);

// Builds the glTF 2.0 document in memory: `binary` gives the bytes of a .glb,
// otherwise the JSON text of a .gltf with its buffer embedded.
GltfResult BuildGltf(std::span<const GltfGroup> groups, const GltfOptions& options, bool binary,
                     std::string& bytes);

// Writes `path` (.glb binary, .gltf JSON with the buffer embedded; any other
// extension is refused). The file is written under a temporary name in the
// same folder and renamed into place, so a failure never leaves a partial
// file at `path`.
// Reports progress and stops when progress.CancelRequested() (a result of
// kind kCancelled; nothing is written then).
GltfResult WriteGltf(std::span<const GltfGroup> groups, const std::string& path,
                     const GltfOptions& options, ProgressSink& progress);
GltfResult WriteGltf(std::span<const GltfGroup> groups, const std::string& path,
                     const GltfOptions& options);

// Whether a file name ends in .glb or .gltf (in any case).
bool IsGltfName(std::string_view path);

// Checks an fps value (finite, above 0, at most kMaxFps); the message or empty.
inline constexpr double kMaxFps = 1000.0;
std::string CheckFps(double fps);

}  // namespace bk
