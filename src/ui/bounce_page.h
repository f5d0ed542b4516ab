#pragma once

#include "ui/brk_page.h"

namespace bk {

// The Gravity/Particles page: gravity and bounces, and how particle objects
// are thrown and what the output file holds.
class CBrkBouncePage : public CBrkPage {
  Q_OBJECT

 public:
  CBrkBouncePage(ExplosionOptions& options, WarningSink warn, QWidget* parent = nullptr);

  QString Title() const override { return QStringLiteral("Gravity/Particles"); }
  void OnFirstDisplay() override;
  void OnSetActive() override;

  static const std::vector<int>& GravityControls();
  static const std::vector<int>& ParticleControls();

 private:
  void UpdateGravityParticleControls();
  void ApplyEnabling(bool particles_enabled);
};

}  // namespace bk
