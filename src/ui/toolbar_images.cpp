#include "ui/toolbar_images.h"

#include <cmath>

#include <QPainter>
#include <QPolygon>
#include <QPainterPath>
#include <QPolygonF>

namespace bk {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 17;

const QColor kInk(0, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kTeal(0, 128, 128);
const QColor kYellow(255, 255, 0);
const QColor kRed(192, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kGrey(128, 128, 128);

// A small folder with an arrow: into it (import) or out of it (export).
void DrawFolderArrow(QPainter& p, bool into) {
  p.setPen(kInk);
  p.setBrush(kYellow);
  p.drawRect(1, 7, 10, 8);
  p.drawRect(1, 5, 4, 2);
  p.setPen(QPen(into ? kNavy : kRed, 2));
  if (into) {
    p.drawLine(14, 1, 9, 6);
    p.drawLine(9, 6, 9, 3);
    p.drawLine(9, 6, 12, 6);
  } else {
    p.drawLine(8, 6, 14, 1);
    p.drawLine(14, 1, 11, 1);
    p.drawLine(14, 1, 14, 4);
  }
}

// A sheet with check boxes, for the options.
void DrawOptions(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(2, 1, 11, 14);
  for (int row = 0; row < 3; ++row) {
    const int y = 3 + row * 4;
    p.setBrush(kPaper);
    p.drawRect(4, y, 2, 2);
    p.drawLine(8, y + 1, 11, y + 1);
  }
  p.setPen(QPen(kRed, 1));
  p.drawLine(4, 4, 6, 6);
  p.drawLine(4, 12, 6, 14);
}

// A film frame with a play triangle, for the preview.
void DrawPreview(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kPaper);
  p.drawRect(1, 2, 13, 12);
  p.setBrush(kInk);
  for (int x = 3; x < 14; x += 3) {
    p.drawRect(x, 3, 1, 1);
    p.drawRect(x, 12, 1, 1);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(kRed);
  p.drawPolygon(QPolygon({QPoint(6, 5), QPoint(11, 8), QPoint(6, 11)}));
}

// A window outline: large with a status line (normal) or a thin strip (minimal).
void DrawWindow(QPainter& p, bool minimal) {
  p.setPen(kInk);
  if (minimal) {
    p.setBrush(kPaper);
    p.drawRect(3, 5, 12, 5);
    p.fillRect(4, 6, 11, 2, kNavy);
    p.setPen(kGrey);
    p.drawLine(0, 16, 15, 16);
  } else {
    p.setBrush(kPaper);
    p.drawRect(0, 1, 15, 14);
    p.fillRect(1, 2, 14, 3, kNavy);
    p.setPen(kGrey);
    p.drawLine(1, 13, 14, 13);
  }
}

void DrawHelp(QPainter& p) {
  p.setPen(kInk);
  p.setBrush(kTeal);
  p.drawEllipse(1, 1, 14, 14);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(12);
  p.setFont(font);
  p.setPen(kPaper);
  p.drawText(QRect(1, 1, 15, 15), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QPixmap DrawToolbarImage(ToolbarImage image) {
  QPixmap pixmap(kWidth, kHeight);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  switch (image) {
    case ToolbarImage::Import: DrawFolderArrow(painter, true); break;
    case ToolbarImage::Export: DrawFolderArrow(painter, false); break;
    case ToolbarImage::Options: DrawOptions(painter); break;
    case ToolbarImage::Preview: DrawPreview(painter); break;
    case ToolbarImage::NormalLayout: DrawWindow(painter, false); break;
    case ToolbarImage::MinimalLayout: DrawWindow(painter, true); break;
    case ToolbarImage::HelpContents: DrawHelp(painter); break;
  }
  return pixmap;
}

}  // namespace bk
