#pragma once

namespace bk {

// A window's screen rectangle; right and bottom lie just outside it.
struct ScreenRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// The two window layouts for a screen whose usable area is cx x cy pixels.
// Normal: half the screen width wide and a quarter of it high (the height
// follows the width), a quarter of the width in and a third of the height
// down. Minimal: a strip at the top right, a third of the width wide and a
// seventh of the height high. All divisions truncate.
struct WindowLayouts {
  ScreenRect normal;
  ScreenRect minimal;
};
WindowLayouts ComputeWindowLayouts(int cx, int cy);

// Dialog units to pixels for a font whose average character width is
// base_x and height base_y pixels: x * base_x / 4 and y * base_y / 8, rounded.
int DialogUnitsToPixelsX(int x, int base_x);
int DialogUnitsToPixelsY(int y, int base_y);

}  // namespace bk
