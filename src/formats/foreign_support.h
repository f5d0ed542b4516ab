#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>

#include "cob/cob_file.h"
#include "cob/material.h"
#include "formats/mesh_import.h"

namespace bk {

// What the glTF and OBJ readers share. A reader stops at the first fault by
// throwing a Refusal; GuardedImport turns it into the result's message.
struct Refusal {
  std::string message;
};

[[noreturn]] inline void Refuse(std::string_view message = messages::kNotRecognized) {
  throw Refusal{std::string(message)};
}

// Runs `body(result)` and returns the result, or, when the body refused or
// failed, a result with only the format and the message.
template <typename Body>
MeshImportResult GuardedImport(MeshImportResult result, Body body) {
  MeshImportResult failed;
  failed.format = result.format;
  try {
    body(result);
    return result;
  } catch (const Refusal& refusal) {
    failed.Fail(FailureKind::kNotRecognized, refusal.message);
  } catch (const std::bad_alloc&) {
    failed.Fail(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::length_error&) {
    failed.Fail(FailureKind::kOutOfMemory, messages::kOutOfMemory);
  } catch (const std::exception&) {
    // The libraries underneath may throw on input they cannot take.
    failed.Fail(FailureKind::kNotRecognized, messages::kNotRecognized);
  }
  return failed;
}

inline bool IsGlbMagic(std::string_view bytes) { return bytes.starts_with("glTF"); }

// Reads a regular file of at most 1 GiB that lies inside `folder` (absolute
// and normal; an empty folder allows nothing). A file a document names is
// never taken from elsewhere, so a model cannot pull in other files of the
// user's (absolute paths, "..") or block on a device or pipe.
bool IsFileWithin(const std::filesystem::path& folder, const std::filesystem::path& path);
bool ReadFileWithin(const std::filesystem::path& folder, const std::filesystem::path& path,
                    std::string& bytes);
// `path`'s folder made absolute and normal ("" for an empty path).
std::filesystem::path FolderOf(const std::string& path);

// "%20" and the like as the characters they stand for; anything malformed is
// kept as it stands.
std::string PercentDecoded(std::string_view text);

// A material of this colour and opacity (each clamped to 0..1), metal or phong.
std::unique_ptr<CMaterial> MaterialFromColour(const std::array<double, 4>& rgba, bool metal);

// Gives the material a plain texture map of this image (offset 0,0, repeats
// 1,1). An empty name, or one with a control character that would break the
// written file's lines, leaves it without one.
void SetTextureMap(CMaterial& material, const std::string& name);

}  // namespace bk
