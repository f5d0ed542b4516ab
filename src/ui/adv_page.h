#pragma once

#include "ui/brk_page.h"

namespace bk {

// The Advanced page: position, rotation and scale axes, the scale amount and
// its frames, and the stagger options.
class CBrkAdvPage : public CBrkPage {
  Q_OBJECT

 public:
  CBrkAdvPage(ExplosionOptions& options, WarningSink warn, QWidget* parent = nullptr);

  QString Title() const override { return QStringLiteral("Advanced"); }
  void OnFirstDisplay() override;
  void OnSetActive() override;

 private:
  // Take, the stagger rules, enable the stagger field and its label by
  // "Stagger explosions", show.
  void UpdateStaggerControls();
  void EnableStaggerControls();
};

}  // namespace bk
