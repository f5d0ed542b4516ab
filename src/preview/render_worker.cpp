#include "preview/render_worker.h"

#include <QElapsedTimer>

namespace bk {

void RenderWorker::Render(const RenderRequest& request) {
  QElapsedTimer clock;
  clock.start();
  const QSize size = request.Size.expandedTo(QSize(1, 1));
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  if (request.Scene) {
    request.Scene->PositionsAt(request.Frame, positions_);
    renderer_.Render(*request.Scene, positions_, request.View, request.Options, image);
  } else {
    image.fill(request.Options.Background);
  }
  image.setDevicePixelRatio(request.DevicePixelRatio);
  emit rendered(image, request.Frame, request.Ticket, clock.nsecsElapsed() / 1e6);
}

}  // namespace bk
