#pragma once

#include <array>
#include <compare>
#include <string>

#include "cob/material.h"
#include "cob/material_pbr.h"

namespace bk {

// What a glTF reader is told about one material: the modeller's shading
// carried over to metallic-roughness.
struct GltfLook {
  std::string Name;  // as the input file named the material; empty: none
  std::array<float, 4> BaseColour{1.0f, 1.0f, 1.0f, 1.0f};  // linear light, alpha last
  float Metallic = 0.0f;   // metal shader 1, phong and flat 0
  float Roughness = 1.0f;  // see RoughnessOf
  bool Blend = false;      // alpha below 1
  // The texture map's file name as the material names it (empty: none) and
  // its placement, already in glTF's texture space (KHR_texture_transform).
  std::string TextureName;
  std::array<float, 2> TextureOffset{0.0f, 0.0f};
  std::array<float, 2> TextureScale{1.0f, 1.0f};

  auto operator<=>(const GltfLook&) const = default;
};

// The look of a material (a null material: the modeller's default grey).
// Procedural materials (granite, marble, wood) get one representative colour.
GltfLook LookOf(const CMaterial* material);

// Whether the material's look names an image file to show (it may not be
// found; then the colour stands in).
bool NamesTextureMap(const CMaterial* material);

}  // namespace bk
