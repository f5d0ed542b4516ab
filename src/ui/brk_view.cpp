#include "ui/brk_view.h"

#include <QMainWindow>
#include <QPainter>
#include <QStatusBar>

#include "doc/brk_doc.h"

namespace bk {

CBrkView::CBrkView(CBrkDoc* doc, QMainWindow* frame) : QWidget(frame), doc_(doc), frame_(frame) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CBrkView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(192, 192, 192));
  if (doc_) doc_->ShowStatusText();
}

ScreenRect CBrkView::FrameRect() const {
  const QRect r = frame_->frameGeometry();
  return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

void CBrkView::MoveFrameTo(const ScreenRect& rect) {
  // The rectangle is the outer one (frame included); Qt sizes the inside.
  const QSize decoration = frame_->frameGeometry().size() - frame_->geometry().size();
  frame_->resize(std::max(1, rect.Width() - decoration.width()),
                 std::max(1, rect.Height() - decoration.height()));
  frame_->move(rect.left, rect.top);
}

void CBrkView::FirstUpdate(const QRect& available_area) {
  WindowLayouts layouts = ComputeWindowLayouts(available_area.width(), available_area.height());
  // The usable area may not start at the screen's corner (a panel at the top
  // or left); the layouts are placed within it.
  for (ScreenRect* r : {&layouts.normal, &layouts.minimal}) {
    r->left += available_area.x();
    r->right += available_area.x();
    r->top += available_area.y();
    r->bottom += available_area.y();
  }
  NormalRect = layouts.normal;
  MinimalRect = layouts.minimal;
  MoveFrameTo(NormalRect);
  frame_->update();
  ToggleAlwaysOnTop();
}

void CBrkView::ToggleAlwaysOnTop() {
  // Changing a window flag re-creates the native window, which hides it and
  // may forget its place: keep both.
  const bool visible = frame_->isVisible();
  const QRect geometry = frame_->geometry();
  AlwaysOnTop = !AlwaysOnTop;
  frame_->setWindowFlag(Qt::WindowStaysOnTopHint, AlwaysOnTop);
  frame_->setGeometry(geometry);
  if (visible) {
    frame_->show();
    if (!AlwaysOnTop) {
      frame_->raise();
      frame_->activateWindow();
    }
  }
}

void CBrkView::UseMinimalLayout() {
  if (!NormalLayout) return;
  if (!frame_->statusBar()->isHidden()) frame_->statusBar()->hide();
  NormalRect = FrameRect();
  MoveFrameTo(MinimalRect);
  NormalLayout = false;
}

void CBrkView::UseNormalLayout() {
  if (NormalLayout) return;
  if (frame_->statusBar()->isHidden()) frame_->statusBar()->show();
  MinimalRect = FrameRect();
  MoveFrameTo(NormalRect);
  NormalLayout = true;
}

}  // namespace bk
