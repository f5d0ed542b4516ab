#include "preview/viewport.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace bk {

Viewport::Viewport(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  setMinimumSize(160, 120);
}

void Viewport::setImage(const QImage& image) {
  image_ = image;
  update();
}

void Viewport::setHint(const QString& text) {
  hint_ = text;
  update();
}

void Viewport::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (image_.isNull()) {
    painter.fillRect(rect(), QColor(38, 41, 46));
  } else {
    // A picture made for an older size is stretched until the new one lands.
    painter.drawImage(rect(), image_);
  }
  if (!hint_.isEmpty()) {
    painter.setPen(QColor(200, 205, 215));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, hint_);
  }
}

void Viewport::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

void Viewport::mousePressEvent(QMouseEvent* event) {
  last_ = event->position().toPoint();
  const bool pan = event->button() == Qt::RightButton || event->button() == Qt::MiddleButton ||
                   (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
  drag_ = pan ? Drag::Pan : (event->button() == Qt::LeftButton ? Drag::Orbit : Drag::None);
}

void Viewport::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::None) return;
  const QPoint now = event->position().toPoint();
  const QPoint delta = now - last_;
  last_ = now;
  if (drag_ == Drag::Orbit) {
    emit orbitRequested(-0.4 * delta.x(), 0.4 * delta.y());
  } else {
    const double h = std::max(1, height());
    emit panRequested(delta.x() / h, -delta.y() / h);
  }
}

void Viewport::mouseReleaseEvent(QMouseEvent*) { drag_ = Drag::None; }

void Viewport::mouseDoubleClickEvent(QMouseEvent*) { emit resetRequested(); }

void Viewport::wheelEvent(QWheelEvent* event) {
  const double steps = event->angleDelta().y() / 120.0;
  if (steps != 0.0) emit zoomRequested(std::pow(1.15, steps));
  event->accept();
}

}  // namespace bk
