#include "ui/brk_page.h"

#include <cassert>
#include <limits>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include "doc/option_fields.h"
#include "ui/window_layout.h"
#include "ui/dialog_units.h"

namespace bk {

namespace {

constexpr int kPageWidthDu = 220;
constexpr int kPageHeightDu = 200;

const OptionField& FieldNamed(std::string_view name) {
  const OptionField* field = FindOptionField(name);
  assert(field && "every edit on the sheet edits a field of the table");
  return *field;
}

}  // namespace

CBrkPage::CBrkPage(ExplosionOptions& options, WarningSink warn, QWidget* parent)
    : QWidget(parent), options_(options), warn_(std::move(warn)) {
  const QFontMetrics metrics(font());
  baseX_ = DialogBaseUnitX(metrics);
  baseY_ = std::max(1, metrics.height());
  setFixedSize(DialogUnitsToPixelsX(kPageWidthDu, baseX_),
               DialogUnitsToPixelsY(kPageHeightDu, baseY_));
}

QRect CBrkPage::DialogRect(int x, int y, int w, int h) const {
  const int left = DialogUnitsToPixelsX(x, baseX_);
  const int top = DialogUnitsToPixelsY(y, baseY_);
  const int right = DialogUnitsToPixelsX(x + w, baseX_);
  const int bottom = DialogUnitsToPixelsY(y + h, baseY_);
  return QRect(left, top, right - left, bottom - top);
}

// The layout was made for a narrower font than most desktops use: a text that
// does not fit widens its control away from the side it is aligned to, so
// nothing is clipped and the aligned edge stays where the layout puts it.
QRect CBrkPage::FitText(QRect rect, int needed_width, bool right_aligned) {
  if (needed_width > rect.width()) {
    if (right_aligned) {
      rect.setLeft(rect.right() + 1 - needed_width);
    } else {
      rect.setWidth(needed_width);
    }
  }
  return rect;
}

void CBrkPage::Register(int id, QWidget* widget) {
  if (id > 0) {
    assert(!controls_.count(id));
    controls_[id] = widget;
    widget->setObjectName(QStringLiteral("id%1").arg(id));
  }
}

QWidget* CBrkPage::Control(int id) const {
  const auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

QLineEdit* CBrkPage::AddEdit(int id, int x, int y, int w, int h, bool read_only) {
  auto* edit = new QLineEdit(this);
  edit->setGeometry(DialogRect(x, y, w, h));
  edit->setEnabled(!read_only);
  edit->setMaxLength(32767);
  Register(id, edit);
  return edit;
}

QCheckBox* CBrkPage::AddCheck(int id, const char* text, int x, int y, int w, int h) {
  auto* box = new QCheckBox(QString::fromUtf8(text), this);
  box->setGeometry(FitText(DialogRect(x, y, w, h), box->sizeHint().width(), false));
  Register(id, box);
  return box;
}

QRadioButton* CBrkPage::AddRadio(int id, const char* text, int x, int y, int w, int h,
                                 QButtonGroup* group) {
  auto* radio = new QRadioButton(QString::fromUtf8(text), this);
  radio->setGeometry(FitText(DialogRect(x, y, w, h), radio->sizeHint().width(), false));
  group->addButton(radio, static_cast<int>(group->buttons().size()));
  Register(id, radio);
  return radio;
}

QLabel* CBrkPage::AddLabel(int id, const char* text, int x, int y, int w, int h,
                           bool left_aligned) {
  auto* label = new QLabel(QString::fromUtf8(text), this);
  label->setGeometry(FitText(DialogRect(x, y, w, h), label->sizeHint().width(), !left_aligned));
  label->setAlignment((left_aligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
  Register(id, label);
  return label;
}

QGroupBox* CBrkPage::AddGroupBox(int id, const char* text, int x, int y, int w, int h) {
  auto* box = new QGroupBox(QString::fromUtf8(text), this);
  box->setGeometry(DialogRect(x, y, w, h));
  box->setFocusPolicy(Qt::NoFocus);
  Register(id, box);
  groupBoxes_.push_back(box);
  return box;
}

QButtonGroup* CBrkPage::NewRadioGroup() { return new QButtonGroup(this); }

void CBrkPage::FinishLayout() {
  for (QGroupBox* box : groupBoxes_) box->lower();
}

void CBrkPage::ExchangeInteger(QLineEdit* edit, std::int32_t* field, std::string_view name) {
  const OptionField& info = FieldNamed(name);
  exchange_.push_back({Kind::Integer, edit, nullptr, field, nullptr, info.minimum, info.maximum});
}

void CBrkPage::ExchangeReadOnly(QLineEdit* edit, std::int32_t* field) {
  exchange_.push_back({Kind::ReadOnly, edit, nullptr, field, nullptr,
                       std::numeric_limits<std::int32_t>::min(),
                       std::numeric_limits<std::int32_t>::max()});
}

void CBrkPage::ExchangeReal(QLineEdit* edit, float* field, std::string_view name) {
  const OptionField& info = FieldNamed(name);
  exchange_.push_back({Kind::Real, edit, nullptr, nullptr, field, info.minimum, info.maximum});
}

void CBrkPage::ExchangeCheck(QCheckBox* box, std::int32_t* field) {
  exchange_.push_back({Kind::Check, box, nullptr, field, nullptr, 0, 1});
}

void CBrkPage::ExchangeRadio(QButtonGroup* group, std::int32_t* field) {
  exchange_.push_back({Kind::Radio, nullptr, group, field, nullptr, 0, 0});
}

bool CBrkPage::Take() {
  for (const Exchange& entry : exchange_) {
    switch (entry.kind) {
      case Kind::Integer:
      case Kind::ReadOnly: {
        const std::string text = static_cast<QLineEdit*>(entry.widget)->text().toStdString();
        // Read-only fields carry no range, so only their form can fail.
        const TakeError error = TakeInteger(text, static_cast<std::int32_t>(entry.minimum),
                                            static_cast<std::int32_t>(entry.maximum),
                                            *entry.integer);
        if (error) {
          Fail(entry.widget, *error);
          return false;
        }
        break;
      }
      case Kind::Real: {
        const std::string text = static_cast<QLineEdit*>(entry.widget)->text().toStdString();
        const TakeError error = TakeReal(text, static_cast<float>(entry.minimum),
                                         static_cast<float>(entry.maximum), *entry.real);
        if (error) {
          Fail(entry.widget, *error);
          return false;
        }
        break;
      }
      case Kind::Check:
        *entry.integer = static_cast<QCheckBox*>(entry.widget)->isChecked() ? 1 : 0;
        break;
      case Kind::Radio: {
        // The index of the checked button among the group's, -1 when none is.
        *entry.integer = entry.group->checkedId();
        break;
      }
    }
  }
  return true;
}

void CBrkPage::Show() {
  for (const Exchange& entry : exchange_) {
    switch (entry.kind) {
      case Kind::Integer:
      case Kind::ReadOnly:
        static_cast<QLineEdit*>(entry.widget)->setText(QString::number(*entry.integer));
        break;
      case Kind::Real:
        static_cast<QLineEdit*>(entry.widget)
            ->setText(QString::fromStdString(FormatReal(*entry.real)));
        break;
      case Kind::Check: {
        if (*entry.integer < 0 || *entry.integer > 2) *entry.integer = 0;
        static_cast<QCheckBox*>(entry.widget)->setChecked(*entry.integer == 1);
        break;
      }
      case Kind::Radio: {
        // An exclusive group cannot uncheck its last button; lift that while
        // showing a value that selects none.
        entry.group->setExclusive(false);
        for (QAbstractButton* button : entry.group->buttons()) {
          button->setChecked(entry.group->id(button) == *entry.integer);
        }
        entry.group->setExclusive(true);
        break;
      }
    }
  }
}

void CBrkPage::Fail(QWidget* widget, const std::string& message) {
  takeFailed_ = true;
  failedControl_ = widget;
  const bool was_in_rule = inRule_;
  inRule_ = true;  // the message box takes the focus; that is not leaving a field
  if (warn_) warn_(message);
  inRule_ = was_in_rule;
  RefocusFailedControl();
}

void CBrkPage::RefocusFailedControl() {
  if (!failedControl_ || !failedControl_->isVisible()) return;
  const bool was_in_rule = inRule_;
  inRule_ = true;  // the field the focus leaves now was not left by the user
  failedControl_->setFocus(Qt::OtherFocusReason);
  inRule_ = was_in_rule;
  if (auto* edit = qobject_cast<QLineEdit*>(failedControl_)) edit->selectAll();
  // Coming back into a field that failed is not a reason to run its rule again
  // until the user leaves it once more.
  leftField_ = nullptr;
}

bool CBrkPage::OnKillActive() {
  failedControl_ = nullptr;
  return Take();
}

void CBrkPage::Queue(std::function<void()> rule) {
  pending_.push_back(std::move(rule));
  QTimer::singleShot(0, this, [this] { RunPendingRules(); });
}

bool CBrkPage::RunPendingRules() {
  bool ok = true;
  while (!pending_.empty()) {
    std::function<void()> rule = std::move(pending_.front());
    pending_.pop_front();
    if (!isVisible()) continue;  // the sheet has closed meanwhile
    takeFailed_ = false;
    inRule_ = true;
    rule();
    inRule_ = false;
    if (takeFailed_) {
      // The show that ends most rules resets the text; select it again.
      RefocusFailedControl();
      ok = false;
    }
  }
  return ok;
}

void CBrkPage::LeaveFocusedField() {
  QWidget* focused = focusWidget();
  if (!focused || focused == leftField_) return;
  const auto it = leaveRules_.find(focused);
  if (it == leaveRules_.end()) return;
  leftField_ = focused;
  Queue(it->second);
}

void CBrkPage::WhenLeft(QLineEdit* edit, std::function<void()> rule) {
  leaveRules_[edit] = std::move(rule);
  edit->installEventFilter(this);
}

void CBrkPage::WhenClicked(QCheckBox* box, std::function<void()> rule) {
  connect(box, &QCheckBox::clicked, this, [this, rule = std::move(rule)] {
    if (inRule_) return;
    Queue(rule);
  });
}

void CBrkPage::WhenEdited(QLineEdit* edit, std::function<void()> rule) {
  // textEdited fires for the user's changes only, never for Show's.
  connect(edit, &QLineEdit::textEdited, this, [this, rule = std::move(rule)] {
    if (inRule_) return;
    Queue(rule);
  });
}

bool CBrkPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == leftField_) leftField_ = nullptr;
  } else if (event->type() == QEvent::FocusOut && !inRule_) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Another window taking over (a message box, a menu) is not leaving the field.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      const auto it = leaveRules_.find(watched);
      if (it != leaveRules_.end() && watched != leftField_) {
        leftField_ = static_cast<QWidget*>(watched);
        Queue(it->second);
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void CBrkPage::EnableControls(const std::vector<int>& ids, bool enabled) {
  for (int id : ids) {
    if (QWidget* widget = Control(id)) widget->setEnabled(enabled);
  }
}

}  // namespace bk
