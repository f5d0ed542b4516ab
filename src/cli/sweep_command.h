#pragma once

#include <functional>
#include <string>

#include "cli/explode_command.h"

namespace CLI {
class App;
}

namespace bk::cli {

// What `burstkin-cli sweep` was asked for: the explosion as for explode
// (its OUTPUT unused) and the sheet.
struct SweepSettings {
  ExplodeSettings explode;
  std::string seeds;
  std::string frame;
  std::string frames;
  std::string size;
  std::string view;
  std::string sheet;
  int threads = 0;
};

// Explodes the input once per seed in memory and writes the contact sheet of
// the seeds. Returns the exit status (as explode's).
int RunSweep(const SweepSettings& settings);

// Adds the `sweep` subcommand (built only with the window programs: drawing
// the sheet needs Qt's offscreen rendering).
void AddSweepCommand(CLI::App& app, SweepSettings& settings, std::function<int()>& run);

}  // namespace bk::cli
