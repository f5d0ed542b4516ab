#include "doc/presets.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>

#include "doc/options_file.h"

namespace bk {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const fs::path& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// The running program's folder; empty where the system does not say.
fs::path ProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  return error ? fs::path() : self.parent_path();
}

void AddFolder(const std::string& folder, bool user, std::map<std::string, PresetEntry>& found) {
  std::error_code error;
  if (folder.empty() || !IsFolder(folder)) return;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const fs::path& path = it->path();
    if (path.extension() != ".json") continue;
    PresetEntry entry;
    entry.Name = path.stem().string();
    entry.Path = path.string();
    entry.User = user;
    const OptionsFileResult read = ReadOptionsFile(entry.Path);
    entry.Readable = read.ok();
    entry.Description = read.ok() ? read.file.Description : read.error;
    found[entry.Name] = std::move(entry);
  }
}

}  // namespace

std::string ShippedPresetFolder() {
  if (std::string given = EnvironmentValue("BURSTKIN_PRESET_DIR"); !given.empty()) return given;
  const fs::path program = ProgramFolder();
  if (program.empty()) return {};
  for (const fs::path& candidate : {program / ".." / "share" / "burstkin" / "presets",
                                    program / ".." / ".." / "share" / "burstkin" / "presets"}) {
    if (IsFolder(candidate)) return candidate.lexically_normal().string();
  }
  return {};
}

std::string UserPresetFolder() {
  fs::path base = EnvironmentValue("XDG_CONFIG_HOME");
  // The XDG rules ignore a relative XDG_CONFIG_HOME.
  if (base.empty() || base.is_relative()) {
    const std::string home = EnvironmentValue("HOME");
    if (home.empty()) return {};
    base = fs::path(home) / ".config";
  }
  return (base / "burstkin" / "presets").string();
}

std::vector<PresetEntry> ListPresets() {
  std::map<std::string, PresetEntry> found;
  AddFolder(ShippedPresetFolder(), false, found);
  AddFolder(UserPresetFolder(), true, found);
  std::vector<PresetEntry> presets;
  for (auto& [name, entry] : found) presets.push_back(std::move(entry));
  return presets;
}

std::optional<PresetEntry> FindPreset(std::string_view name) {
  for (PresetEntry& entry : ListPresets()) {
    if (entry.Name == name) return std::move(entry);
  }
  return std::nullopt;
}

std::string UnknownPresetMessage(std::string_view name) {
  std::string text = "Unknown preset \"" + std::string(name) + "\"";
  const std::vector<PresetEntry> presets = ListPresets();
  if (presets.empty()) return text + "; no presets were found.";
  text += "; the presets are: ";
  for (std::size_t i = 0; i < presets.size(); ++i) text += (i > 0 ? ", " : "") + presets[i].Name;
  return text + ".";
}

}  // namespace bk
