#pragma once

#include "ui/brk_page.h"

namespace bk {

// The General page: pieces, distance, rotation, frames, direction, path and
// the read-only object information (faces, frames, chunks).
class CBrkGenPage : public CBrkPage {
  Q_OBJECT

 public:
  CBrkGenPage(ExplosionOptions& options, WarningSink warn, QWidget* parent = nullptr);

  QString Title() const override { return QStringLiteral("General"); }
  void OnFirstDisplay() override;
  void OnSetActive() override;

 private:
  // Take, derived values, show: after "Toggle" and after leaving most fields.
  void ValuesChanged();
};

}  // namespace bk
