#include "ui/window_layout.h"

namespace bk {

WindowLayouts ComputeWindowLayouts(int cx, int cy) {
  WindowLayouts layouts;
  const int h = cx / 2;
  layouts.normal.left = h / 2;
  layouts.normal.top = cy / 3;
  layouts.normal.right = layouts.normal.left + h;
  layouts.normal.bottom = layouts.normal.top + h / 2;
  layouts.minimal.right = 2 * h;
  layouts.minimal.left = 2 * ((2 * h) / 3);
  layouts.minimal.top = 0;
  layouts.minimal.bottom = cy / 7;
  return layouts;
}

// Rounded as the platform's MulDiv does, so controls land on the same pixels.
static int MulDivRounded(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

int DialogUnitsToPixelsX(int x, int base_x) { return MulDivRounded(x, base_x, 4); }
int DialogUnitsToPixelsY(int y, int base_y) { return MulDivRounded(y, base_y, 8); }

}  // namespace bk
