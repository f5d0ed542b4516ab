#include "preview/program_icon.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

namespace bk {

namespace {

constexpr int kRays = 8;
constexpr double kPi = 3.14159265358979;

// The star's corners on a canvas of `size`: long and short rays in turn.
std::vector<QPointF> StarCorners(double size) {
  std::vector<QPointF> corners;
  const double centre = size / 2.0;
  for (int i = 0; i < 2 * kRays; ++i) {
    const double angle = i * kPi / kRays;
    const double radius = (i % 2 == 0) ? size * 0.48 : size * 0.22;
    corners.emplace_back(centre + radius * std::cos(angle), centre + radius * std::sin(angle));
  }
  return corners;
}

double BoxSide(double size) { return size * 0.26; }
double PenWidth(double size) { return size / 16.0; }

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (const QPointF& corner : StarCorners(size)) star << corner;
    p.setPen(QPen(QColor(192, 0, 0), PenWidth(size)));
    p.setBrush(QColor(255, 255, 0));
    p.drawPolygon(star);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    const double box = BoxSide(size);
    p.drawRect(QRectF(size / 2.0 - box / 2, size / 2.0 - box / 2, box, box));
    p.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

std::string ProgramIconSvg() {
  constexpr double kSize = 64.0;
  std::string points;
  char number[32];
  for (const QPointF& corner : StarCorners(kSize)) {
    std::snprintf(number, sizeof number, "%s%.2f,%.2f", points.empty() ? "" : " ", corner.x(), corner.y());
    points += number;
  }
  const double box = BoxSide(kSize);
  std::snprintf(number, sizeof number, "%.2f", kSize / 2.0 - box / 2);
  const std::string corner = number;
  std::snprintf(number, sizeof number, "%.2f", box);
  const std::string side = number;
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n"
         "  <polygon points=\"" + points + "\" fill=\"#ffff00\" stroke=\"#c00000\" stroke-width=\"4\"/>\n"
         "  <rect x=\"" + corner + "\" y=\"" + corner + "\" width=\"" + side + "\" height=\"" + side +
         "\" fill=\"#000080\"/>\n"
         "</svg>\n";
}

}  // namespace bk
