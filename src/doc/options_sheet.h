#pragma once

#include <span>
#include <string>

#include "doc/option_fields.h"
#include "engine/explosion_options.h"

namespace bk {

// The options sheet's rules as plain functions of the record, so the window
// program's pages and the command line leave the same values behind. Each
// function is what one page event does to the values; enabling and disabling
// controls and moving text in and out of them is the pages' own business.

// General page.
// First display (every time the sheet opens): derived values, the
// fifth-of-faces rule for a MinPieces of exactly 20, ChunkCount recomputed,
// then the activation's UpdateDerivedValues.
void GeneralFirstDisplay(ExplosionOptions& options);
// Becoming the page in front, a click on "Toggle", leaving MinPieces,
// ExplosionDistance, FrameCount or DelayFrames: UpdateDerivedValues.
void GeneralValuesChanged(ExplosionOptions& options);

// Advanced page.
// First display: a ScaleEndFrame of -1 becomes FrameTotal; then
// UpdateStaggerValues.
void AdvancedFirstDisplay(ExplosionOptions& options);
// Becoming the page in front, a click on "Stagger explosions", each change of
// the StaggerPieces text: a StaggerPieces of 0 becomes 5; LimitScaleFrames.
void UpdateStaggerValues(ExplosionOptions& options);
// Leaving ScaleStart, ScaleEnd, ScaleStartFrame or ScaleEndFrame:
// LimitScaleFrames.
void AdvancedValuesChanged(ExplosionOptions& options);

// Gravity/Particles page.
// First display: a ParticleScaleEndFrame of -1 becomes FrameTotal; then
// ParticlesToggled with the controls enabled (as the page's controls start).
// Returns whether the particle controls are enabled afterwards.
bool GravityParticlesFirstDisplay(ExplosionOptions& options);
// Becoming the page in front, a click on "Gravity" or "Particles": when
// Particles is on and the particle controls were disabled, an OutputMode of 0
// becomes 1; when Particles is off and they were enabled, OutputMode becomes
// 0. Returns whether the particle controls are enabled afterwards (= Particles).
bool ParticlesToggled(ExplosionOptions& options, bool particle_controls_were_enabled);
// Leaving one of the page's edit fields: LimitParticleFrames.
void GravityParticlesValuesChanged(ExplosionOptions& options);

// One NAME=VALUE of the command line.
struct OptionSetting {
  std::string name;
  std::string value;
};

// What the sheet leaves when the user opens it, types `settings` in order,
// visits the three pages in order and closes it with OK. The caller has
// already copied ObjectFaces, OutputMode and ParticleScaleGlobal in (as the
// document does when the sheet opens) and copies OutputMode and
// ParticleScaleGlobal out afterwards (as OK does).
// Returns the first failure's message (an unknown name, a value its page
// refuses), with the record then only partly set.
TakeError ApplySheetAsCommandLine(ExplosionOptions& options,
                                  std::span<const OptionSetting> settings);

}  // namespace bk
