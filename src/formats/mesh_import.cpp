#include "formats/mesh_import.h"

#include <filesystem>
#include <fstream>
#include <algorithm>
#include <new>
#include <stdexcept>
#include <system_error>

#include "cob/cob_file.h"
#include "formats/foreign_support.h"
#include "formats/gltf_import.h"
#include "formats/obj_import.h"

namespace bk {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCobStart = "Caligari ";

bool IsJsonObject(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  const std::size_t first = bytes.find_first_not_of(" \t\r\n");
  return first != std::string_view::npos && bytes[first] == '{';
}

bool HasObjExtension(const std::string& path) {
  std::string extension = fs::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".obj";
}

MeshImportResult FromCob(ImportResult cob) {
  MeshImportResult result;
  result.object = std::move(cob.object);
  static_cast<Status&>(result) = std::move(static_cast<Status&>(cob));
  result.form = cob.form;
  result.skipped_chunk_kinds = std::move(cob.skipped_chunk_kinds);
  return result;
}

MeshImportResult Failure(FailureKind kind, std::string_view message) {
  MeshImportResult result;
  result.Fail(kind, message);
  return result;
}

// The first bytes of a file, enough to tell a .cob by; false when it cannot be read.
bool ReadStart(const std::string& path, std::string& start) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  start.resize(kCobStart.size());
  file.read(start.data(), static_cast<std::streamsize>(start.size()));
  start.resize(static_cast<std::size_t>(file.gcount()));
  return !file.bad();
}

constexpr int kPerMille = 1000;
// The share of the bar that reading the file takes; the loader has the rest.
constexpr int kReadShare = 300;

// Reads the whole file; with a sink, reports each block against the size the
// file claims and stops (false, `stopped` set) when asked to.
bool ReadAll(const std::string& path, std::string& bytes, ProgressSink* progress = nullptr,
             bool* stopped = nullptr) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::error_code ec;
  const std::uintmax_t claimed = fs::file_size(path, ec);
  const double size = ec || claimed == 0 ? 1.0 : static_cast<double>(claimed);
  // Read to the end rather than trusting a size: pipes and special files have none.
  std::vector<char> block(std::size_t{1} << 20);
  while (file.read(block.data(), static_cast<std::streamsize>(block.size())) || file.gcount() > 0) {
    bytes.append(block.data(), static_cast<std::size_t>(file.gcount()));
    if (progress == nullptr) continue;
    const double share = std::min(1.0, static_cast<double>(bytes.size()) / size);
    progress->ShowProgress(static_cast<int>(share * kReadShare), kPerMille, "");
    if (progress->CancelRequested()) {
      *stopped = true;
      return false;
    }
  }
  return !file.bad();
}

}  // namespace

namespace messages {

std::string NeedsGltfExtension(std::string_view extension) {
  const std::string prefix = "Burstkin could not recognize file: ";
  if (extension == "KHR_draco_mesh_compression") {
    return prefix + "its meshes are compressed with Draco, which Burstkin does not read. Export "
                    "it again without mesh compression.";
  }
  if (extension == "EXT_meshopt_compression" || extension == "KHR_meshopt_compression") {
    return prefix + "its data is compressed with meshopt, which Burstkin does not read. Export it "
                    "again without compression.";
  }
  return prefix + "it needs the glTF extension " + std::string(extension) + ".";
}

std::string MissingLinkedFile(std::string_view name) {
  return "Burstkin could not recognize file: the file \"" + std::string(name) +
         "\" that it refers to is missing or cannot be read (it must be in the same folder).";
}

}  // namespace messages

std::string_view FormatKey(MeshFormat format) {
  switch (format) {
    case MeshFormat::Glb: return "glb";
    case MeshFormat::Gltf: return "gltf";
    case MeshFormat::Obj: return "obj";
    default: return "cob";
  }
}

std::string_view FormatLabel(MeshFormat format) {
  switch (format) {
    case MeshFormat::Glb: return "glTF binary";
    case MeshFormat::Gltf: return "glTF";
    case MeshFormat::Obj: return "OBJ";
    default: return "trueSpace";
  }
}

MeshImportResult ImportAnyObjectFromBytes(std::string_view bytes, const std::string& path_hint,
                                          const MeshImportSettings& settings) {
  const fs::path folder = FolderOf(path_hint);
  const std::string stem = fs::path(path_hint).stem().string();
  if (bytes.starts_with(kCobStart)) return FromCob(ImportObjectFromText(bytes));
  if (IsGlbMagic(bytes) || IsJsonObject(bytes)) return ImportGltf(bytes, folder, stem);
  if (HasObjExtension(path_hint)) return ImportObj(bytes, folder, stem, settings.ObjUp);
  // Every .cob starts with "Caligari ": this file is none of the forms read
  // here, and the user should be told so in those words.
  return Failure(FailureKind::kNotRecognized, messages::kNotAModel);
}

MeshImportResult ImportAnyObject(const std::string& path, const MeshImportSettings& settings,
                                 ProgressSink& progress) {
  std::string bytes;
  bool stopped = false;
  try {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
    if (!ReadAll(path, bytes, &progress, &stopped)) {
      if (stopped) return Failure(FailureKind::kCancelled, kImportCancelled);
      return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
    }
  } catch (const std::bad_alloc&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::length_error&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  }
  MeshImportResult result;
  if (!bytes.starts_with(kCobStart) && !IsGlbMagic(bytes) && !IsJsonObject(bytes) && HasObjExtension(path)) {
    result = ImportObj(bytes, FolderOf(path), fs::path(path).stem().string(), settings.ObjUp, &progress,
                       kReadShare);
  } else {
    result = ImportAnyObjectFromBytes(bytes, path, settings);
  }
  if (progress.CancelRequested()) return Failure(FailureKind::kCancelled, kImportCancelled);
  return result;
}

namespace {

MeshImportResult ImportUnguarded(const std::string& path, const MeshImportSettings& settings) {
  std::string bytes;
  if (!ReadStart(path, bytes)) return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
  // A .cob goes through the .cob import whole, which reads the file itself.
  if (bytes.starts_with(kCobStart)) return FromCob(ImportObject(path));
  bytes.clear();
  if (!ReadAll(path, bytes)) return Failure(FailureKind::kCannotOpen, messages::kCouldNotOpen);
  return ImportAnyObjectFromBytes(bytes, path, settings);
}

}  // namespace

MeshImportResult ImportAnyObject(const std::string& path, const MeshImportSettings& settings) {
  // One guard for the whole import: what runs out (memory, threads) comes
  // back as a failure with its message, whichever reader ran.
  try {
    return ImportUnguarded(path, settings);
  } catch (const std::bad_alloc&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::length_error&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::system_error&) {
    return Failure(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::exception&) {
    return Failure(FailureKind::kBadData, messages::kNotRecognized);
  }
}

std::string WriteEmbeddedImages(const std::vector<EmbeddedImage>& images, const std::string& folder) {
  for (const EmbeddedImage& image : images) {
    const fs::path target = fs::path(folder) / image.Name;
    std::ofstream file(target, std::ios::binary | std::ios::trunc);
    file.write(image.Bytes.data(), static_cast<std::streamsize>(image.Bytes.size()));
    file.close();
    if (!file) return image.Name;
  }
  return {};
}

}  // namespace bk
