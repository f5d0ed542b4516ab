#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli/explode_command.h"

namespace CLI {
class App;
}

namespace bk::cli {

// Adds --preset and --options (and, with `save`, --save-options) to a
// subcommand, filling settings.sources.
void AddOptionSourceFlags(CLI::App& command, ExplodeSettings& settings, bool save);

// Folds the preset and then the options file into `settings`: their option
// settings go before the command line's --set (which therefore win), their
// seed is used unless --seed was given, their sorts and shuffles unless
// --sort or --shuffle was. On a file or preset that cannot be used, prints
// its message and returns kExitBadArguments; else 0.
int MergeOptionSources(ExplodeSettings& settings);

// Writes --save-options (when asked for) for a run that used `options`, the
// random state `seed` and the settings' sorts and shuffles. Prints the
// message and returns kExitFailed when it cannot be written; else 0.
int SaveRunOptions(const ExplodeSettings& settings, const ExplosionOptions& options, std::uint32_t seed);

// Adds the `presets` subcommand, which lists the presets.
void AddPresetsCommand(CLI::App& app, std::function<int()>& run);

}  // namespace bk::cli
