#pragma once

#include <QFontMetrics>

namespace bk {

// The horizontal dialog base unit of a font: the average width of the 52
// letters, rounded, as dialog templates measure it. (The font's own average
// character width is often narrower than its letters, which would clip the
// labels laid out for it.)
inline int DialogBaseUnitX(const QFontMetrics& metrics) {
  const int letters =
      metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return std::max(1, (letters / 26 + 1) / 2);
}

}  // namespace bk
