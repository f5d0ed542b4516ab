#include "cob/binary_cob.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <new>
#include <string>

#include "cob/byte_cursor.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"

namespace bk {

namespace {

constexpr std::size_t kFileHeaderSize = 32;
constexpr std::size_t kByteOrderAt = 16;

// Face flag bit that marks a hole in the binary form (the model marks a hole
// with the whole value CFace::kHoleFlag).
constexpr std::uint8_t kBinaryHoleBit = 0x08;

// The fewest bytes one element can take, so that a count can be checked
// against what is left before anything is reserved for it.
constexpr std::size_t kVertexBytes = 12;
constexpr std::size_t kUvBytes = 8;
constexpr std::size_t kCornerBytes = 8;
constexpr std::size_t kMinFaceBytes = 3;  // flags and corner count of a hole without corners

struct ChunkHeader {
  std::string_view type;
  std::int16_t major = 0;
  std::int16_t minor = 0;
  std::int32_t id = 0;
  std::int32_t parent = 0;
  std::int32_t size = 0;
};

// The next chunk's header; false when it is cut short or its size does not
// fit in the bytes that remain.
bool ReadChunkHeader(ByteCursor& in, ChunkHeader& header) {
  header.type = in.Bytes(4);
  header.major = in.I16();
  header.minor = in.I16();
  header.id = in.I32();
  header.parent = in.I32();
  header.size = in.I32();
  return !in.Failed() && header.size >= 0 && static_cast<std::size_t>(header.size) <= in.Left();
}

bool EndsObjectRun(std::string_view type) {
  return type == "PolH" || type == "Grou" || type == "END ";
}

CVector ReadVector(ByteCursor& in) {
  const float x = in.F32();
  const float y = in.F32();
  const float z = in.F32();
  return {x, y, z};
}

// A count that is negative, above `limit`, or larger than the bytes left
// could hold at `element_bytes` each is malformed.
bool ReadCount(ByteCursor& in, std::size_t element_bytes, std::int32_t limit, std::int32_t& count) {
  count = in.I32();
  return !in.Failed() && count >= 0 && count <= limit &&
         static_cast<std::size_t>(count) <= in.Left() / element_bytes;
}

// The modeller's ASCII form calls an unnamed object "NoName" and appends a
// duplicate's number after a comma ("NoName,1"), where the binary form keeps
// the two apart. The ASCII reader keeps the name's first word, so the name
// ends at its first blank or control character here too; that also keeps a
// line end out of the name line an export writes.
std::string ObjectName(std::string_view stored, std::int16_t duplicate) {
  std::string name = stored.empty() ? std::string("NoName") : std::string(stored);
  if (duplicate > 0) name += "," + std::to_string(duplicate);
  const auto end = std::find_if(name.begin(), name.end(),
                                [](char c) { return static_cast<unsigned char>(c) <= ' '; });
  name.erase(end, name.end());
  return name;
}

// A map name as one ASCII line could carry it: up to a line end or a NUL.
std::shared_ptr<const std::string> MapName(std::string_view stored) {
  constexpr std::string_view kNameEnds("\0\r\n", 3);
  return std::make_shared<const std::string>(stored.substr(0, stored.find_first_of(kNameEnds)));
}

void ReadAxisAndTransform(ByteCursor& in, CAxis& axis) {
  axis.Center = ReadVector(in);
  axis.XAxis = ReadVector(in);
  axis.YAxis = ReadVector(in);
  axis.ZAxis = ReadVector(in);
  // Three rows of four: the fourth column is the translation.
  axis.Row0 = ReadVector(in);
  axis.Translation.x = in.F32();
  axis.Row1 = ReadVector(in);
  axis.Translation.y = in.F32();
  axis.Row2 = ReadVector(in);
  axis.Translation.z = in.F32();
}

bool ReadPoints(ByteCursor& in, CPolyChunk& object) {
  if (!ReadCount(in, kVertexBytes, CPolyChunk::kMaxPointCount, object.VertexTotal)) return false;
  object.Vertices.reserve(static_cast<std::size_t>(object.VertexTotal));
  for (std::int32_t i = 0; i < object.VertexTotal; ++i) object.AddOwnedVertex(ReadVector(in));

  if (!ReadCount(in, kUvBytes, CPolyChunk::kMaxPointCount, object.UvTotal)) return false;
  object.UvPoints.reserve(static_cast<std::size_t>(object.UvTotal));
  for (std::int32_t i = 0; i < object.UvTotal; ++i) {
    const float u = in.F32();
    const float v = in.F32();
    object.AddOwnedUvPoint({u, v});
  }
  return !in.Failed();
}

// A face's flags in the model: a hole is kHoleFlag whatever else its byte
// holds; any other face keeps its byte, except that the value the model
// reserves for holes would turn it into one, so that value reads as 0.
std::uint8_t ModelFlags(std::uint8_t stored) {
  if ((stored & kBinaryHoleBit) != 0) return CFace::kHoleFlag;
  return stored == CFace::kHoleFlag ? 0 : stored;
}

bool ReadFace(ByteCursor& in, const CPolyChunk& object, CFace& face) {
  face.Flags = ModelFlags(in.U8());
  const std::int16_t corners = in.I16();
  if (!face.IsHole()) face.MaterialIndex = in.I16();  // holes store no material
  if (in.Failed() || corners < 0 || static_cast<std::size_t>(corners) > in.Left() / kCornerBytes) {
    return false;
  }
  face.VertexCount = corners;
  face.VertexIndices.resize(static_cast<std::size_t>(corners));
  face.UvIndices.resize(static_cast<std::size_t>(corners));
  for (std::size_t c = 0; c < face.VertexIndices.size(); ++c) {
    // A negative index turns into a huge one and is refused with the rest.
    face.VertexIndices[c] = static_cast<std::uint32_t>(in.I32());
    face.UvIndices[c] = static_cast<std::uint32_t>(in.I32());
    if (face.VertexIndices[c] >= object.Vertices.size() ||
        face.UvIndices[c] >= object.UvPoints.size()) {
      return false;
    }
  }
  return true;
}

bool ReadFaces(ByteCursor& in, CPolyChunk& object) {
  // Faces have no limit of their own, as in the ASCII form: the bytes bound them.
  constexpr std::int32_t kAnyCount = std::numeric_limits<std::int32_t>::max();
  if (!ReadCount(in, kMinFaceBytes, kAnyCount, object.FaceTotal)) return false;
  object.Faces.reserve(static_cast<std::size_t>(object.FaceTotal));
  for (std::int32_t i = 0; i < object.FaceTotal; ++i) {
    CFace face;
    if (!ReadFace(in, object, face)) return false;
    if (face.IsHole()) ++object.HoleCount;
    object.AddOwnedFace(std::move(face));
  }
  return true;
}

// PolH body. What follows the faces (draw flags, and more in later versions)
// is not needed; the chunk's size steps over it.
bool ReadPolyChunk(const ChunkHeader& header, ByteCursor body, CPolyChunk& object) {
  object.Id = header.id;
  object.ParentId = header.parent;
  const std::int16_t duplicate = body.I16();
  object.Name = ObjectName(body.String(), duplicate);
  ReadAxisAndTransform(body, object.Axis);
  return ReadPoints(body, object) && ReadFaces(body, object);
}

void ReadMapPlacement(ByteCursor& in, float offset[2], float repeats[2]) {
  offset[0] = in.F32();
  offset[1] = in.F32();
  repeats[0] = in.F32();
  repeats[1] = in.F32();
}

// The optional maps, each behind its two-character tag, in the order
// environment, texture, bump. Bytes after them are left unread.
void ReadMaps(ByteCursor& in, CMaterial& material) {
  if (in.StartsWith("e:")) {
    in.Skip(2);
    material.EnvironmentFlags = in.U8();
    material.EnvironmentName = MapName(in.String());
  }
  if (in.StartsWith("t:")) {
    in.Skip(2);
    material.TextureFlags = in.U8();
    material.TextureName = MapName(in.String());
    ReadMapPlacement(in, material.TextureOffset, material.TextureRepeats);
  }
  if (in.StartsWith("b:")) {
    in.Skip(2);
    material.BumpFlags = in.U8();
    material.BumpName = MapName(in.String());
    ReadMapPlacement(in, material.BumpOffset, material.BumpRepeats);
    material.BumpAmp = in.F32();
  }
}

// Mat1 body; null when it is cut short.
std::unique_ptr<CMaterial> ReadMaterialChunk(const ChunkHeader& header, ByteCursor body) {
  auto material = std::make_unique<CMaterial>();
  material->Id = header.id;
  material->ParentId = header.parent;
  material->MaterialNumber = static_cast<std::uint8_t>(body.I16() & 0xFF);
  material->Shader = static_cast<char>(body.U8());
  material->Facet = static_cast<char>(body.U8());
  const std::uint8_t facet_angle = body.U8();
  // As in the ASCII form, the angle belongs to the auto facet mode only.
  if (material->Facet == 'a') material->FacetAngle = facet_angle;
  material->Colour = ReadVector(body);
  for (float* field :
       {&material->Alpha, &material->Ka, &material->Ks, &material->Exponent, &material->Ior}) {
    *field = body.F32();
  }
  ReadMaps(body, *material);
  if (body.Failed()) return nullptr;
  if (material->TextureName || material->BumpName || material->EnvironmentName) {
    material->OwnsMapNames = 1;
  }
  return material;
}

// Unit body; null when it is cut short.
std::unique_ptr<CUnit> ReadUnitChunk(const ChunkHeader& header, ByteCursor body) {
  auto unit = std::make_unique<CUnit>();
  unit->Id = header.id;
  unit->ParentId = header.parent;
  unit->Units = body.I16();
  if (body.Failed()) return nullptr;
  return unit;
}

// A four-byte chunk type as text anyone can print: other bytes become '?'.
std::string PrintableType(std::string_view type) {
  std::string text(type);
  for (char& c : text) {
    if (c < ' ' || c > '~') c = '?';
  }
  return text;
}

void NoteSkipped(std::string_view type, std::vector<std::string>& skipped) {
  std::string kind = PrintableType(type);
  if (std::find(skipped.begin(), skipped.end(), kind) == skipped.end()) {
    skipped.push_back(std::move(kind));
  }
}

// A procedural material's binary layout is not known, so its chunk is
// skipped; a default material stands in its place so that the faces' material
// indices, which are positions in the list, still name the right materials.
std::unique_ptr<CMaterial> StandInMaterial(const ChunkHeader& header) {
  auto material = std::make_unique<CMaterial>();
  material->Id = header.id;
  material->ParentId = header.parent;
  return material;
}

// One chunk after the object: the first Unit and every Mat1 are read, any
// other chunk is stepped over. False for a body that cannot be read.
bool ReadObjectChild(const ChunkHeader& header, ByteCursor body, CPolyChunk& object,
                     std::vector<std::string>& skipped) {
  if (header.type == "Mat1") {
    auto material = ReadMaterialChunk(header, body);
    if (!material) return false;
    object.Materials.push_back(std::move(material));
    return true;
  }
  if (header.type == "Unit" && !object.Unit) {
    object.Unit = ReadUnitChunk(header, body);
    return object.Unit != nullptr;
  }
  if (header.type == "PrTx") object.Materials.push_back(StandInMaterial(header));
  NoteSkipped(header.type, skipped);
  return true;
}

// The chunks that follow the object up to the next object, group or the END
// chunk. A file that stops before one of them has lost chunks and is refused.
bool ReadObjectChildren(ByteCursor& in, CPolyChunk& object, std::vector<std::string>& skipped) {
  ChunkHeader header;
  while (ReadChunkHeader(in, header)) {
    if (EndsObjectRun(header.type)) return true;
    if (!ReadObjectChild(header, in.Sub(static_cast<std::size_t>(header.size)), object, skipped)) {
      return false;
    }
  }
  return false;
}

// Steps over every chunk before the first PolH and leaves its header read.
bool SeekFirstObject(ByteCursor& in, ChunkHeader& header) {
  while (ReadChunkHeader(in, header)) {
    if (header.type == "PolH") return true;
    if (header.type == "END ") return false;
    in.Skip(static_cast<std::size_t>(header.size));
  }
  return false;
}

ImportResult Refused(std::string_view message) {
  ImportResult result;
  result.form = FileForm::kBinary;
  result.Fail(FailureKind::kNotRecognized, message);
  return result;
}

ImportResult ImportLittleEndian(ByteCursor in) {
  ChunkHeader header;
  if (!SeekFirstObject(in, header)) return Refused(messages::kNotRecognized);
  auto object = std::make_unique<CPolyChunk>();
  if (!ReadPolyChunk(header, in.Sub(static_cast<std::size_t>(header.size)), *object)) {
    return Refused(messages::kNotRecognized);
  }
  ImportResult result;
  result.form = FileForm::kBinary;
  if (!ReadObjectChildren(in, *object, result.skipped_chunk_kinds)) {
    return Refused(messages::kNotRecognized);
  }
  object->BakeTransform();
  result.object = std::move(object);
  return result;
}

}  // namespace

bool IsCaligariBinary(std::string_view bytes) { return bytes.starts_with(kBinarySignature); }

ImportResult ImportBinaryObject(std::string_view bytes) {
  if (bytes.size() < kFileHeaderSize) return Refused(messages::kNotRecognized);
  const std::string_view order = bytes.substr(kByteOrderAt, 2);
  if (order == "HL") return Refused(messages::kBigEndian);
  if (order != "LH") return Refused(messages::kNotRecognized);
  try {
    return ImportLittleEndian(ByteCursor(bytes.substr(kFileHeaderSize)));
  } catch (const std::bad_alloc&) {
    return Refused(messages::kOutOfMemory);
  }
}

}  // namespace bk
