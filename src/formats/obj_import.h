#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "formats/mesh_import.h"
#include "model/progress.h"

namespace bk {

// Reads a Wavefront OBJ text (with the MTL files it names) into one polygon
// object: every group's faces as they stand (quads and n-gons kept, faces of
// fewer than three corners dropped by the loader), world vertices turned from
// `up` into the modeller's Z-up, texture vertices as they are. Lines and
// points are left out with a note.
//
// Materials come in the MTL files' order: Kd is the colour, d the opacity,
// Pm >= 0.5 makes a metal, map_Kd the texture map. A face is smooth when it
// lies in a smoothing group ("s 1") or shares a normal ("vn") with another
// face; a material is smooth when at least half of its faces are.
//
// MTL files are read from `folder` (absolute and normal, see FolderOf; never
// from outside it); with an empty folder none is read and the faces keep a
// default material.
//
// `progress`, when given, hears how much of the text the loader has taken
// (from `first` to 1000 of 1000) and may stop it: the result of a stopped
// read is then of no use, and the caller asks the sink whether it stopped.
MeshImportResult ImportObj(std::string_view text, const std::filesystem::path& folder,
                           const std::string& stem, UpAxis up, ProgressSink* progress = nullptr,
                           int first = 0);

}  // namespace bk
