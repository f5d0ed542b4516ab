#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bk {

// Presets are options files (doc/options_file.h) named NAME.json: the
// shipped ones in the program's share/burstkin/presets, the user's own in
// $XDG_CONFIG_HOME/burstkin/presets (~/.config/burstkin/presets when unset).
// A user's preset of the same name as a shipped one is the one used.

// Where the shipped presets are: $BURSTKIN_PRESET_DIR when set, else
// share/burstkin/presets beside the program's bin folder (installed), else
// the build tree's copy (a program run from build/src/<part>/). Empty when
// none exists.
std::string ShippedPresetFolder();
// The user's folder, whether or not it exists yet; empty when neither
// XDG_CONFIG_HOME nor HOME is set.
std::string UserPresetFolder();

struct PresetEntry {
  std::string Name;
  std::string Path;
  bool User = false;
  std::string Description;  // the file's, or why it cannot be read
  bool Readable = true;
};

// Every preset, sorted by name, a user's shadowing a shipped one.
std::vector<PresetEntry> ListPresets();
// The preset called `name`, if there is one.
std::optional<PresetEntry> FindPreset(std::string_view name);
// "Unknown preset \"NAME\"; the presets are: a, b, c."
std::string UnknownPresetMessage(std::string_view name);

}  // namespace bk
