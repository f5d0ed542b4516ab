#include "support/binary_cob_writer.h"

#include <bit>
#include <cassert>

#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"

namespace bk::testing {

namespace {
constexpr std::size_t kSizeFieldFromStart = 16;
constexpr std::size_t kChunkHeaderSize = 20;
constexpr std::uint8_t kBinaryHoleBit = 0x08;
}  // namespace

BinaryCobWriter::BinaryCobWriter(std::string_view byte_order) {
  bytes_ = "Caligari V00.01B";
  bytes_.append(byte_order);
  bytes_.resize(31, ' ');
  bytes_.push_back('\n');
}

void BinaryCobWriter::Little(std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) {
    bytes_.push_back(static_cast<char>(value & 0xFF));
    value >>= 8;
  }
}

void BinaryCobWriter::F32(float value) { Little(std::bit_cast<std::uint32_t>(value), 4); }

void BinaryCobWriter::String(std::string_view text) {
  I16(static_cast<std::int16_t>(text.size()));
  Raw(text);
}

void BinaryCobWriter::BeginChunk(std::string_view type, std::int16_t major, std::int16_t minor,
                                 std::int32_t id, std::int32_t parent) {
  assert(type.size() == 4);
  chunkStarts_.push_back(bytes_.size());
  Raw(type);
  I16(major);
  I16(minor);
  I32(id);
  I32(parent);
  I32(0);  // the size, filled in by EndChunk
}

void BinaryCobWriter::EndChunk() {
  const std::size_t start = chunkStarts_.back();
  const auto size = static_cast<std::uint32_t>(bytes_.size() - start - kChunkHeaderSize);
  for (std::size_t i = 0; i < 4; ++i) {
    bytes_[start + kSizeFieldFromStart + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  }
}

void BinaryCobWriter::PolyChunk(const CPolyChunk& object, std::int16_t duplicate) {
  BeginChunk("PolH", 0, 8, object.Id, object.ParentId);
  I16(duplicate);
  String(object.Name);
  const CAxis& a = object.Axis;
  for (CVector v : {a.Center, a.XAxis, a.YAxis, a.ZAxis}) F32s({v.x, v.y, v.z});
  F32s({a.Row0.x, a.Row0.y, a.Row0.z, a.Translation.x, a.Row1.x, a.Row1.y, a.Row1.z,
        a.Translation.y, a.Row2.x, a.Row2.y, a.Row2.z, a.Translation.z});
  I32(static_cast<std::int32_t>(object.Vertices.size()));
  for (const CVector* v : object.Vertices) F32s({v->x, v->y, v->z});
  I32(static_cast<std::int32_t>(object.UvPoints.size()));
  for (const CUvPoint* t : object.UvPoints) F32s({t->u, t->v});
  I32(static_cast<std::int32_t>(object.Faces.size()));
  for (const CFace* face : object.Faces) {
    U8(face->IsHole() ? kBinaryHoleBit : face->Flags);
    I16(static_cast<std::int16_t>(face->VertexIndices.size()));
    if (!face->IsHole()) I16(static_cast<std::int16_t>(face->MaterialIndex));
    for (std::size_t c = 0; c < face->VertexIndices.size(); ++c) {
      I32(static_cast<std::int32_t>(face->VertexIndices[c]));
      I32(static_cast<std::int32_t>(face->UvIndices[c]));
    }
  }
  I32(0);  // draw flags
  EndChunk();
}

void BinaryCobWriter::MaterialChunk(const CMaterial& m) {
  BeginChunk("Mat1", 0, 8, m.Id, m.ParentId);
  I16(m.MaterialNumber);
  for (char letter : {m.Shader, m.Facet}) U8(static_cast<std::uint8_t>(letter));
  U8(static_cast<std::uint8_t>(m.FacetAngle));
  F32s({m.Colour.x, m.Colour.y, m.Colour.z, m.Alpha, m.Ka, m.Ks, m.Exponent, m.Ior});
  const auto map = [this](std::string_view tag, std::int32_t flags, const auto& name) {
    Raw(tag);
    U8(static_cast<std::uint8_t>(flags));
    String(name ? std::string_view(*name) : std::string_view());
  };
  if (m.EnvironmentFlags != CMaterial::kNoMap) map("e:", m.EnvironmentFlags, m.EnvironmentName);
  if (m.TextureFlags != CMaterial::kNoMap) {
    map("t:", m.TextureFlags, m.TextureName);
    F32s({m.TextureOffset[0], m.TextureOffset[1], m.TextureRepeats[0], m.TextureRepeats[1]});
  }
  if (m.BumpFlags != CMaterial::kNoMap) {
    map("b:", m.BumpFlags, m.BumpName);
    F32s({m.BumpOffset[0], m.BumpOffset[1], m.BumpRepeats[0], m.BumpRepeats[1], m.BumpAmp});
  }
  EndChunk();
}

void BinaryCobWriter::UnitChunk(const CUnit& unit) {
  BeginChunk("Unit", 0, 1, unit.Id, unit.ParentId);
  I16(static_cast<std::int16_t>(unit.Units));
  EndChunk();
}

void BinaryCobWriter::EndOfFile() {
  BeginChunk("END ", 1, 0, 0, 0);
  EndChunk();
}

}  // namespace bk::testing
