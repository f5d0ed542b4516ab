#pragma once

#include <array>
#include <functional>

#include <QDialog>

#include "ui/brk_page.h"

class QDialogButtonBox;
class QTabWidget;

namespace bk {

class CBrkGenPage;
class CBrkAdvPage;
class CBrkBouncePage;
class CBrkPiecesPage;

// "Burstkin Options": the General, Advanced, Gravity/Particles and Pieces pages over
// one options record, with OK, Cancel and Help. OK takes the page in front
// and closes only when that succeeds; Cancel closes without taking (values
// taken earlier stay in the record). Help calls `help` with the anchor of
// the manual's section on the page in front.
class CBrkPropSheet : public QDialog {
  Q_OBJECT

 public:
  using HelpSink = std::function<void(const QString& anchor)>;

  CBrkPropSheet(QWidget* parent, ExplosionOptions& options, WarningSink warn, HelpSink help);
  ~CBrkPropSheet() override;

  // The manual's section on each page, by the page's index.
  static QString HelpAnchor(int index);

  CBrkGenPage* GeneralPage() const { return general_; }
  CBrkAdvPage* AdvancedPage() const { return advanced_; }
  CBrkBouncePage* BouncePage() const { return bounce_; }
  CBrkPiecesPage* PiecesPage() const { return pieces_; }
  CBrkPage* Page(int index) const { return pages_[static_cast<std::size_t>(index)]; }
  int CurrentIndex() const;
  // Brings a page to the front as a click on its tab would (leaving the
  // page in front first); false when the page in front refused to be left.
  bool SelectPage(int index);
  QTabWidget* Tabs() const { return tabs_; }
  QDialogButtonBox* Buttons() const { return buttons_; }

 public slots:
  void accept() override;
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnCurrentChanged(int index);
  void Activate(int index);

  CBrkGenPage* general_ = nullptr;
  CBrkAdvPage* advanced_ = nullptr;
  CBrkBouncePage* bounce_ = nullptr;
  CBrkPiecesPage* pieces_ = nullptr;
  std::array<CBrkPage*, 4> pages_{};
  QTabWidget* tabs_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
  HelpSink help_;
  int current_ = 0;
  bool switching_ = false;
  bool started_ = false;
};

}  // namespace bk
