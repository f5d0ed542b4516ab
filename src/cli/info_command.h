#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "doc/options_sheet.h"
#include "formats/mesh_import.h"

namespace CLI {
class App;
}

namespace bk::cli {

// What `burstkin-cli info` was asked for.
struct InfoSettings {
  std::string path;
  bool json = false;
  MeshImportSettings import;
  // The options and seed the piece count is worked out for, as `explode`
  // takes them.
  std::optional<std::uint32_t> seed;
  std::vector<OptionSetting> sets;
};

// Adds --up (OBJ's up axis, y or z) to a command that imports.
void AddUpOption(CLI::App& command, MeshImportSettings& settings);

// Imports the file as the Import command does and prints its summary on
// standard output (one JSON object with `json`), with the number of pieces
// `explode` gives with the same options and seed. Returns the exit status:
// 0; 1 when the file cannot be imported or exploded (its message on standard
// error); 2 for a refused option value; 130 when interrupted.
int RunInfo(const InfoSettings& settings);

// Adds the `info` subcommand; when it is chosen, `run` is set to run it.
void AddInfoCommand(CLI::App& app, InfoSettings& settings, std::function<int()>& run);

}  // namespace bk::cli
