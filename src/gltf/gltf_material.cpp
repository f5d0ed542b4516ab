#include "gltf/gltf_material.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "cob/pr_material.h"

namespace bk {
namespace {

float Channel(float v) { return std::isnan(v) ? 1.0f : std::clamp(v, 0.0f, 1.0f); }

CVector Mix(CVector a, float wa, CVector b, float wb) {
  return {a.x * wa + b.x * wb, a.y * wa + b.y * wb, a.z * wa + b.z * wb};
}

// Granite: its four colours weighted by their amounts (equally when the
// amounts give no weight); marble: its stone colour, which covers most of
// it; wood: halfway between the spring and summer rings.
CVector RepresentativeColour(const CPrMaterial& material) {
  if (const auto* granite = std::get_if<GraniteParams>(&material.TextureParams)) {
    const CVector colours[] = {granite->Colour1, granite->Colour2, granite->Colour3, granite->Colour4};
    float amounts[] = {granite->Amount1, granite->Amount2, granite->Amount3, granite->Amount4};
    float total = 0.0f;
    for (float& a : amounts) {
      a = std::isfinite(a) ? std::max(a, 0.0f) : 0.0f;
      total += a;
    }
    CVector sum{0, 0, 0};
    for (int i = 0; i < 4; ++i) sum = Mix(sum, 1.0f, colours[i], total > 0 ? amounts[i] / total : 0.25f);
    return sum;
  }
  if (const auto* marble = std::get_if<MarbleParams>(&material.TextureParams)) return marble->StoneColour;
  if (const auto* wood = std::get_if<WoodParams>(&material.TextureParams)) {
    return Mix(wood->SpringColour, 0.5f, wood->SummerColour, 0.5f);
  }
  return material.Colour;
}

// A repeat count the map can be tiled with (0, negative or not a number: once).
float Repeats(float r) { return std::isfinite(r) && r > 0.0f ? r : 1.0f; }
float Offset(float o) { return std::isfinite(o) ? o : 0.0f; }

}  // namespace

bool NamesTextureMap(const CMaterial* material) {
  return material != nullptr && dynamic_cast<const CPrMaterial*>(material) == nullptr &&
         material->TextureFlags != CMaterial::kNoMap && material->TextureName && !material->TextureName->empty();
}

GltfLook LookOf(const CMaterial* material) {
  GltfLook look;
  if (material == nullptr) {
    // The modeller's default grey.
    look.BaseColour = {SrgbToLinear(0.9f), SrgbToLinear(0.9f), SrgbToLinear(0.91f), 1.0f};
    return look;
  }
  look.Name = material->Name;
  const auto* procedural = dynamic_cast<const CPrMaterial*>(material);
  const CVector c = procedural != nullptr ? RepresentativeColour(*procedural) : material->Colour;
  // The modeller's colours are display values, glTF's factors linear light:
  // decoded, a colour looks in a glTF viewer as it looked in the modeller.
  look.BaseColour = {SrgbToLinear(Channel(c.x)), SrgbToLinear(Channel(c.y)), SrgbToLinear(Channel(c.z)),
                     Channel(material->Alpha)};
  look.Blend = look.BaseColour[3] < 1.0f;
  look.Metallic = material->Shader == 'm' ? 1.0f : 0.0f;
  look.Roughness = RoughnessOf(material->Ks, material->Exponent);
  if (NamesTextureMap(material)) {
    look.TextureName = *material->TextureName;
    // The modeller's texture space has v running up from the image's bottom
    // edge, glTF's down from its top: TEXCOORD_0 holds (u, 1 - v), and the
    // map's repeats r and offset o, applied as u r + o in the modeller's
    // space, become scale r and offset (o_u, 1 - o_v - r_v) here.
    const float ru = Repeats(material->TextureRepeats[0]);
    const float rv = Repeats(material->TextureRepeats[1]);
    look.TextureScale = {ru, rv};
    look.TextureOffset = {Offset(material->TextureOffset[0]), 1.0f - Offset(material->TextureOffset[1]) - rv};
  }
  return look;
}

}  // namespace bk
