#include "doc/options_sheet.h"

#include <algorithm>

namespace bk {

namespace {

}  // namespace

void GeneralFirstDisplay(ExplosionOptions& options) {
  options.UpdateDerivedValues();
  options.ApplyFifthOfFacesRule();
  options.ChunkCount = ChunkCountFor(options.MinPieces, options.ObjectFaces);
  // The page then becomes active, which brings FrameTotal in line with the
  // new ChunkCount.
  options.UpdateDerivedValues();
}

void GeneralValuesChanged(ExplosionOptions& options) { options.UpdateDerivedValues(); }

void AdvancedFirstDisplay(ExplosionOptions& options) {
  if (options.ScaleEndFrame == -1) options.ScaleEndFrame = options.FrameTotal;
  UpdateStaggerValues(options);
}

void UpdateStaggerValues(ExplosionOptions& options) {
  if (options.StaggerPieces == 0) options.StaggerPieces = 5;
  options.LimitScaleFrames();
}

void AdvancedValuesChanged(ExplosionOptions& options) { options.LimitScaleFrames(); }

bool GravityParticlesFirstDisplay(ExplosionOptions& options) {
  if (options.ParticleScaleEndFrame == -1) options.ParticleScaleEndFrame = options.FrameTotal;
  // The page's controls start enabled.
  return ParticlesToggled(options, true);
}

bool ParticlesToggled(ExplosionOptions& options, bool particle_controls_were_enabled) {
  if (options.Particles != 0) {
    if (!particle_controls_were_enabled && options.OutputMode == 0) options.OutputMode = 1;
    return true;
  }
  if (particle_controls_were_enabled) options.OutputMode = 0;
  return false;
}

void GravityParticlesValuesChanged(ExplosionOptions& options) { options.LimitParticleFrames(); }

TakeError ApplySheetAsCommandLine(ExplosionOptions& options,
                                  std::span<const OptionSetting> settings) {
  GeneralFirstDisplay(options);

  bool output_mode_given = false;
  for (const OptionSetting& setting : settings) {
    const OptionField* field = FindOptionField(setting.name);
    if (field == nullptr) return "Unknown option name: " + setting.name;
    if (TakeError error = SetOptionFromText(options, *field, setting.value)) return error;
    if (field->name == "OutputMode") output_mode_given = true;
  }
  options.UpdateDerivedValues();

  if (options.ScaleEndFrame == -1) options.ScaleEndFrame = options.FrameTotal;
  if (options.StaggerPieces == 0) options.StaggerPieces = 5;
  options.LimitScaleFrames();

  if (options.ParticleScaleEndFrame == -1) options.ParticleScaleEndFrame = options.FrameTotal;
  options.LimitParticleFrames();
  // Ticking "Particles" selects "Imported object and particles" unless the
  // user picked an output mode; with Particles off only the object is written.
  if (options.Particles != 0) {
    if (options.OutputMode == 0 && !output_mode_given) options.OutputMode = 1;
  } else {
    options.OutputMode = 0;
  }
  return std::nullopt;
}

}  // namespace bk
