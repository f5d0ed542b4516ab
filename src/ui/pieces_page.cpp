#include "ui/pieces_page.h"

#include <QButtonGroup>
#include <QLineEdit>

namespace bk {

const std::vector<int>& CBrkPiecesPage::SolidControls() {
  static const std::vector<int> ids = {1103, 1104, 1105, 1106, 1107, 1108, 1109, 1110, 1111, 1112, 1113,
                                       1114, 1115, 1116, 1117, 1118, 1119, 1120, 1121, 1122, 1123, 1124,
                                       1125, 1126, 1127};
  return ids;
}

const std::vector<int>& CBrkPiecesPage::ImpactControls() {
  static const std::vector<int> ids = {1108, 1109, 1110, 1111, 1112, 1113, 1114, 1115};
  return ids;
}

CBrkPiecesPage::CBrkPiecesPage(ExplosionOptions& options, WarningSink warn, QWidget* parent)
    : CBrkPage(options, std::move(warn), parent) {
  ExplosionOptions& o = this->options();

  QButtonGroup* shape = NewRadioGroup();
  AddRadio(1101, "Runs of faces", 16, 19, 62, 10, shape);
  AddRadio(1102, "Solid cells", 16, 31, 52, 10, shape);
  AddLabel(1103, "Cells:", 100, 32, 24, 8);
  QLineEdit* cells = AddEdit(1104, 126, 30, 36, 12);
  AddGroupBox(1100, "Piece Shape", 10, 8, 197, 40);

  QButtonGroup* layout = NewRadioGroup();
  AddRadio(1106, "Uniform", 16, 63, 40, 10, layout);
  AddRadio(1107, "Impact", 16, 76, 40, 10, layout);
  AddLabel(1108, "X:", 62, 78, 10, 8);
  QLineEdit* impact_x = AddEdit(1109, 74, 76, 36, 12);
  AddLabel(1110, "Y:", 114, 78, 10, 8);
  QLineEdit* impact_y = AddEdit(1111, 126, 76, 36, 12);
  AddLabel(1112, "Z:", 62, 94, 10, 8);
  QLineEdit* impact_z = AddEdit(1113, 74, 92, 36, 12);
  AddLabel(1114, "Spread:", 114, 94, 28, 8);
  QLineEdit* spread = AddEdit(1115, 144, 92, 36, 12);
  AddGroupBox(1105, "Cell Sites", 10, 52, 197, 58);

  AddLabel(1117, "Red:", 16, 130, 22, 8);
  QLineEdit* red = AddEdit(1118, 40, 128, 30, 12);
  AddLabel(1119, "Green:", 16, 146, 22, 8);
  QLineEdit* green = AddEdit(1120, 40, 144, 30, 12);
  AddLabel(1121, "Blue:", 16, 162, 22, 8);
  QLineEdit* blue = AddEdit(1122, 40, 160, 30, 12);
  QButtonGroup* shader = NewRadioGroup();
  AddRadio(1123, "Phong", 84, 128, 40, 10, shader);
  AddRadio(1124, "Flat", 84, 141, 40, 10, shader);
  AddRadio(1125, "Metal", 84, 154, 40, 10, shader);
  AddLabel(1126, "Texture scale:", 134, 130, 56, 8, true);
  QLineEdit* texture_scale = AddEdit(1127, 134, 142, 36, 12);
  AddGroupBox(1116, "Inner Faces", 10, 116, 197, 72);

  ExchangeRadio(shape, &o.PieceShape);
  ExchangeInteger(cells, &o.Cells, "Cells");
  ExchangeRadio(layout, &o.SiteLayout);
  ExchangeReal(impact_x, &o.ImpactPoint.x, "ImpactPoint.x");
  ExchangeReal(impact_y, &o.ImpactPoint.y, "ImpactPoint.y");
  ExchangeReal(impact_z, &o.ImpactPoint.z, "ImpactPoint.z");
  ExchangeReal(spread, &o.ImpactSpread, "ImpactSpread");
  ExchangeReal(red, &o.InnerColour.r, "InnerColour.r");
  ExchangeReal(green, &o.InnerColour.g, "InnerColour.g");
  ExchangeReal(blue, &o.InnerColour.b, "InnerColour.b");
  ExchangeRadio(shader, &o.InnerShader);
  ExchangeReal(texture_scale, &o.InnerTextureScale, "InnerTextureScale");
  FinishLayout();

  WhenClicked(shape, [this] { UpdateControls(); });
  WhenClicked(layout, [this] { UpdateControls(); });
}

void CBrkPiecesPage::OnFirstDisplay() {
  Show();
  EnableControlsThatApply();
}

void CBrkPiecesPage::OnSetActive() {
  Show();
  EnableControlsThatApply();
}

void CBrkPiecesPage::UpdateControls() {
  Take();
  EnableControlsThatApply();
  Show();
}

void CBrkPiecesPage::EnableControlsThatApply() {
  // Runs of faces use nothing of the cells; a uniform layout has no impact.
  const bool solid = options().PieceShape == 1;
  EnableControls(SolidControls(), solid);
  EnableControls(ImpactControls(), solid && options().SiteLayout == 1);
}

}  // namespace bk
