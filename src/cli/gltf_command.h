#pragma once

#include <functional>
#include <string>

#include "cli/explode_command.h"
#include "gltf/gltf_export.h"

namespace CLI {
class App;
}

namespace bk::cli {

// What `burstkin-cli gltf` was asked for.
struct GltfCommandSettings {
  std::string input;   // a .cob file that Burstkin wrote
  std::string output;  // .glb or .gltf
  GltfOptions options;
};

// Converts a file Burstkin wrote into glTF; prints a message and returns
// kExitFailed when the file is refused or cannot be written.
int RunGltfCommand(const GltfCommandSettings& settings);

// Adds the `gltf` subcommand; when it is chosen, `run` is set to run it.
CLI::App* AddGltfCommand(CLI::App& app, GltfCommandSettings& settings, std::function<int()>& run);

// The `--gltf FILE`, `--fps N`, `--gltf-sampling frames|keys` and
// `--texture-dir DIR` options of `explode`: the same export writes the glTF
// from the explosion in memory, with exactly the values the .cob holds.
void AddGltfExplodeOptions(CLI::App& explode, ExplodeSettings& settings);

}  // namespace bk::cli
