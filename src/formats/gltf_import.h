#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "formats/mesh_import.h"

namespace bk {

// Reads a glTF 2.0 document (`bytes` of a .glb, or the JSON text of a .gltf)
// into one polygon object: every triangle primitive of every node of the
// default scene, each node's world transform baked into its vertices, Y-up
// turned into the modeller's Z-up. Primitives keep their own vertices, and
// primitives of one node that share their position and texture accessors
// share them. Points and lines are left out with a note.
//
// Shading: a primitive is smooth when it carries normals that differ from its
// faces' own normals (a primitive without normals is flat, as glTF draws it).
// A base-colour texture becomes the material's texture map: an external image
// by its URI, an embedded one by "<stem>_<image index>.<png|jpg>" with its
// bytes in the result's images.
//
// Buffers and images outside the document are read from `folder` (absolute
// and normal, see FolderOf; never from outside it); with an empty folder
// nothing else is read. `stem` names embedded images.
MeshImportResult ImportGltf(std::string_view bytes, const std::filesystem::path& folder,
                            const std::string& stem);

}  // namespace bk
