#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "cob/cob_base.h"
#include "model/vector.h"

namespace bk {

// One surface material (Mat1 chunk): colour, shading and up to three image
// maps (environment, texture, bump). A map is present exactly when its flags
// field is not kNoMap. Map names are shared between a material and its copies;
// OwnsMapNames says which of them read the names from a file.
class CMaterial : public CCobBase {
 public:
  static constexpr std::int32_t kNoMap = 2147483647;

  CMaterial() = default;
  explicit CMaterial(WorkingCopy tag) : CCobBase(tag) {}

  bool Read(LineReader& in, std::string_view header) override;
  void Write(CobWriter& out) const override { WriteAs(out, Id, ParentId); }
  // Writes this material as the chunk `id` of the object `parent`: pieces
  // that share one material each write it under ids of their own.
  virtual void WriteAs(CobWriter& out, std::int32_t id, std::int32_t parent) const;

  // Copies everything but Id and Name (ParentId included); shares the names.
  void CopyFrom(const CMaterial& source);
  // A new material of the same class (CMaterial or CPrMaterial), with a fresh
  // Id, copied from this one. A working copy takes no Id (0): it is written
  // under the ids of the objects that share it.
  std::unique_ptr<CMaterial> MakeCopy() const { return CopyOfKind(true); }
  std::unique_ptr<CMaterial> MakeCopy(WorkingCopy) const { return CopyOfKind(false); }

  std::uint8_t MaterialNumber = 0;
  int OwnsMapNames = 0;
  CVector Colour{0.9f, 0.9f, 0.91f};
  float Alpha = 1.0f;
  float Ka = 0.1f;
  float Ks = 0.1f;
  float Exponent = 0.0f;
  float Ior = 1.0f;
  char Shader = 'p';  // 'p' phong, 'f' flat, 'm' metal
  char Facet = 'a';   // 'a' auto, 'f' faceted, 's' smooth
  std::int32_t FacetAngle = 40;
  float TextureOffset[2] = {0.0f, 0.0f};
  float BumpOffset[2] = {0.0f, 0.0f};
  float TextureRepeats[2] = {0.0f, 0.0f};
  float BumpRepeats[2] = {0.0f, 0.0f};
  float BumpAmp = 0.0f;
  std::int32_t EnvironmentFlags = kNoMap;
  std::int32_t TextureFlags = kNoMap;
  std::int32_t BumpFlags = kNoMap;
  std::shared_ptr<const std::string> TextureName;
  std::shared_ptr<const std::string> BumpName;
  std::shared_ptr<const std::string> EnvironmentName;

 protected:
  virtual std::unique_ptr<CMaterial> CopyOfKind(bool numbered) const;
  // Header, "mat#", "shader:", "rgb" and "alpha" lines (shared with PrTx).
  void ReadShadingSection(LineReader& in, std::string_view header);
  // Writes "mat#" to the environment map; leaves two decimals in force.
  void WriteShadingSection(CobWriter& out) const;
  // The map lines the two material kinds share.
  void ReadEnvironmentMap(LineReader& in);
  void ReadBumpMap(LineReader& in);
  void WriteBumpMap(CobWriter& out) const;
  void CopyShadingFrom(const CMaterial& source);
  void CopyBumpFrom(const CMaterial& source);
};

// An object's materials, in slot order (a face's material index counts from 0).
using MaterialList = std::vector<std::unique_ptr<CMaterial>>;

}  // namespace bk
