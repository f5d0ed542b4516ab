#pragma once

namespace bk {

// How a material's colour and highlight read in metallic-roughness terms,
// both ways, so that glTF import and export are exact inverses of each other.

// The modeller's colours are what the artist saw on screen (sRGB-encoded);
// glTF's colour factors are linear light. Both clamp to 0..1 (not a number: 1).
float SrgbToLinear(float display);
float LinearToSrgb(float linear);

// Roughness from the specular exponent and strength: a Phong exponent n is a
// microfacet width alpha = sqrt(2 / (n + 2)), and glTF's roughness is
// sqrt(alpha); a weaker highlight (Ks below 1) moves it towards fully rough
// in proportion. Kept within 0.05 to 1.
float RoughnessOf(float ks, float exponent);

// The exponent that, with a full-strength highlight (Ks 1), gives back
// `roughness` under RoughnessOf (taken within 0.05 to 1; not a number: 1).
float ExponentForRoughness(float roughness);

}  // namespace bk
