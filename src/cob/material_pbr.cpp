#include "cob/material_pbr.h"

#include <algorithm>
#include <cmath>

namespace bk {
namespace {

double UnitInterval(float v) { return std::isnan(v) ? 1.0 : std::clamp(static_cast<double>(v), 0.0, 1.0); }

constexpr double kMinRoughness = 0.05;

}  // namespace

float SrgbToLinear(float display) {
  const double c = UnitInterval(display);
  return static_cast<float>(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
}

float LinearToSrgb(float linear) {
  const double c = UnitInterval(linear);
  return static_cast<float>(c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055);
}

float RoughnessOf(float ks, float exponent) {
  const double n = std::isfinite(exponent) ? std::max(exponent, 0.0f) : 0.0;
  const double from_exponent = std::sqrt(std::sqrt(2.0 / (n + 2.0)));
  const double strength = std::isfinite(ks) ? std::clamp(ks, 0.0f, 1.0f) : 0.0;
  const double roughness = from_exponent + (1.0 - from_exponent) * (1.0 - strength);
  return static_cast<float>(std::clamp(roughness, kMinRoughness, 1.0));
}

float ExponentForRoughness(float roughness) {
  const double r = std::max(UnitInterval(roughness), kMinRoughness);
  const double r2 = r * r;
  return static_cast<float>(std::max(2.0 / (r2 * r2) - 2.0, 0.0));
}

}  // namespace bk
