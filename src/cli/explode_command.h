#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "doc/options_sheet.h"
#include "formats/mesh_import.h"
#include "gltf/gltf_export.h"

namespace CLI {
class App;
}

namespace bk {
class CBrkDoc;
}

namespace bk::cli {

// Exit statuses of the command line.
inline constexpr int kExitWritten = 0;
inline constexpr int kExitFailed = 1;        // import, explosion or writing failed
inline constexpr int kExitBadArguments = 2;  // bad arguments or option values
inline constexpr int kExitInterrupted = 130;

// One --sort or --shuffle, in command-line order.
struct FaceOrderStep {
  bool shuffle = false;
  std::string value;  // an ORDER ("top-to-bottom", ...) or a LEVEL ("minimum", ...)
};

// Options files named on the command line (cli/options_sources.h).
struct OptionSources {
  std::string preset;
  std::string options_file;
  std::string save_options;
};

// What `burstkin-cli explode` was asked for.
struct ExplodeSettings {
  std::string input;
  std::string output;
  std::optional<std::uint32_t> seed;  // none: the current time in seconds
  std::vector<OptionSetting> sets;
  bool quiet = false;
  bool progress_lines = false;
  std::vector<std::string> particles;
  std::vector<FaceOrderStep> face_order;
  MeshImportSettings import;
  // --gltf FILE (empty: none) and the glTF options: written by the same
  // export, from the explosion in memory.
  std::string gltf;
  GltfOptions gltf_options;
  OptionSources sources;
};

// The message refusing the first of `outputs` that is the same file as one
// of `inputs` (by identity: links and other spellings count), or empty.
std::string SameFileAsInput(const std::vector<std::string>& outputs,
                            const std::vector<std::string>& inputs);

// The seed given, or else the current time in seconds.
std::uint32_t SeedOrNow(const std::optional<std::uint32_t>& seed);

// Sets the document's options as the sheet leaves them when it is opened on
// the imported object, `sets` are typed into it in order and it is closed
// with OK. Says why and returns false when the sheet refuses a value.
bool ApplyOptionSettings(CBrkDoc& doc, std::span<const OptionSetting> sets);

// Adds --seed N and the repeatable --set NAME=VALUE to a command.
// The `--set NAME=VALUE` option (repeatable, checked against the option
// fields), appending to `sets`.
void AddSetOption(CLI::App& command, std::vector<OptionSetting>& sets);
void AddSeedAndSetOptions(CLI::App& command, std::optional<std::uint32_t>& seed,
                          std::vector<OptionSetting>& sets);

// Runs the window program's steps on the document: import, particles, the
// options as the sheet leaves them, sorts and shuffles, export. Returns the
// exit status.
int RunExplode(const ExplodeSettings& settings);

// Adds the `explode` subcommand; when it is chosen, `run` is set to run it.
// Returns the subcommand so a caller can add options of its own.
CLI::App* AddExplodeCommand(CLI::App& app, ExplodeSettings& settings, std::function<int()>& run);

}  // namespace bk::cli
