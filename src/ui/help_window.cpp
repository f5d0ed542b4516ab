#include "ui/help_window.h"

#include <algorithm>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

static void InitHelpResources() { Q_INIT_RESOURCE(burstkin_ui); }

namespace bk {

namespace {

const char* const kManual = ":/help/burstkin.html";

QString PlainText(const QString& html) {
  return QTextDocumentFragment::fromHtml(html).toPlainText().simplified();
}

}  // namespace

QList<HelpSection> SplitHelpSections(const QString& html) {
  static const QRegularExpression heading(
      QStringLiteral("<h([23])[^>]*\\bid=\"([^\"]+)\"[^>]*>(.*?)</h\\1>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  QList<HelpSection> sections;
  auto it = heading.globalMatch(html);
  qsizetype previous_end = -1;
  while (it.hasNext()) {
    const QRegularExpressionMatch match = it.next();
    if (!sections.isEmpty()) {
      sections.back().text = PlainText(html.mid(previous_end, match.capturedStart() - previous_end));
    }
    sections.push_back({match.captured(2), PlainText(match.captured(3)), QString()});
    previous_end = match.capturedEnd();
  }
  if (!sections.isEmpty()) sections.back().text = PlainText(html.mid(previous_end));
  return sections;
}

QList<HelpSection> SearchHelp(const QList<HelpSection>& sections, const QString& key) {
  const QStringList words = key.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  QList<HelpSection> in_heading;
  QList<HelpSection> in_text;
  for (const HelpSection& section : sections) {
    bool heading_has_all = true;
    bool section_has_all = true;
    for (const QString& word : words) {
      const bool in_head = section.heading.contains(word, Qt::CaseInsensitive);
      heading_has_all = heading_has_all && in_head;
      section_has_all = section_has_all && (in_head || section.text.contains(word, Qt::CaseInsensitive));
    }
    if (heading_has_all) {
      in_heading.push_back(section);
    } else if (section_has_all) {
      in_text.push_back(section);
    }
  }
  return in_heading + in_text;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitHelpResources();
  setWindowTitle(QStringLiteral("Burstkin Help"));
  resize(640, 520);

  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  QFile file(QString::fromLatin1(kManual));
  QString html;
  if (file.open(QIODevice::ReadOnly)) html = QString::fromUtf8(file.readAll());
  browser_->setHtml(html);
  sections_ = SplitHelpSections(html);

  // Closed from the keyboard as other viewer windows are.
  for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+W")),
                                  QKeySequence(QKeySequence::Close)}) {
    if (key.isEmpty()) continue;
    connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
  }

  auto* search_button = new QPushButton(QStringLiteral("&Search..."), this);
  connect(search_button, &QPushButton::clicked, this, [this] { ShowSearch(QString()); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(search_button, 0, Qt::AlignLeft);
  layout->addWidget(browser_);

  // The keyword search: a key, the sections that match it, Go To.
  search_ = new QDialog(this, Qt::Dialog);
  search_->setWindowTitle(QStringLiteral("Search"));
  keyEdit_ = new QLineEdit(search_);
  results_ = new QListWidget(search_);
  auto* go = new QPushButton(QStringLiteral("&Go To"), search_);
  auto* search_layout = new QVBoxLayout(search_);
  search_layout->addWidget(new QLabel(QStringLiteral("Type a word to find:"), search_));
  search_layout->addWidget(keyEdit_);
  search_layout->addWidget(new QLabel(QStringLiteral("Topics:"), search_));
  search_layout->addWidget(results_);
  search_layout->addWidget(go, 0, Qt::AlignRight);
  connect(keyEdit_, &QLineEdit::textChanged, this, [this] { UpdateResults(); });
  const auto open_current = [this] {
    if (QListWidgetItem* item = results_->currentItem()) {
      ShowContents(item->data(Qt::UserRole).toString());
      search_->hide();
    }
  };
  connect(go, &QPushButton::clicked, this, open_current);
  connect(results_, &QListWidget::itemActivated, this, open_current);
}

void HelpWindow::ShowContents(const QString& anchor) {
  show();
  raise();
  activateWindow();
  if (anchor.isEmpty()) {
    browser_->moveCursor(QTextCursor::Start);
    browser_->scrollToAnchor(QStringLiteral("top"));
  } else {
    browser_->scrollToAnchor(anchor);
  }
}

void HelpWindow::ShowSearch(const QString& key) {
  keyEdit_->setText(key);
  UpdateResults();
  search_->show();
  search_->raise();
  search_->activateWindow();
  // The search remembers where the focus was when it was last closed (often
  // the topics list); a search always starts from the word.
  keyEdit_->setFocus(Qt::OtherFocusReason);
  keyEdit_->selectAll();
}

void KeepWindowAbove(QWidget& window, bool above) {
  if (window.windowFlags().testFlag(Qt::WindowStaysOnTopHint) == above) return;
  // Changing the flag hides a shown window.
  const bool visible = window.isVisible();
  window.setWindowFlag(Qt::WindowStaysOnTopHint, above);
  if (visible) window.show();
}

void HelpWindow::KeepAbove(bool above) {
  KeepWindowAbove(*this, above);
  KeepWindowAbove(*search_, above);
}

QRect HelpWindow::PlacementWithin(const QRect& available) {
  // Room for the window frame the window manager adds around the inside.
  constexpr int kFrameRoom = 64;
  const int width = std::clamp(available.width() - kFrameRoom, 1, 720);
  const int height = std::clamp(available.height() * 4 / 5, 1,
                                std::max(1, available.height() - kFrameRoom));
  QRect placed(0, 0, width, height);
  placed.moveCenter(available.center());
  return placed;
}

void HelpWindow::UpdateResults() {
  results_->clear();
  for (const HelpSection& section : SearchHelp(sections_, keyEdit_->text())) {
    auto* item = new QListWidgetItem(section.heading, results_);
    item->setData(Qt::UserRole, section.anchor);
  }
  if (results_->count() > 0) results_->setCurrentRow(0);
}

}  // namespace bk
