#pragma once

#include <functional>
#include <string>

namespace CLI {
class App;
}

namespace bk::cli {

// What `burstkin-cli info` was asked for.
struct InfoSettings {
  std::string path;
  bool json = false;
};

// Imports the file as the Import command does and prints its summary on
// standard output (one JSON object with `json`). Returns the exit status:
// 0, or 1 when the file cannot be imported (its message on standard error).
int RunInfo(const InfoSettings& settings);

// Adds the `info` subcommand; when it is chosen, `run` is set to run it.
void AddInfoCommand(CLI::App& app, InfoSettings& settings, std::function<int()>& run);

}  // namespace bk::cli
