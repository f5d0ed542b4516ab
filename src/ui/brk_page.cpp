#include "ui/brk_page.h"

#include <cassert>
#include <cmath>
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
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>

#include "doc/option_fields.h"
#include "ui/window_layout.h"
#include "ui/dialog_units.h"

namespace bk {

namespace {

constexpr int kPageWidthDu = 220;
constexpr int kPageHeightDu = 200;
// The counts the page shows (faces, chunks, frames) are laid out for objects
// of up to a million faces.
constexpr int kReadOnlyDigits = 6;

// As an edit sizes itself: the text, the edit's inner margins (two pixels a
// side) and the cursor, then the frame its style draws around them.
int EditWidthFor(const QLineEdit& edit, const QString& text) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
  const QMargins margins = edit.textMargins() + edit.contentsMargins();
  const int inner = edit.fontMetrics().horizontalAdvance(text) + 2 * 2 + 1 + margins.left() +
                    margins.right();
  return edit.style()
      ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, edit.fontMetrics().height()),
                         &edit)
      .width();
}

const OptionField& FieldNamed(std::string_view name) {
  const OptionField* field = FindOptionField(name);
  assert(field && "every edit on the sheet edits a field of the table");
  return *field;
}

}  // namespace

CBrkPage::CBrkPage(ExplosionOptions& options, WarningSink warn, QWidget* parent)
    : QWidget(parent), options_(options), warn_(std::move(warn)) {}

void CBrkPage::Place(QWidget* widget, int x, int y, int w, int h) {
  placements_.push_back({widget, QRect(x, y, w, h)});
}

QRect CBrkPage::PixelRect(const QRect& units) const {
  const int left = static_cast<int>(std::lround(units.x() * unitX_));
  const int top = static_cast<int>(std::lround(units.y() * unitY_));
  const int right = static_cast<int>(std::lround((units.x() + units.width()) * unitX_));
  const int bottom = static_cast<int>(std::lround((units.y() + units.height()) * unitY_));
  return QRect(left, top, right - left, bottom - top);
}

// Dialog units follow the page's font as a dialog template's do: a quarter
// of the average character width across, an eighth of the height down. The
// layout was made for a narrower font than most desktops use, so the unit
// across then grows, for the whole page at once, until every control's text
// (an edit's widest value) fits: scaling every control alike keeps apart what
// the layout keeps apart, where widening single controls would push them
// into their neighbours.
void CBrkPage::ApplyLayout() {
  const QFontMetrics metrics(font());
  unitX_ = DialogBaseUnitX(metrics) / 4.0;
  unitY_ = std::max(1, metrics.height()) / 8.0;
  for (const Placement& placed : placements_) {
    // One pixel to spare absorbs the rounding of both edges.
    const double needed = WidthNeeded(placed.widget) + 1.0;
    unitX_ = std::max(unitX_, needed / std::max(1, placed.units.width()));
  }
  for (const Placement& placed : placements_) placed.widget->setGeometry(PixelRect(placed.units));
  setFixedSize(PixelRect(QRect(0, 0, kPageWidthDu, kPageHeightDu)).size());
}

int CBrkPage::WidthNeeded(const QWidget* widget) const {
  if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    const auto it = widestValues_.find(edit);
    return it == widestValues_.end() ? 0 : EditWidthFor(*edit, it->second);
  }
  // A group box has no size hint of its own; its minimum holds its title.
  return std::max(widget->sizeHint().width(), widget->minimumSizeHint().width());
}

void CBrkPage::NoteWidestValue(QLineEdit* edit, double minimum, double maximum, bool real) {
  const auto text = [real](double value) {
    return real ? QString::fromStdString(FormatReal(static_cast<float>(value)))
                : QString::number(static_cast<std::int32_t>(value));
  };
  const QFontMetrics metrics(edit->font());
  QString widest = text(minimum);
  if (metrics.horizontalAdvance(text(maximum)) > metrics.horizontalAdvance(widest)) {
    widest = text(maximum);
  }
  widestValues_[edit] = widest;
}

void CBrkPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) ApplyLayout();
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
  Place(edit, x, y, w, h);
  edit->setEnabled(!read_only);
  edit->setMaxLength(32767);
  Register(id, edit);
  return edit;
}

QCheckBox* CBrkPage::AddCheck(int id, const char* text, int x, int y, int w, int h) {
  auto* box = new QCheckBox(QString::fromUtf8(text), this);
  Place(box, x, y, w, h);
  Register(id, box);
  return box;
}

QRadioButton* CBrkPage::AddRadio(int id, const char* text, int x, int y, int w, int h,
                                 QButtonGroup* group) {
  auto* radio = new QRadioButton(QString::fromUtf8(text), this);
  Place(radio, x, y, w, h);
  group->addButton(radio, static_cast<int>(group->buttons().size()));
  Register(id, radio);
  return radio;
}

QLabel* CBrkPage::AddLabel(int id, const char* text, int x, int y, int w, int h,
                           bool left_aligned) {
  auto* label = new QLabel(QString::fromUtf8(text), this);
  Place(label, x, y, w, h);
  label->setAlignment((left_aligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
  Register(id, label);
  return label;
}

QGroupBox* CBrkPage::AddGroupBox(int id, const char* text, int x, int y, int w, int h) {
  auto* box = new QGroupBox(QString::fromUtf8(text), this);
  Place(box, x, y, w, h);
  box->setFocusPolicy(Qt::NoFocus);
  Register(id, box);
  groupBoxes_.push_back(box);
  return box;
}

QButtonGroup* CBrkPage::NewRadioGroup() { return new QButtonGroup(this); }

void CBrkPage::FinishLayout() {
  for (QGroupBox* box : groupBoxes_) box->lower();
  ApplyLayout();
}

void CBrkPage::ExchangeInteger(QLineEdit* edit, std::int32_t* field, std::string_view name) {
  const OptionField& info = FieldNamed(name);
  NoteWidestValue(edit, info.minimum, info.maximum, false);
  exchange_.push_back({Kind::Integer, edit, nullptr, field, nullptr, info.minimum, info.maximum});
}

void CBrkPage::ExchangeReadOnly(QLineEdit* edit, std::int32_t* field) {
  widestValues_[edit] = QString(kReadOnlyDigits, QLatin1Char('0'));
  exchange_.push_back({Kind::ReadOnly, edit, nullptr, field, nullptr,
                       std::numeric_limits<std::int32_t>::min(),
                       std::numeric_limits<std::int32_t>::max()});
}

void CBrkPage::ExchangeReal(QLineEdit* edit, float* field, std::string_view name) {
  const OptionField& info = FieldNamed(name);
  NoteWidestValue(edit, info.minimum, info.maximum, true);
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

void CBrkPage::WhenClicked(QButtonGroup* group, std::function<void()> rule) {
  connect(group, &QButtonGroup::buttonClicked, this, [this, rule = std::move(rule)] {
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
