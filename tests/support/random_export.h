#pragma once

// Random whole exports for the round-trip property tests: a random object
// with every material kind, holes, units and particle templates is written to
// files, imported, given random options, sorted or shuffled and exported by
// the document, as a user of the command line would do it.

#include <cstdint>
#include <filesystem>
#include <string>

#include "cob/exploded_file.h"
#include "gltf/gltf_export.h"

namespace bk::testing {

struct RandomExport {
  std::uint32_t seed = 0;
  std::string description;  // the options and steps, for a failure message
  std::string error;        // why the export did not happen; empty when it did
  std::string text;         // the exported file
  std::string gltf;         // the .glb the same export wrote, when asked for
  std::int32_t imported_faces = 0;
  std::int32_t imported_vertices = 0;
  std::int32_t output_mode = 0;
  bool with_particles = false;  // a particle group was asked for and made
};

// Runs one random export in `folder` (which must exist); the same seed gives
// the same files and the same export. With `gltf`, the export also writes a
// .glb with those options, from the explosion in memory.
RandomExport RunRandomExport(std::uint32_t seed, const std::filesystem::path& folder,
                             const GltfOptions* gltf = nullptr);

// The text the writers make of a file read back: its groups and objects in
// file order. Channel block ids other than the first are drawn from the id
// counter when written, so they are replaced by "#" in both texts.
std::string WrittenAgain(const ExplodedFile& file);
std::string WithChannelIdsMasked(std::string_view text);

// Where two texts part, as "line N is ... where ... was expected"; empty when
// they are equal.
std::string FirstDifference(std::string_view got, std::string_view want);

}  // namespace bk::testing
