#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cob/cob_file.h"
#include "cob/poly_chunk.h"
#include "model/progress.h"

namespace bk {

namespace messages {
inline constexpr std::string_view kNoMesh = "Burstkin could not recognize file: it holds no polygon mesh.";
inline constexpr std::string_view kTooLarge =
    "Burstkin could not recognize file: the object has more than 1000000 vertices or texture "
    "vertices, or more than 2000000 faces.";
// A file that starts like none of the forms read here.
inline constexpr std::string_view kNotAModel =
    "Burstkin could not recognize file: it is neither a trueSpace (*.cob), a glTF (*.glb, *.gltf) "
    "nor an OBJ (*.obj) file.";
inline constexpr std::string_view kGltfOne =
    "Burstkin could not recognize file: it is glTF 1.0, which Burstkin does not read. Export it "
    "again as glTF 2.0.";
inline constexpr std::string_view kIndexOutOfRange =
    "Burstkin could not recognize file: a face or accessor refers to data that is not in the file "
    "(an index out of range).";
inline constexpr std::string_view kOnlyPointsOrLines =
    "Burstkin could not recognize file: it holds only points or lines, no faces.";
inline constexpr std::string_view kNotValidGltf =
    "Burstkin could not recognize file: it is not a valid glTF 2.0 file.";
// The extension's user-facing name (Draco, meshopt) or the extension's own.
std::string NeedsGltfExtension(std::string_view extension);
std::string MissingLinkedFile(std::string_view name);
}  // namespace messages

// What a file turned out to be, decided by its content.
enum class MeshFormat { Cob, Glb, Gltf, Obj };

// "cob", "glb", "gltf" or "obj".
std::string_view FormatKey(MeshFormat format);
// "trueSpace", "glTF binary", "glTF" or "OBJ".
std::string_view FormatLabel(MeshFormat format);

enum class UpAxis { Y, Z };

struct MeshImportSettings {
  // OBJ files carry no axis convention; most tools write them Y-up. glTF is
  // always Y-up, a .cob always Z-up.
  UpAxis ObjUp = UpAxis::Y;
};

// A texture image that was inside the imported file. The imported object's
// material names it by `Name`, a bare file name meant to stand beside the
// exported file.
struct EmbeddedImage {
  std::string Name;
  std::string Bytes;
};

struct MeshImportResult : Status {
  std::unique_ptr<CPolyChunk> object;  // null on failure
  MeshFormat format = MeshFormat::Cob;
  // A .cob's form, and for a binary one the chunk kinds stepped over unread.
  FileForm form = FileForm::kAscii;
  std::vector<std::string> skipped_chunk_kinds;
  std::vector<std::string> notes;      // what was left out, for the user
  std::vector<EmbeddedImage> images;
};

// Imports one polygon object from a trueSpace .cob, a glTF 2.0 (.glb, .gltf)
// or a Wavefront OBJ file. The form is chosen by content: "Caligari " starts
// a .cob, the magic "glTF" a .glb, JSON text a .gltf; only text that is none
// of these is taken as OBJ, and only when the name ends in ".obj". Anything
// else goes to the .cob reader, which says what it lacks. Files a glTF or OBJ
// names (buffers, materials) are read from `path`'s folder.
MeshImportResult ImportAnyObject(const std::string& path, const MeshImportSettings& settings = {});
// The same, reporting to `progress` (in thousandths: the reading of the file,
// then for OBJ the loader's way through it) and stopping with a kCancelled
// failure, the file's object unmade, when it asks to.
MeshImportResult ImportAnyObject(const std::string& path, const MeshImportSettings& settings,
                                 ProgressSink& progress);
inline constexpr std::string_view kImportCancelled = "Import cancelled.";

// The same for bytes already in memory; `path_hint` stands in for the file's
// name (its extension and stem) and folder. With an empty hint no other
// file is read.
MeshImportResult ImportAnyObjectFromBytes(std::string_view bytes, const std::string& path_hint,
                                          const MeshImportSettings& settings = {});

// Writes each image into `folder`; an existing file of the same name is
// replaced. Returns the name of the first image that could not be written,
// or an empty string.
std::string WriteEmbeddedImages(const std::vector<EmbeddedImage>& images, const std::string& folder);

}  // namespace bk
