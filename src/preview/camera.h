#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "model/vector.h"
#include "preview/scene.h"

namespace bk {

// The named views of a contact sheet (and of the window's reset).
enum class ViewKind { Front, Side, Top, Iso };

std::optional<ViewKind> ParseViewKind(std::string_view name);

// An orbiting perspective camera in the object's Z-up world. Yaw turns about
// Z (0 looks along +Y from the -Y side), pitch lifts the eye (90 looks down).
// Distance is from the eye to Target.
struct Camera {
  CVector Target;
  double Yaw = 0.0;    // degrees
  double Pitch = 0.0;  // degrees, kept within (-90, 90]
  double Distance = 10.0;
  double FieldOfView = 35.0;  // degrees, across the shorter side of the image
  double Near = 0.01;         // near clipping distance along the view direction

  // A camera that looks at `bounds` from `view` and shows all of it.
  static Camera Framing(const Bounds& bounds, ViewKind view);
  // The same, but close enough to just show `points` (which `bounds` holds):
  // tighter than the box when the points fill it loosely.
  static Camera Framing(const Bounds& bounds, ViewKind view, std::span<const CVector> points);

  void Orbit(double dyaw, double dpitch);
  // Moves the target by a fraction of the visible height (dx to the right, dy up).
  void Pan(double dx, double dy);
  // factor > 1 moves closer.
  void Zoom(double factor);
};

// The camera's frame: eye position and the right, up and forward unit vectors.
struct CameraBasis {
  double eye[3];
  double right[3];
  double up[3];
  double forward[3];
};

CameraBasis BasisOf(const Camera& camera);

}  // namespace bk
