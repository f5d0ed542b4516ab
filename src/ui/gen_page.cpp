#include "ui/gen_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>

#include "doc/options_sheet.h"

namespace bk {

CBrkGenPage::CBrkGenPage(ExplosionOptions& options, WarningSink warn, QWidget* parent)
    : CBrkPage(options, std::move(warn), parent) {
  ExplosionOptions& o = this->options();

  QLineEdit* min_pieces = AddEdit(1000, 106, 15, 25, 12);
  QLineEdit* distance = AddEdit(1003, 106, 31, 25, 12);
  QLineEdit* rotation = AddEdit(1009, 106, 47, 25, 12);
  QLineEdit* frames = AddEdit(1004, 106, 63, 25, 12);
  QLineEdit* delay = AddEdit(1010, 106, 79, 25, 12);
  QButtonGroup* direction = NewRadioGroup();
  AddRadio(1018, "Forward", 144, 50, 40, 10, direction);
  AddRadio(1019, "Reverse", 144, 64, 46, 10, direction);
  QCheckBox* toggle = AddCheck(1026, "Toggle", 144, 77, 41, 10);
  QButtonGroup* path = NewRadioGroup();
  AddRadio(1006, "Linear", 144, 114, 31, 10, path);
  AddRadio(1007, "Accelerate", 144, 127, 49, 10, path);
  AddRadio(1008, "Decelerate", 144, 140, 49, 10, path);
  QLineEdit* faces = AddEdit(1001, 51, 114, 22, 12, /*read_only=*/true);
  AddLabel(0, "Faces:", 26, 116, 22, 8);
  AddGroupBox(1005, "Path Options", 138, 102, 60, 53);
  AddGroupBox(1021, "Anim. Direction", 138, 38, 61, 53);
  AddGroupBox(0, "Object Information", 21, 102, 110, 53);
  AddLabel(0, "Frames:", 77, 116, 26, 8, /*left_aligned=*/true);
  QLineEdit* frame_total = AddEdit(1020, 105, 114, 23, 12, /*read_only=*/true);
  QLineEdit* chunks = AddEdit(1025, 105, 133, 23, 12, /*read_only=*/true);
  AddLabel(0, "Number of chunks:", 39, 135, 63, 8);
  AddLabel(0, "Min. number of pieces:", 29, 17, 75, 8);
  AddLabel(0, "Explosion distance:", 40, 32, 64, 8);
  AddLabel(0, "Percent rotation:", 48, 48, 56, 8);
  AddLabel(0, "Number of frames:", 44, 65, 60, 8);
  AddLabel(0, "Delay start; # of frames:", 24, 81, 80, 8);

  ExchangeInteger(min_pieces, &o.MinPieces, "MinPieces");
  ExchangeCheck(toggle, &o.ToggleDirection);
  ExchangeInteger(frames, &o.FrameCount, "FrameCount");
  ExchangeInteger(rotation, &o.PercentRotation, "PercentRotation");
  ExchangeRadio(direction, &o.Direction);
  ExchangeReadOnly(faces, &o.ObjectFaces);
  ExchangeReadOnly(chunks, &o.ChunkCount);
  ExchangeReadOnly(frame_total, &o.FrameTotal);
  ExchangeRadio(path, &o.PathType);
  ExchangeInteger(delay, &o.DelayFrames, "DelayFrames");
  ExchangeReal(distance, &o.ExplosionDistance, "ExplosionDistance");
  FinishLayout();

  WhenClicked(toggle, [this] { ValuesChanged(); });
  for (QLineEdit* edit : {min_pieces, distance, frames, delay}) {
    WhenLeft(edit, [this] { ValuesChanged(); });
  }
  // Leaving "Percent rotation:" changes nothing else, so it has no rule.
}

void CBrkGenPage::OnFirstDisplay() {
  Show();
  Take();
  GeneralFirstDisplay(options());
  Show();
}

void CBrkGenPage::OnSetActive() {
  Show();
  ValuesChanged();
}

void CBrkGenPage::ValuesChanged() {
  Take();
  GeneralValuesChanged(options());
  Show();
}

}  // namespace bk
