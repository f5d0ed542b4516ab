#include "ui/bounce_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

#include "doc/options_sheet.h"

namespace bk {

const std::vector<int>& CBrkBouncePage::GravityControls() {
  static const std::vector<int> ids = {1025, 1026, 1027, 1034, 1037, 1038};
  return ids;
}

const std::vector<int>& CBrkBouncePage::ParticleControls() {
  static const std::vector<int> ids = {1046, 1047, 1048, 1031, 1032, 1033, 1041, 1030, 1035,
                                       1043, 1045, 1051, 1052, 1039, 1036, 1040, 1029, 1044,
                                       1053, 1054, 1055, 1050, 1057, 1056, 1060, 1049};
  return ids;
}

CBrkBouncePage::CBrkBouncePage(ExplosionOptions& options, WarningSink warn, QWidget* parent)
    : CBrkPage(options, std::move(warn), parent) {
  ExplosionOptions& o = this->options();

  QCheckBox* gravity = AddCheck(1024, "Gravity", 10, 10, 42, 10);
  QLineEdit* bounces = AddEdit(1025, 178, 10, 28, 12);
  QLineEdit* ground_z = AddEdit(1026, 43, 25, 28, 12);
  QLineEdit* rebound = AddEdit(1027, 178, 26, 28, 12);
  QCheckBox* particles = AddCheck(1028, "Particles", 10, 54, 39, 10);
  QCheckBox* inherit = AddCheck(1046, "Inherit texture", 10, 65, 62, 10);
  QButtonGroup* origin = NewRadioGroup();
  AddRadio(1047, "Object center", 13, 97, 56, 10, origin);
  AddRadio(1048, "Object surface", 13, 108, 59, 10, origin);
  QButtonGroup* output = NewRadioGroup();
  AddRadio(1031, "Imported object only", 86, 86, 77, 10, output);
  AddRadio(1032, "Imported object and particles", 86, 97, 106, 10, output);
  AddRadio(1033, "Particles only", 86, 108, 55, 10, output);
  QLineEdit* global = AddEdit(1041, 38, 137, 28, 12);
  QLineEdit* scale_start = AddEdit(1030, 38, 154, 28, 12);
  QLineEdit* scale_end = AddEdit(1035, 38, 170, 28, 12);
  QLineEdit* start_frame = AddEdit(1043, 106, 154, 28, 12);
  QLineEdit* end_frame = AddEdit(1045, 106, 170, 28, 12);
  QLineEdit* random_min = AddEdit(1051, 172, 154, 28, 12);
  QLineEdit* random_max = AddEdit(1052, 172, 170, 28, 12);
  AddLabel(1034, "Number of bounces:", 108, 12, 67, 8);
  AddLabel(1037, "Ground Z:", 7, 27, 34, 8);
  AddLabel(1038, "Rebound scale:", 123, 28, 52, 8);
  AddLabel(1039, "Start:", 15, 157, 20, 8);
  AddGroupBox(1036, "Linear Scale", 10, 124, 66, 64);
  AddLabel(1040, "End:", 20, 173, 15, 8);
  AddGroupBox(1029, "Output Options", 80, 76, 127, 45);
  AddLabel(1044, "Global:", 12, 139, 24, 8);
  AddLabel(1053, "Min:", 155, 156, 14, 8);
  AddGroupBox(1054, "Random Scale", 146, 137, 60, 51);
  AddLabel(1055, "Max:", 154, 172, 16, 8);
  AddLabel(1050, "Start:", 82, 156, 20, 8);
  AddGroupBox(1057, "Anim. Frames", 80, 137, 61, 51);
  AddLabel(1056, "End:", 88, 172, 15, 8);
  AddGroupBox(1060, "Initial Position", 10, 89, 66, 32);
  QCheckBox* auto_scale = AddCheck(1049, "Auto Scale", 10, 76, 62, 10);

  ExchangeCheck(gravity, &o.Gravity);
  ExchangeInteger(bounces, &o.BounceCount, "BounceCount");
  ExchangeCheck(particles, &o.Particles);
  ExchangeRadio(output, &o.OutputMode);
  ExchangeInteger(end_frame, &o.ParticleScaleEndFrame, "ParticleScaleEndFrame");
  ExchangeInteger(start_frame, &o.ParticleScaleStartFrame, "ParticleScaleStartFrame");
  ExchangeCheck(inherit, &o.InheritTexture);
  ExchangeRadio(origin, &o.ParticleOrigin);
  ExchangeCheck(auto_scale, &o.AutoScale);
  ExchangeReal(ground_z, &o.GroundZ, "GroundZ");
  ExchangeReal(rebound, &o.ReboundScale, "ReboundScale");
  ExchangeReal(scale_start, &o.ParticleScaleStart, "ParticleScaleStart");
  ExchangeReal(scale_end, &o.ParticleScaleEnd, "ParticleScaleEnd");
  ExchangeReal(global, &o.ParticleScaleGlobal, "ParticleScaleGlobal");
  ExchangeReal(random_min, &o.ParticleRandomScaleMin, "ParticleRandomScaleMin");
  ExchangeReal(random_max, &o.ParticleRandomScaleMax, "ParticleRandomScaleMax");
  FinishLayout();

  WhenClicked(gravity, [this] { UpdateGravityParticleControls(); });
  WhenClicked(particles, [this] { UpdateGravityParticleControls(); });
  for (QLineEdit* edit : {ground_z, end_frame, start_frame, rebound, bounces, scale_end,
                          random_max, random_min, scale_start, global}) {
    WhenLeft(edit, [this] {
      Take();
      GravityParticlesValuesChanged(this->options());
      Show();
    });
  }
}

void CBrkBouncePage::OnFirstDisplay() {
  // As on the Advanced page, the take that would follow this show finds the
  // record as shown; the controls start enabled, as the shared rule assumes.
  Show();
  ApplyEnabling(GravityParticlesFirstDisplay(options()));
  Show();
}

void CBrkBouncePage::OnSetActive() {
  Show();
  UpdateGravityParticleControls();
}

void CBrkBouncePage::UpdateGravityParticleControls() {
  Take();
  const QWidget* particle_field = Control(1030);
  ApplyEnabling(ParticlesToggled(options(), particle_field->isEnabled()));
  Show();
}

void CBrkBouncePage::ApplyEnabling(bool particles_enabled) {
  EnableControls(GravityControls(), options().Gravity != 0);
  EnableControls(ParticleControls(), particles_enabled);
}

}  // namespace bk
