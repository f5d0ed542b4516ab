#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace bk {

// One section of the bundled manual: its anchor, heading and plain text.
struct HelpSection {
  QString anchor;
  QString heading;
  QString text;
};

// The sections of an HTML manual: every <h2>/<h3> with an id starts one.
QList<HelpSection> SplitHelpSections(const QString& html);
// The sections whose heading or text contain every word of `key` (ignoring
// case), headings that match first; an empty key matches every section.
QList<HelpSection> SearchHelp(const QList<HelpSection>& sections, const QString& key);

// Keeps a top-level window above all others or lets it go, showing it again
// where it was when the change hid it.
void KeepWindowAbove(QWidget& window, bool above);

// The program's manual in a browser window, with its keyword search.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Brings the window up at the top (empty anchor) or at a section.
  void ShowContents(const QString& anchor = QString());
  // Opens the keyword search, filled in with `key`, listing the matches, with
  // the typing going to the key.
  void ShowSearch(const QString& key);
  // Keeps the help and its search above other windows (the main window may
  // be kept above all others, and help opened from it must not hide behind it).
  void KeepAbove(bool above);
  // Where the help goes in a screen's usable area: as tall as most of it, no
  // wider than reads well, centred, and never past its edges.
  static QRect PlacementWithin(const QRect& available);

  const QList<HelpSection>& Sections() const { return sections_; }
  QTextBrowser* Browser() const { return browser_; }
  QDialog* SearchDialog() const { return search_; }
  QListWidget* SearchResults() const { return results_; }
  QLineEdit* SearchKey() const { return keyEdit_; }

 private:
  void UpdateResults();

  QTextBrowser* browser_ = nullptr;
  QList<HelpSection> sections_;
  QDialog* search_ = nullptr;
  QLineEdit* keyEdit_ = nullptr;
  QListWidget* results_ = nullptr;
};

}  // namespace bk
