#pragma once

#include <functional>
#include <string>

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
};

// Adds --up (OBJ's up axis, y or z) to a command that imports.
void AddUpOption(CLI::App& command, MeshImportSettings& settings);

// Imports the file as the Import command does and prints its summary on
// standard output (one JSON object with `json`). Returns the exit status:
// 0, or 1 when the file cannot be imported (its message on standard error).
int RunInfo(const InfoSettings& settings);

// Adds the `info` subcommand; when it is chosen, `run` is set to run it.
void AddInfoCommand(CLI::App& app, InfoSettings& settings, std::function<int()>& run);

}  // namespace bk::cli
