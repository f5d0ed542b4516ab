#pragma once

#include <cstdint>
#include <variant>

#include "cob/material.h"

namespace bk {

struct GraniteParams {
  CVector Colour1, Colour2, Colour3, Colour4;
  float Alpha1 = 0, Alpha2 = 0, Alpha3 = 0, Alpha4 = 0;
  float Amount1 = 0, Amount2 = 0, Amount3 = 0, Amount4 = 0;
  float Sharpness = 0;
  float Seed = 0;  // a whole number, written as a real
  CVector Scale;
};

struct MarbleParams {
  CVector StoneColour, VeinColour;
  float StoneAlpha = 0, VeinAlpha = 0;
  float Sharpness = 0;
  std::int32_t Turbulence = 0, Grain = 0, Seed = 0;
  CVector Scale;
};

struct WoodParams {
  CVector SpringColour, SummerColour;
  float SpringAlpha = 0, SummerAlpha = 0;
  float LdRatio = 0, RDensity = 0, RWidthVar = 0, RShapeVar = 0;
  std::int32_t Grain = 0, Seed = 0;
  CVector Center;
  CVector Scale;
};

// A material with a procedural texture (PrTx chunk): everything of a Mat1
// material but the texture map, plus granite, marble or wood parameters.
class CPrMaterial : public CMaterial {
 public:
  using Params = std::variant<std::monostate, GraniteParams, MarbleParams, WoodParams>;

  CPrMaterial() = default;
  explicit CPrMaterial(WorkingCopy tag) : CMaterial(tag) {}

  bool Read(LineReader& in, std::string_view header) override;
  void WriteAs(CobWriter& out, std::int32_t id, std::int32_t parent) const override;
  void CopyFrom(const CPrMaterial& source);

  // 0 granite, 1 marble, 2 wood, -1 when the chunk had no procedural section.
  int TextureKind() const { return static_cast<int>(TextureParams.index()) - 1; }

  Params TextureParams;

 protected:
  std::unique_ptr<CMaterial> CopyOfKind(bool numbered) const override;
};

}  // namespace bk
