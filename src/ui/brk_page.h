#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <QWidget>

#include "engine/explosion_options.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace bk {

// Shows a validation message (a warning box with OK, or a test's recorder).
using WarningSink = std::function<void(std::string_view)>;

// One page of the options sheet: its controls, placed in dialog units of the
// page font, and the exchange between them and the options record. The record
// is shared with the document and outlives the page.
//
// Take moves every control's value into the record in the page's exchange
// order and stops at the first value that fails: its message is shown, the
// focus returns to that control (an edit's whole text selected) and the
// fields after it keep their old values. Show moves the record into every
// control.
//
// Event rules that follow a keystroke or leaving a field run just after the
// event (queued), so a message box or a text change never happens inside the
// edit control's own key or focus handling. The sheet flushes them before a
// page change or OK, which is when leaving a field would have run them.
class CBrkPage : public QWidget {
  Q_OBJECT

 public:
  CBrkPage(ExplosionOptions& options, WarningSink warn, QWidget* parent = nullptr);

  bool Take();
  void Show();

  // The control with a dialog id, or null. Ids are unique within a page.
  QWidget* Control(int id) const;

  // The page's title on its tab.
  virtual QString Title() const = 0;
  // The first time the page comes to the front in a sheet.
  virtual void OnFirstDisplay() = 0;
  // Every time the page comes to the front (after OnFirstDisplay the first time).
  virtual void OnSetActive() = 0;
  // Leaving the page: its values are taken; false keeps it in front.
  bool OnKillActive();

  // Runs the queued event rules now; false when a take in one of them failed.
  bool RunPendingRules();
  // Drops queued rules (the sheet is closing without OK).
  void DropPendingRules() { pending_.clear(); }
  // Runs the leave rule of the focused field at once, as if it were left.
  void LeaveFocusedField();
  // Gives the focus back to the control whose value last failed.
  void RefocusFailedControl();
  bool firstDisplayDone = false;

 protected:
  ExplosionOptions& options() { return options_; }

  // Building, in tab order. Positions are x, y, width, height in dialog units.
  QLineEdit* AddEdit(int id, int x, int y, int w, int h, bool read_only = false);
  QCheckBox* AddCheck(int id, const char* text, int x, int y, int w, int h);
  QRadioButton* AddRadio(int id, const char* text, int x, int y, int w, int h, QButtonGroup* group);
  QLabel* AddLabel(int id, const char* text, int x, int y, int w, int h, bool left_aligned = false);
  QGroupBox* AddGroupBox(int id, const char* text, int x, int y, int w, int h);
  QButtonGroup* NewRadioGroup();
  // Puts the group boxes under the controls they frame and places every
  // control; call once the page's controls and exchange are built.
  void FinishLayout();

  // The exchange order, one entry per field. Integer and real ranges come
  // from the option field table, by field name.
  void ExchangeInteger(QLineEdit* edit, std::int32_t* field, std::string_view name);
  void ExchangeReadOnly(QLineEdit* edit, std::int32_t* field);
  void ExchangeReal(QLineEdit* edit, float* field, std::string_view name);
  void ExchangeCheck(QCheckBox* box, std::int32_t* field);
  void ExchangeRadio(QButtonGroup* group, std::int32_t* field);

  // Event rules.
  void WhenLeft(QLineEdit* edit, std::function<void()> rule);
  void WhenClicked(QCheckBox* box, std::function<void()> rule);
  // A click on any of the group's radio buttons.
  void WhenClicked(QButtonGroup* group, std::function<void()> rule);
  void WhenEdited(QLineEdit* edit, std::function<void()> rule);

  // Enables or disables a set of controls by id.
  void EnableControls(const std::vector<int>& ids, bool enabled);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  enum class Kind { Integer, ReadOnly, Real, Check, Radio };
  struct Exchange {
    Kind kind;
    QWidget* widget = nullptr;
    QButtonGroup* group = nullptr;
    std::int32_t* integer = nullptr;
    float* real = nullptr;
    double minimum = 0;
    double maximum = 0;
  };

  // A control and its rectangle in dialog units.
  struct Placement {
    QWidget* widget;
    QRect units;
  };

  void Place(QWidget* widget, int x, int y, int w, int h);
  void ApplyLayout();
  QRect PixelRect(const QRect& units) const;
  int WidthNeeded(const QWidget* widget) const;
  void NoteWidestValue(QLineEdit* edit, double minimum, double maximum, bool real);
  void Register(int id, QWidget* widget);
  void Fail(QWidget* widget, const std::string& message);
  void Queue(std::function<void()> rule);

  ExplosionOptions& options_;
  WarningSink warn_;
  double unitX_ = 1.5;  // pixels per dialog unit
  double unitY_ = 1.625;
  std::vector<Placement> placements_;
  std::map<const QWidget*, QString> widestValues_;  // edits: the widest text they show
  std::map<int, QWidget*> controls_;
  std::vector<QGroupBox*> groupBoxes_;
  std::vector<Exchange> exchange_;
  std::map<QObject*, std::function<void()>> leaveRules_;
  std::deque<std::function<void()>> pending_;
  QWidget* failedControl_ = nullptr;
  QWidget* leftField_ = nullptr;  // left, rule queued or run; cleared on focus in
  bool takeFailed_ = false;
  bool inRule_ = false;
};

}  // namespace bk
