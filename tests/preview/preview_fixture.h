#pragma once

// Shared by the preview tests: a small box object as file text, a real
// explosion of it written the way the export writes it, and pixel masks.

#include <cstdint>
#include <memory>
#include <string>

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include "cob/cob_file.h"
#include "cob/group.h"
#include "engine/explosion.h"
#include "engine/explosion_options.h"
#include "engine/motion.h"
#include "model/progress.h"
#include "model/random.h"

namespace bk::preview_test {

// A box of 2 x 2 x 2 centred on (0, 0, 1), each side cut into n x n quads.
inline std::string BoxText(int n = 3) {
  std::string vertices, faces;
  int vertexCount = 0, faceCount = 0;
  auto vertex = [&](double x, double y, double z) {
    vertices += std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(z) + "\n";
    return vertexCount++;
  };
  // side: fixed axis a with value s; u and v span the other two axes.
  for (int axis = 0; axis < 3; ++axis) {
    for (int sign = -1; sign <= 1; sign += 2) {
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
          int idx[4];
          const int du[4] = {0, 1, 1, 0}, dv[4] = {0, 0, 1, 1};
          for (int k = 0; k < 4; ++k) {
            const double u = -1.0 + 2.0 * (i + du[k]) / n, v = -1.0 + 2.0 * (j + dv[k]) / n;
            double p[3];
            p[axis] = sign;
            p[(axis + 1) % 3] = u;
            p[(axis + 2) % 3] = v;
            idx[k] = vertex(p[0], p[1], p[2] + 1.0);
          }
          faces += "Face verts 4 flags 0 mat 0\n";
          for (int k = 0; k < 4; ++k) faces += "<" + std::to_string(idx[k]) + ",0> ";
          faces += "\n";
          ++faceCount;
        }
      }
    }
  }
  return std::string("Caligari V00.01ALH             \n") +
         "PolH V0.02 Id 1 Parent 0 Size -1\nName Box\ncenter 0 0 1\nx axis 1 0 0\n"
         "y axis 0 1 0\nz axis 0 0 1\nTransform\n1 0 0 0\n0 1 0 0\n0 0 1 0\n0 0 0 1\n"
         "World Vertices " + std::to_string(vertexCount) + "\n" + vertices +
         "Texture Vertices 1\n0 0\nFaces " + std::to_string(faceCount) + "\n" + faces +
         "END  V1.00 Id 0 Parent 0 Size        0";
}

inline std::unique_ptr<CPolyChunk> ImportBox() { return ImportObjectFromText(BoxText()).object; }

// Explodes the box with a fixed seed and writes the file the export writes.
// Returns an empty string on success, else what went wrong.
inline std::string WriteExplosion(const std::string& path, float distance, int frames = 30) {
  const std::unique_ptr<CPolyChunk> box = ImportBox();
  if (!box) return "the box did not import";
  ExplosionOptions options;
  options.ObjectFaces = box->FaceTotal;
  options.MinPieces = 18;
  options.FrameCount = frames;
  options.ExplosionDistance = distance;
  options.LimitScaleFrames();
  MotionContext motion;
  CRandom random(12345);
  NoProgress progress;
  GroupResult run = ExplodeObject(*box, MotionInputs{motion, options, random}, 0, progress);
  if (run.outcome() != RunOutcome::Done || !run.group.Group) return "the explosion did not run";
  const ExplodedGroup* groups[] = {&run.group};
  const ExportResult written = ExportGroups(path, groups, progress);
  return written.ok() ? std::string() : "the export failed: " + written.error;
}

// Pixels that differ from the background colour.
inline QImage CoverageMask(const QImage& image, QColor background) {
  QImage mask(image.size(), QImage::Format_Grayscale8);
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const QRgb bg = background.rgb() & 0xFFFFFF;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    uchar* out = mask.scanLine(y);
    for (int x = 0; x < rgb.width(); ++x) out[x] = (in[x] & 0xFFFFFF) != bg ? 255 : 0;
  }
  return mask;
}

inline long long CountSet(const QImage& mask, QRect area = {}) {
  if (area.isNull()) area = mask.rect();
  area &= mask.rect();
  long long n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += mask.constScanLine(y)[x] != 0;
  return n;
}

inline long long CountDifferent(const QImage& a, const QImage& b) {
  long long n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += (a.constScanLine(y)[x] != 0) != (b.constScanLine(y)[x] != 0);
  return n;
}

inline QRect SetBounds(const QImage& mask) {
  QRect box;
  for (int y = 0; y < mask.height(); ++y)
    for (int x = 0; x < mask.width(); ++x)
      if (mask.constScanLine(y)[x] != 0) box |= QRect(x, y, 1, 1);
  return box;
}

}  // namespace bk::preview_test
