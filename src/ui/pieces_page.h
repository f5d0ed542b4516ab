#pragma once

#include <vector>

#include "ui/brk_page.h"

namespace bk {

// The Pieces page: runs of faces or solid cells, and for solid cells how
// many, where their sites lie and what the cut faces look like.
class CBrkPiecesPage : public CBrkPage {
  Q_OBJECT

 public:
  CBrkPiecesPage(ExplosionOptions& options, WarningSink warn, QWidget* parent = nullptr);

  QString Title() const override { return QStringLiteral("Pieces"); }
  void OnFirstDisplay() override;
  void OnSetActive() override;

  // The controls that only solid cells use, and of those the ones only an
  // impact layout of the sites uses.
  static const std::vector<int>& SolidControls();
  static const std::vector<int>& ImpactControls();

 private:
  void UpdateControls();
  void EnableControlsThatApply();
};

}  // namespace bk
