#include "ui/adv_page.h"

#include <QCheckBox>
#include <QLineEdit>

#include "doc/options_sheet.h"

namespace bk {

CBrkAdvPage::CBrkAdvPage(ExplosionOptions& options, WarningSink warn, QWidget* parent)
    : CBrkPage(options, std::move(warn), parent) {
  ExplosionOptions& o = this->options();

  QCheckBox* pos_x = AddCheck(1014, "X Axis", 20, 21, 39, 10);
  QCheckBox* pos_y = AddCheck(1015, "Y Axis", 20, 35, 42, 10);
  QCheckBox* pos_z = AddCheck(1016, "Z Axis", 20, 49, 42, 10);
  QCheckBox* pos_plus = AddCheck(1035, "+", 20, 66, 15, 10);
  QCheckBox* pos_minus = AddCheck(1036, "-", 38, 66, 14, 10);
  QCheckBox* rot_x = AddCheck(1010, "X Axis", 83, 21, 42, 10);
  QCheckBox* rot_y = AddCheck(1011, "Y Axis", 83, 35, 42, 10);
  QCheckBox* rot_z = AddCheck(1012, "Z Axis", 83, 49, 42, 10);
  QCheckBox* rot_plus = AddCheck(1037, "+", 83, 65, 15, 10);
  QCheckBox* rot_minus = AddCheck(1038, "-", 100, 65, 14, 10);
  QCheckBox* scale_x = AddCheck(1027, "X Axis", 147, 21, 39, 10);
  QCheckBox* scale_y = AddCheck(1029, "Y Axis", 147, 35, 41, 10);
  QCheckBox* scale_z = AddCheck(1030, "Z Axis", 147, 49, 41, 10);
  QLineEdit* scale_start = AddEdit(1024, 172, 97, 28, 12);
  QLineEdit* scale_end = AddEdit(1034, 172, 114, 28, 12);
  QCheckBox* stagger = AddCheck(1022, "Stagger explosions", 29, 149, 71, 10);
  // Eight units wider than first laid out (its label moved along), so the
  // field holds every count it accepts without widening the whole page.
  QLineEdit* stagger_pieces = AddEdit(1002, 20, 168, 23, 12);
  QLineEdit* start_frame = AddEdit(1025, 172, 152, 28, 12);
  QLineEdit* end_frame = AddEdit(1039, 172, 169, 28, 12);
  AddLabel(1023, "pieces; delay start 1 frame", 45, 170, 80, 8, /*left_aligned=*/true);
  AddGroupBox(1013, "Rotation Axes", 79, 9, 51, 69);
  AddGroupBox(1017, "Position Axes", 16, 9, 51, 70);
  AddGroupBox(0, "Stagger Options", 15, 138, 114, 49);
  AddLabel(0, "Start:", 147, 99, 20, 8);
  AddGroupBox(1028, "Scale Axes", 142, 9, 64, 69);
  AddGroupBox(1033, "Scale Amount", 142, 82, 64, 50);
  AddLabel(0, "End:", 153, 116, 15, 8);
  AddLabel(1058, "Start:", 147, 154, 20, 8);
  AddGroupBox(1040, "Anim. Frames", 142, 137, 64, 50);
  AddLabel(1059, "End:", 153, 171, 15, 8);

  ExchangeCheck(pos_x, &o.PositionAxes.x);
  ExchangeCheck(pos_z, &o.PositionAxes.z);
  ExchangeCheck(pos_y, &o.PositionAxes.y);
  ExchangeCheck(rot_x, &o.RotationAxes.x);
  ExchangeCheck(rot_y, &o.RotationAxes.y);
  ExchangeCheck(rot_z, &o.RotationAxes.z);
  ExchangeCheck(scale_x, &o.ScaleAxes.x);
  ExchangeCheck(scale_y, &o.ScaleAxes.y);
  ExchangeCheck(scale_z, &o.ScaleAxes.z);
  ExchangeCheck(stagger, &o.Stagger);
  ExchangeInteger(stagger_pieces, &o.StaggerPieces, "StaggerPieces");
  ExchangeCheck(pos_minus, &o.PositionSigns.minus);
  ExchangeCheck(pos_plus, &o.PositionSigns.plus);
  ExchangeCheck(rot_plus, &o.RotationSigns.plus);
  ExchangeCheck(rot_minus, &o.RotationSigns.minus);
  ExchangeInteger(start_frame, &o.ScaleStartFrame, "ScaleStartFrame");
  ExchangeInteger(end_frame, &o.ScaleEndFrame, "ScaleEndFrame");
  ExchangeReal(scale_start, &o.ScaleStart, "ScaleStart");
  ExchangeReal(scale_end, &o.ScaleEnd, "ScaleEnd");
  FinishLayout();

  WhenClicked(stagger, [this] { UpdateStaggerControls(); });
  // The rule runs when the field is left, as for every other field: run at
  // each keystroke, its limit to the pieces' count rewrote "3" of "32" before
  // the "2" could follow, and an emptied field could not be typed into.
  WhenLeft(stagger_pieces, [this] { UpdateStaggerControls(); });
  for (QLineEdit* edit : {scale_start, scale_end, start_frame, end_frame}) {
    WhenLeft(edit, [this] {
      Take();
      AdvancedValuesChanged(this->options());
      Show();
    });
  }
}

void CBrkAdvPage::OnFirstDisplay() {
  // The record and the controls agree after this show, so the take that the
  // stagger rule starts with would change nothing; the shared first-display
  // rule does the -1 end frame and the stagger values in one.
  Show();
  AdvancedFirstDisplay(options());
  EnableStaggerControls();
  Show();
}

void CBrkAdvPage::OnSetActive() {
  Show();
  UpdateStaggerControls();
}

void CBrkAdvPage::UpdateStaggerControls() {
  Take();
  UpdateStaggerValues(options());
  EnableStaggerControls();
  Show();
}

void CBrkAdvPage::EnableStaggerControls() {
  EnableControls({1002, 1023}, options().Stagger != 0);
}

}  // namespace bk
