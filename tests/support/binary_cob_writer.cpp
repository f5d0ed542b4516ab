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
  const CAxis& axis = object.Axis;
  for (CVector v : {axis.Center, axis.XAxis, axis.YAxis, axis.ZAxis}) {
    F32(v.x);
    F32(v.y);
    F32(v.z);
  }
  const CVector rows[3] = {axis.Row0, axis.Row1, axis.Row2};
  const float translation[3] = {axis.Translation.x, axis.Translation.y, axis.Translation.z};
  for (int r = 0; r < 3; ++r) {
    F32(rows[r].x);
    F32(rows[r].y);
    F32(rows[r].z);
    F32(translation[r]);
  }
  I32(static_cast<std::int32_t>(object.Vertices.size()));
  for (const CVector* v : object.Vertices) {
    F32(v->x);
    F32(v->y);
    F32(v->z);
  }
  I32(static_cast<std::int32_t>(object.UvPoints.size()));
  for (const CUvPoint* t : object.UvPoints) {
    F32(t->u);
    F32(t->v);
  }
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
  U8(static_cast<std::uint8_t>(m.Shader));
  U8(static_cast<std::uint8_t>(m.Facet));
  U8(static_cast<std::uint8_t>(m.FacetAngle));
  for (float value : {m.Colour.x, m.Colour.y, m.Colour.z, m.Alpha, m.Ka, m.Ks, m.Exponent, m.Ior}) {
    F32(value);
  }
  const auto name = [](const auto& text) -> std::string_view {
    return text ? std::string_view(*text) : "";
  };
  if (m.EnvironmentFlags != CMaterial::kNoMap) {
    Raw("e:");
    U8(static_cast<std::uint8_t>(m.EnvironmentFlags));
    String(name(m.EnvironmentName));
  }
  if (m.TextureFlags != CMaterial::kNoMap) {
    Raw("t:");
    U8(static_cast<std::uint8_t>(m.TextureFlags));
    String(name(m.TextureName));
    for (float value :
         {m.TextureOffset[0], m.TextureOffset[1], m.TextureRepeats[0], m.TextureRepeats[1]}) {
      F32(value);
    }
  }
  if (m.BumpFlags != CMaterial::kNoMap) {
    Raw("b:");
    U8(static_cast<std::uint8_t>(m.BumpFlags));
    String(name(m.BumpName));
    for (float value :
         {m.BumpOffset[0], m.BumpOffset[1], m.BumpRepeats[0], m.BumpRepeats[1], m.BumpAmp}) {
      F32(value);
    }
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
