#include "formats/mesh_import.h"

#include <filesystem>
#include <fstream>
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

bool ReadAll(const std::string& path, std::string& bytes) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  // Read to the end rather than trusting a size: pipes and special files have none.
  char block[1 << 16];
  while (file.read(block, sizeof block) || file.gcount() > 0) {
    bytes.append(block, static_cast<std::size_t>(file.gcount()));
  }
  return !file.bad();
}

}  // namespace

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
  // Neither: the .cob reader says what it expected.
  return FromCob(ImportObjectFromText(bytes));
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
