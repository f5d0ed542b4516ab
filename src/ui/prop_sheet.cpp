#include "ui/prop_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/adv_page.h"
#include "ui/bounce_page.h"
#include "ui/gen_page.h"
#include "ui/pieces_page.h"

namespace bk {

CBrkPropSheet::CBrkPropSheet(QWidget* parent, ExplosionOptions& options, WarningSink warn,
                             HelpSink help)
    : QDialog(parent), help_(std::move(help)) {
  setWindowTitle(QStringLiteral("Burstkin Options"));
  // Modal to the main window only, so the help it opens can be used beside it.
  setWindowModality(Qt::WindowModal);

  tabs_ = new QTabWidget(this);
  general_ = new CBrkGenPage(options, warn, tabs_);
  advanced_ = new CBrkAdvPage(options, warn, tabs_);
  bounce_ = new CBrkBouncePage(options, warn, tabs_);
  pieces_ = new CBrkPiecesPage(options, warn, tabs_);
  pages_ = {general_, advanced_, bounce_, pieces_};
  for (CBrkPage* page : pages_) tabs_->addTab(page, page->Title());
  // A click on a tab takes the focus first, so the field being left runs its
  // rule before the page is left, as with the buttons.
  tabs_->tabBar()->setFocusPolicy(Qt::StrongFocus);

  buttons_ = new QDialogButtonBox(
      QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
  connect(buttons_, &QDialogButtonBox::accepted, this, &CBrkPropSheet::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &CBrkPropSheet::reject);
  connect(buttons_, &QDialogButtonBox::helpRequested, this, [this] {
    if (help_) help_(HelpAnchor(CurrentIndex()));
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons_);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(tabs_, &QTabWidget::currentChanged, this, &CBrkPropSheet::OnCurrentChanged);
}

CBrkPropSheet::~CBrkPropSheet() = default;

int CBrkPropSheet::CurrentIndex() const { return tabs_->currentIndex(); }

QString CBrkPropSheet::HelpAnchor(int index) {
  switch (index) {
    case 1: return QStringLiteral("advanced-page");
    case 2: return QStringLiteral("gravity-page");
    default: return QStringLiteral("general-page");
  }
}

void CBrkPropSheet::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!started_) {
    started_ = true;
    current_ = 0;
    switching_ = true;
    tabs_->setCurrentIndex(0);
    switching_ = false;
    Activate(0);
  }
}

void CBrkPropSheet::Activate(int index) {
  CBrkPage* page = Page(index);
  if (!page->firstDisplayDone) {
    page->firstDisplayDone = true;
    page->OnFirstDisplay();
  }
  page->OnSetActive();
}

bool CBrkPropSheet::SelectPage(int index) {
  tabs_->setCurrentIndex(index);
  return tabs_->currentIndex() == index;
}

void CBrkPropSheet::OnCurrentChanged(int index) {
  if (switching_ || !started_) return;
  CBrkPage* old_page = Page(current_);
  // Leaving the page leaves its focused field first.
  old_page->LeaveFocusedField();
  bool ok = old_page->RunPendingRules();
  ok = ok && old_page->OnKillActive();
  if (!ok) {
    switching_ = true;
    tabs_->setCurrentIndex(current_);
    switching_ = false;
    old_page->RefocusFailedControl();
    return;
  }
  current_ = index;
  Activate(index);
}

void CBrkPropSheet::accept() {
  CBrkPage* page = Page(current_);
  if (!page->RunPendingRules()) return;
  if (!page->OnKillActive()) return;
  QDialog::accept();
}

void CBrkPropSheet::reject() {
  for (CBrkPage* page : pages_) page->DropPendingRules();
  QDialog::reject();
}

}  // namespace bk
