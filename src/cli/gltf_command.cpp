#include "cli/gltf_command.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <iostream>

#include "cob/exploded_file.h"

namespace bk::cli {
namespace {

void Say(std::string_view text) { std::cerr << "burstkin-cli: " << text << '\n'; }

// The checks both commands put on their glTF options, so bad values are
// refused before anything is read or exploded.
void AddSharedOptions(CLI::App& command, GltfOptions& options) {
  command
      .add_option("--fps", options.Fps,
                  "frames per second of the glTF animation (default 30; times = frame / fps)")
      ->check([](const std::string& text) -> std::string {
        double value = 0;
        if (!CLI::detail::lexical_cast(text, value)) return "expected a number, got \"" + text + "\"";
        return CheckFps(value);
      });
  command
      .add_option_function<std::string>(
          "--gltf-sampling",
          [&options](const std::string& value) {
            options.Sampling = value == "keys" ? GltfSampling::Keys : GltfSampling::Frames;
          },
          "frames (default): curved motion as one linear sample per frame, right in every importer, "
          "and straight motion as linear keys; keys: curved position and size as exact spline curves "
          "on the key frames (smaller, but exact only in importers that follow spline tangents, such "
          "as three.js; Blender does not)")
      ->check(CLI::IsMember({"keys", "frames"}));
  command.add_option("--texture-dir", options.TextureFolders,
                     "a folder to look in for texture images (repeatable; searched after the input "
                     "file's own folder)")
      ->allow_extra_args(false);
}

std::string CheckGltfName(const std::string& path) {
  auto ends = [&](std::string_view suffix) {
    if (path.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
      if (std::tolower(static_cast<unsigned char>(path[path.size() - suffix.size() + i])) != suffix[i]) {
        return false;
      }
    }
    return true;
  };
  if (ends(".glb") || ends(".gltf")) return {};
  return "the glTF file name must end in .glb or .gltf, got \"" + path + "\"";
}

// Texture images are looked for beside `image_source` first (the object
// file whose materials name them), then in the --texture-dir folders.
int Convert(const std::string& input, const std::string& output, GltfOptions options,
            const std::string& image_source) {
  const ExplodedReadResult read = ReadExplodedFileAt(input);
  if (!read.ok()) {
    Say(input + ": " + read.error);
    return kExitFailed;
  }
  const std::filesystem::path source_folder = std::filesystem::path(image_source).parent_path();
  options.TextureFolders.insert(options.TextureFolders.begin(),
                                source_folder.empty() ? std::string(".") : source_folder.string());
  const GltfResult written = WriteGltf(GltfGroupsOf(read.File), output, options);
  if (!written.ok()) {
    Say(output + ": " + written.error + "; nothing written");
    return kExitFailed;
  }
  for (const std::string& warning : written.warnings) Say(output + ": " + warning);
  return kExitWritten;
}

}  // namespace

int RunGltfCommand(const GltfCommandSettings& settings) {
  if (const std::string refused = SameFileAsInput({settings.output}, {settings.input});
      !refused.empty()) {
    Say(refused);
    return kExitBadArguments;
  }
  return Convert(settings.input, settings.output, settings.options, settings.input);
}

CLI::App* AddGltfCommand(CLI::App& app, GltfCommandSettings& settings, std::function<int()>& run) {
  CLI::App* gltf = app.add_subcommand(
      "gltf", "Convert a .cob file that Burstkin wrote (an explosion) into glTF 2.0 (.glb or .gltf).");
  gltf->add_option("EXPLODED", settings.input, "a .cob file written by Burstkin's export")->required();
  gltf->add_option("OUT", settings.output, "the .glb or .gltf file to write (an existing file is replaced)")
      ->required()
      ->check(CheckGltfName);
  AddSharedOptions(*gltf, settings.options);
  gltf->callback([&settings, &run] { run = [&settings] { return RunGltfCommand(settings); }; });
  return gltf;
}

void AddGltfExplodeOptions(CLI::App& explode, ExplodeSettings& settings) {
  explode
      .add_option("--gltf", settings.gltf,
                  "also write the explosion as glTF 2.0 to this .glb or .gltf file")
      ->check(CheckGltfName);
  AddSharedOptions(explode, settings.gltf_options);
}

}  // namespace bk::cli
