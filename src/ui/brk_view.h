#pragma once

#include <QWidget>

#include "ui/window_layout.h"

class QMainWindow;

namespace bk {

class CBrkDoc;

// The single view: a light-grey area whose painting also refreshes the
// status message. It owns the two window layouts and the Always on Top
// switch of the main window.
class CBrkView : public QWidget {
  Q_OBJECT

 public:
  // `doc` and `frame` outlive the view (the frame owns both).
  CBrkView(CBrkDoc* doc, QMainWindow* frame);

  // Places the window in the Normal layout computed from the screen's usable
  // area, remembers the Minimal one, and turns Always on Top on.
  void FirstUpdate(const QRect& available_area);

  void ToggleAlwaysOnTop();
  void UseNormalLayout();
  void UseMinimalLayout();

  bool AlwaysOnTop = false;
  bool NormalLayout = true;
  ScreenRect NormalRect;
  ScreenRect MinimalRect;

  // The main window's outer rectangle on the screen, and moving it there.
  ScreenRect FrameRect() const;
  void MoveFrameTo(const ScreenRect& rect);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  CBrkDoc* doc_;
  QMainWindow* frame_;
};

}  // namespace bk
