#pragma once

#include <memory>
#include <vector>

#include <QImage>
#include <QObject>
#include <QSize>

#include "preview/camera.h"
#include "preview/renderer.h"
#include "preview/scene.h"

namespace bk {

// One picture to make: the scene is shared and immutable, so the window may
// drop or replace its own reference while the picture is being drawn.
struct RenderRequest {
  std::shared_ptr<const PreviewScene> Scene;
  int Frame = 0;
  Camera View;
  QSize Size;
  qreal DevicePixelRatio = 1.0;
  RenderOptions Options;
  quint64 Ticket = 0;
};

// Lives in the render thread: evaluates the pose of every piece at the asked
// frame and draws it, then hands the picture back by a queued signal.
class RenderWorker : public QObject {
  Q_OBJECT

 public:
  void Render(const RenderRequest& request);

 signals:
  void rendered(QImage image, int frame, quint64 ticket, double milliseconds);

 private:
  SceneRenderer renderer_;
  std::vector<CVector> positions_;
};

}  // namespace bk
