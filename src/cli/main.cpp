// burstkin-cli: the window program's commands, run from the command line.
#include <CLI/CLI.hpp>

#include <exception>
#include <functional>
#include <iostream>

#include "cli/explode_command.h"
#include "cli/info_command.h"
#include "cli/gltf_command.h"
#include "cli/options_sources.h"
#ifdef BURSTKIN_HAVE_SWEEP
#include "cli/sweep_command.h"
#endif

int main(int argc, char** argv) {
  CLI::App app{"Burstkin: explode trueSpace objects into animated pieces."};
  app.require_subcommand(1);

  // Each subcommand fills its settings and, when chosen, sets `run`.
  std::function<int()> run;
  bk::cli::InfoSettings info;
  bk::cli::AddInfoCommand(app, info, run);
  bk::cli::ExplodeSettings explode;
  CLI::App* explode_command = bk::cli::AddExplodeCommand(app, explode, run);
  bk::cli::AddGltfExplodeOptions(*explode_command, explode);
  bk::cli::AddOptionSourceFlags(*explode_command, explode, true);
  bk::cli::AddPresetsCommand(app, run);
#ifdef BURSTKIN_HAVE_SWEEP
  bk::cli::SweepSettings sweep;
  bk::cli::AddSweepCommand(app, sweep, run);
#endif
  bk::cli::GltfCommandSettings gltf;
  bk::cli::AddGltfCommand(app, gltf, run);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int status = app.exit(error);
    return status == 0 ? 0 : bk::cli::kExitBadArguments;
  }
  if (!run) return bk::cli::kExitBadArguments;
  // The last guard: every operation turns its own failures into messages,
  // so what arrives here is a fault of ours, said rather than aborted on.
  try {
    return run();
  } catch (const std::exception& error) {
    std::cerr << "burstkin-cli: internal error: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "burstkin-cli: internal error\n";
  }
  return bk::cli::kExitFailed;
}
