#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace bk {

// Shows the latest rendered picture and turns mouse gestures into camera
// moves: left drag orbits, right or middle drag (or Shift with left) pans,
// the wheel zooms, a double click resets the view.
class Viewport : public QWidget {
  Q_OBJECT

 public:
  explicit Viewport(QWidget* parent = nullptr);

  void setImage(const QImage& image);
  void setHint(const QString& text);
  const QImage& image() const { return image_; }
  QSize sizeHint() const override { return {800, 560}; }

 signals:
  void orbitRequested(double dyaw, double dpitch);
  void panRequested(double dx, double dy);  // fractions of the view's height
  void zoomRequested(double factor);
  void resetRequested();
  void resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  enum class Drag { None, Orbit, Pan };
  QImage image_;
  QString hint_;
  Drag drag_ = Drag::None;
  QPoint last_;
};

}  // namespace bk
