#include "cli/options_sources.h"

#include <CLI/CLI.hpp>

#include <iostream>

#include "doc/options_file.h"
#include "doc/presets.h"

namespace bk::cli {

namespace {

void Say(std::string_view text) { std::cerr << "burstkin-cli: " << text << '\n'; }

// Takes one file's contents into the settings gathered so far.
void Merge(const OptionsFile& file, std::vector<OptionSetting>& sets, std::optional<std::uint32_t>& seed,
           std::vector<FaceOrderStep>& face_order) {
  sets.insert(sets.end(), file.Settings.begin(), file.Settings.end());
  if (file.Seed) seed = file.Seed;
  if (!file.FaceOrder.empty()) {
    face_order.clear();
    for (const FaceOrderChoice* step : file.FaceOrder) face_order.push_back({step->shuffle, std::string(step->name)});
  }
}

int ListPresetsCommand() {
  const std::vector<PresetEntry> presets = ListPresets();
  if (presets.empty()) {
    std::cout << "No presets found (shipped ones in share/burstkin/presets; your own in "
              << UserPresetFolder() << ").\n";
    return kExitWritten;
  }
  std::size_t width = 0;
  for (const PresetEntry& preset : presets) width = std::max(width, preset.Name.size());
  for (const PresetEntry& preset : presets) {
    std::cout << preset.Name << std::string(width + 2 - preset.Name.size(), ' ')
              << (preset.User ? "(yours) " : "") << (preset.Readable ? "" : "(cannot be used) ")
              << preset.Description << '\n';
  }
  std::cout << "Your own presets go in " << UserPresetFolder() << " (NAME.json, as --save-options writes).\n";
  return kExitWritten;
}

}  // namespace

void AddOptionSourceFlags(CLI::App& command, ExplodeSettings& settings, bool save) {
  command.add_option("--preset", settings.sources.preset,
                     "start from a named look (burstkin-cli presets lists them); --options and --set "
                     "come after it");
  command.add_option("--options", settings.sources.options_file,
                     "read option values, seed, sorts and shuffles from FILE.json (--save-options "
                     "writes one); later --set flags win");
  if (save) {
    command.add_option("--save-options", settings.sources.save_options,
                       "after a successful run, write the options, seed, sorts and shuffles it used "
                       "to FILE.json");
  }
}

int MergeOptionSources(ExplodeSettings& settings) {
  std::vector<OptionSetting> sets;
  std::optional<std::uint32_t> seed;
  std::vector<FaceOrderStep> face_order;
  if (!settings.sources.preset.empty()) {
    const std::optional<PresetEntry> preset = FindPreset(settings.sources.preset);
    if (!preset) {
      Say(UnknownPresetMessage(settings.sources.preset));
      return kExitBadArguments;
    }
    const OptionsFileResult read = ReadOptionsFile(preset->Path);
    if (!read.ok()) {
      Say(read.error);
      return kExitBadArguments;
    }
    Merge(read.file, sets, seed, face_order);
  }
  if (!settings.sources.options_file.empty()) {
    const OptionsFileResult read = ReadOptionsFile(settings.sources.options_file);
    if (!read.ok()) {
      Say(read.error);
      return kExitBadArguments;
    }
    Merge(read.file, sets, seed, face_order);
  }
  settings.sets.insert(settings.sets.begin(), sets.begin(), sets.end());
  if (!settings.seed) settings.seed = seed;
  if (settings.face_order.empty()) settings.face_order = face_order;
  return 0;
}

int SaveRunOptions(const ExplodeSettings& settings, const ExplosionOptions& options, std::uint32_t seed) {
  if (settings.sources.save_options.empty()) return 0;
  std::vector<const FaceOrderChoice*> face_order;
  for (const FaceOrderStep& step : settings.face_order) face_order.push_back(FindFaceOrder(step.value, step.shuffle));
  const Status written =
      WriteOptionsFile(settings.sources.save_options, OptionsFileText(options, seed, face_order));
  if (written.ok()) return 0;
  Say(written.error);
  return kExitFailed;
}

void AddPresetsCommand(CLI::App& app, std::function<int()>& run) {
  CLI::App* presets = app.add_subcommand(
      "presets", "List the named looks that explode --preset and sweep --preset take.");
  presets->callback([&run] { run = [] { return ListPresetsCommand(); }; });
}

}  // namespace bk::cli
