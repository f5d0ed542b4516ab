#include "cob/poly_chunk.h"

#include <algorithm>

#include "cob/axis_text.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/element_lines.h"
#include "cob/line_reader.h"
#include "cob/pr_material.h"
#include "cob/scan.h"

namespace bk {

namespace {

// The shortest text a well-formed element line can take, used to bound what
// a count may reserve before the lines are there: "0 0 0\n" for a vertex,
// "0 0\n" for a texture vertex, and "a b 3\n" plus an empty corner line for a
// face. A bogus huge count then cannot allocate more than the text justifies.
constexpr std::size_t kMinVertexLine = 6;
constexpr std::size_t kMinUvLine = 4;
constexpr std::size_t kMinFaceLines = 7;

std::size_t ReserveFor(std::int32_t count, std::size_t bytes_left, std::size_t min_line) {
  return std::min(static_cast<std::size_t>(count), bytes_left / min_line + 1);
}

// A "keyword keyword count" line: a count that is missing, negative or not a
// number makes the chunk malformed.
bool ReadCount(std::string_view line, int keywords, std::int32_t& count) {
  Scanner scan(line);
  std::string_view word;
  for (int i = 0; i < keywords; ++i) scan.Word(word);
  std::int32_t value = 0;
  if (!scan.Int(value) || value < 0) return false;
  count = value;
  return true;
}

constexpr bool IsCornerDelimiter(char c) { return c == ' ' || c == ',' || c == '<' || c == '>'; }

// Up to nine digits (at least one) at `at`, as a number.
bool PlainNumber(std::string_view line, std::size_t& at, std::uint32_t& value) {
  const std::size_t start = at;
  value = 0;
  while (at < line.size() && at - start < 10 && line[at] >= '0' && line[at] <= '9') {
    value = value * 10 + static_cast<std::uint32_t>(line[at++] - '0');
  }
  return at > start && at - start < 10;
}

// The corner line as the modeller writes it, "<v,t> " after "<v,t> " with
// plain numbers: read here without the general splitting, to the same
// result. False for anything else, which then takes the general way.
bool ReadPlainCorners(std::string_view line, std::vector<std::uint32_t>& vertices,
                      std::vector<std::uint32_t>& uvs) {
  std::size_t at = 0;
  std::uint32_t vertex = 0, uv = 0;
  while (at < line.size()) {
    if (line[at] != '<' || !PlainNumber(line, ++at, vertex) || at >= line.size() || line[at] != ',' ||
        !PlainNumber(line, ++at, uv) || at >= line.size() || line[at] != '>') {
      return false;
    }
    ++at;
    if (at < line.size() && line[at] == ' ') ++at;
    vertices.push_back(vertex);
    uvs.push_back(uv);
  }
  return true;
}

// Splits a corner line at " ,<>" and hands out the tokens as integers the way
// atoi reads them (a token that is no number gives 0). Tokens alternate
// between vertex and texture-vertex indices. Returns false for an odd number
// of tokens.
bool ReadCorners(std::string_view line, std::vector<std::uint32_t>& vertices,
                 std::vector<std::uint32_t>& uvs) {
  vertices.clear();
  uvs.clear();
  if (ReadPlainCorners(line, vertices, uvs)) return true;
  vertices.clear();
  uvs.clear();
  std::size_t i = 0;
  const std::size_t n = line.size();
  bool to_vertices = true;
  while (true) {
    while (i < n && IsCornerDelimiter(line[i])) ++i;
    if (i >= n) break;
    const std::size_t start = i;
    // Plain digits are by far the common case and are converted on the way;
    // anything else goes through the general conversion (signs, blanks,
    // trailing junk, numbers too long for the quick sum).
    std::uint32_t value = 0;
    bool plain = true;
    for (; i < n && !IsCornerDelimiter(line[i]); ++i) {
      const auto digit = static_cast<unsigned char>(line[i] - '0');
      plain = plain && digit <= 9;
      value = value * 10 + digit;
    }
    if (!plain || i - start > 9) value = static_cast<std::uint32_t>(AtoI(line.substr(start, i - start)));
    (to_vertices ? vertices : uvs).push_back(value);
    to_vertices = !to_vertices;
  }
  return vertices.size() == uvs.size();
}

void WriteVector(CobWriter& out, CVector v) { out << v.x << ' ' << v.y << ' ' << v.z; }

// Takes `word` at `at`, then up to nine digits (at least one) into `value`.
bool WordThenDigits(std::string_view line, std::string_view word, std::size_t& at, std::int32_t& value) {
  if (line.substr(at, word.size()) != word) return false;
  at += word.size();
  std::uint32_t digits = 0;
  if (!PlainNumber(line, at, digits)) return false;
  value = static_cast<std::int32_t>(digits);
  return true;
}

// The face line as the modeller writes it, with plain numbers: read here
// without the general scanning, to the same result. False for anything
// else, which then takes the general way.
bool ReadPlainFaceLine(std::string_view line, CFace& face) {
  std::size_t at = 0;
  std::int32_t count = 0, flags = 0, material = 0;
  if (!(WordThenDigits(line, "Face verts ", at, count) && WordThenDigits(line, " flags ", at, flags) &&
        WordThenDigits(line, " mat ", at, material))) {
    return false;
  }
  face.Flags = static_cast<std::uint8_t>(flags & 0xFF);
  face.MaterialIndex = material;
  return true;
}

// "Face verts n flags f mat m", or "Hole verts n" for a hole: fewer than
// three items is malformed, exactly three a hole line (only those count as
// the object's holes; a face line with flags 1 does not).
bool ReadFaceLine(std::string_view line, CFace& face, bool& hole_line) {
  hole_line = false;
  if (ReadPlainFaceLine(line, face)) return true;
  Scanner scan(line);
  std::string_view word;
  std::int32_t count = 0, flags = 0, material = 0;
  scan.Word(word) && scan.Word(word) && scan.Int(count) && scan.Word(word) && scan.Int(flags) &&
      scan.Word(word) && scan.Int(material);
  if (scan.Count() < 3) return false;
  hole_line = scan.Count() == 3;
  if (hole_line) {
    face.Flags = CFace::kHoleFlag;
  } else {
    face.Flags = static_cast<std::uint8_t>(flags & 0xFF);
    if (scan.Count() >= 7) face.MaterialIndex = material;
  }
  return true;
}

// A face as its two lines give it, and whether the first was a hole line.
struct ReadFace {
  CFace face;
  bool hole_line = false;
};

// How many vertices and texture vertices the corner indices may address.
struct FaceLimits {
  std::size_t vertices = 0;
  std::size_t uvs = 0;
};

// Reads a face line and its corner line. Runs on more than one thread at
// once, so it keeps its scratch lists to itself.
bool ReadFaceLines(LineReader& in, FaceLimits limits, ReadFace& read) {
  thread_local std::vector<std::uint32_t> vertex_indices;
  thread_local std::vector<std::uint32_t> uv_indices;
  if (!in.ReadLine() || !ReadFaceLine(in.Line(), read.face, read.hole_line)) return false;
  if (!in.ReadLine() || !ReadCorners(in.Line(), vertex_indices, uv_indices)) return false;
  for (std::size_t k = 0; k < vertex_indices.size(); ++k) {
    if (vertex_indices[k] >= limits.vertices || uv_indices[k] >= limits.uvs) return false;
  }
  // The corner pairs decide the corner count, whatever the face line said.
  read.face.VertexCount = static_cast<std::int32_t>(vertex_indices.size());
  read.face.VertexIndices.assign(vertex_indices.begin(), vertex_indices.end());
  read.face.UvIndices.assign(uv_indices.begin(), uv_indices.end());
  return true;
}

// Makes the next chunk header the current line; false at the end of the text.
bool SkipToNextHeader(LineReader& in) {
  while (in.ReadLine()) {
    if (IsChunkHeader(in.Line())) return true;
  }
  return false;
}

}  // namespace

CVector* CPolyChunk::AddOwnedVertex(CVector v) {
  CVector* element = &vertexStore_.Add(v);
  Vertices.push_back(element);
  return element;
}

CUvPoint* CPolyChunk::AddOwnedUvPoint(CUvPoint t) {
  CUvPoint* element = &uvStore_.Add(t);
  UvPoints.push_back(element);
  return element;
}

CFace* CPolyChunk::AddOwnedFace(CFace face) {
  CFace* element = &faceStore_.Add(std::move(face));
  Faces.push_back(element);
  return element;
}

void CPolyChunk::ClearGeometry() {
  Vertices.clear();
  UvPoints.clear();
  Faces.clear();
  vertexStore_.Clear();
  uvStore_.Clear();
  faceStore_.Clear();
}

void CPolyChunk::TakeGeometry(CPolyChunk& other) {
  ClearGeometry();
  Vertices = std::move(other.Vertices);
  UvPoints = std::move(other.UvPoints);
  Faces = std::move(other.Faces);
  vertexStore_ = std::move(other.vertexStore_);
  uvStore_ = std::move(other.uvStore_);
  faceStore_ = std::move(other.faceStore_);
  other.ClearGeometry();
  OwnsVertices = other.OwnsVertices;
  OwnsUvPoints = other.OwnsUvPoints;
  OwnsFaces = other.OwnsFaces;
}

void CPolyChunk::ReserveOwnedFaces(std::size_t count) {
  faceStore_.Reserve(count);
  Faces.reserve(Faces.size() + count);
}

bool CPolyChunk::Read(LineReader& in, std::string_view header) {
  if (!ReadBody(in, header)) return false;
  ReadFollowingChunks(in);
  BakeTransform();
  return true;
}

bool CPolyChunk::ReadBody(LineReader& in, std::string_view header) {
  ReadHeaderIds(header, Id, ParentId);
  // Every line up to the last corner line belongs to the chunk: a text that
  // ends before it is malformed.
  return ReadNameAndAxis(in, Name, Axis) && ReadVertices(in) && ReadUvPoints(in) && ReadFaces(in);
}

bool CPolyChunk::ReadVertices(LineReader& in) {
  if (!in.ReadLine() || !ReadCount(in.Line(), 2, VertexTotal) || VertexTotal > kMaxPointCount) {
    return false;
  }
  Vertices.reserve(ReserveFor(VertexTotal, in.BytesLeft(), kMinVertexLine));
  return ReadElementLines<CVector>(
      in, static_cast<std::size_t>(VertexTotal), 1,
      [](LineReader& lines, CVector& v) {
        if (!lines.ReadLine()) return false;
        Scanner scan(lines.Line());
        return scan.Float(v.x) && scan.Float(v.y) && scan.Float(v.z);
      },
      [this](CVector&& v) { AddOwnedVertex(v); });
}

bool CPolyChunk::ReadUvPoints(LineReader& in) {
  if (!in.ReadLine() || !ReadCount(in.Line(), 2, UvTotal) || UvTotal > kMaxPointCount) {
    return false;
  }
  UvPoints.reserve(ReserveFor(UvTotal, in.BytesLeft(), kMinUvLine));
  return ReadElementLines<CUvPoint>(
      in, static_cast<std::size_t>(UvTotal), 1,
      [](LineReader& lines, CUvPoint& t) {
        if (!lines.ReadLine()) return false;
        Scanner scan(lines.Line());
        return scan.Float(t.u) && scan.Float(t.v);
      },
      [this](CUvPoint&& t) { AddOwnedUvPoint(t); });
}

bool CPolyChunk::ReadFaces(LineReader& in) {
  if (!in.ReadLine() || !ReadCount(in.Line(), 1, FaceTotal)) return false;
  Faces.reserve(ReserveFor(FaceTotal, in.BytesLeft(), kMinFaceLines));
  const FaceLimits limits{Vertices.size(), UvPoints.size()};
  return ReadElementLines<ReadFace>(
      in, static_cast<std::size_t>(FaceTotal), 2,
      [limits](LineReader& lines, ReadFace& read) { return ReadFaceLines(lines, limits, read); },
      [this](ReadFace&& read) {
        if (read.hole_line) ++HoleCount;
        AddOwnedFace(std::move(read.face));
      });
}

void CPolyChunk::ReadFollowingChunks(LineReader& in) {
  // Later versions of the modeller put more lines after the faces and more
  // chunks (ObRQ, OLay, ShBx, animation channels, ...) among the unit and the
  // materials. Skip to the next chunk header, then take chunk by chunk until
  // the next object, group or the end: the first Unit chunk is this object's
  // unit, every Mat1 and PrTx chunk one of its materials in file order, and
  // any other chunk is skipped whole.
  bool at_header = SkipToNextHeader(in);
  while (at_header) {
    const std::string_view line = in.Line();
    const std::string_view type = line.substr(0, 4);
    if (type == "PolH" || type == "Grou" || type == "END ") break;
    if (type == "Mat1" || type == "PrTx") {
      std::unique_ptr<CMaterial> material;
      if (type == "Mat1") {
        material = std::make_unique<CMaterial>();
      } else {
        material = std::make_unique<CPrMaterial>();
      }
      material->Read(in, line);
      Materials.push_back(std::move(material));
      // The material reader leaves the line after its chunk as the current
      // line: the next header, or the last line of the text.
      at_header = IsChunkHeader(in.Line()) || SkipToNextHeader(in);
      continue;
    }
    if (type == "Unit" && !Unit) {
      Unit = std::make_unique<CUnit>();
      Unit->Read(in, line);
    }
    at_header = SkipToNextHeader(in);
  }
}

void CPolyChunk::DeleteContents() {
  ClearGeometry();
  Materials.clear();
  Unit.reset();
}

void CPolyChunk::Write(CobWriter& out, const CPolyChunk& lists) const {
  WriteBody(out, lists);
  for (const auto& material : Materials) material->Write(out);
  if (Unit) Unit->Write(out);
}

void CPolyChunk::WriteBody(CobWriter& out, const CPolyChunk& lists) const {
  out << "PolH V0.02 Id " << Id << " Parent " << ParentId << " Size -1";
  out.EndLine();
  WriteNameAndAxis(out, Name, Axis);
  WriteElementLists(out, lists);
}

void CPolyChunk::WriteElementLists(CobWriter& out, const CPolyChunk& lists) const {
  out << "World Vertices " << VertexTotal;
  out.EndLine();

  // From the first vertex list on, the whole file is in fixed notation.
  out.SetFixed(6);
  for (const CVector* v : lists.Vertices) {
    WriteVector(out, *v);
    out.EndLine();
  }
  out << "Texture Vertices " << UvTotal;
  out.EndLine();
  for (const CUvPoint* t : lists.UvPoints) {
    out << t->u << ' ' << t->v;
    out.EndLine();
  }
  out << "Faces " << FaceTotal;
  out.EndLine();
  for (const CFace* face : lists.Faces) {
    if (face->IsHole()) {
      out << "Hole verts " << face->VertexCount;
    } else {
      out << "Face verts " << face->VertexCount << " flags " << static_cast<int>(face->Flags)
          << " mat " << face->MaterialIndex;
    }
    out.EndLine();
    const std::size_t corners = std::min(face->VertexIndices.size(), face->UvIndices.size());
    for (std::size_t i = 0; i < corners; ++i) {
      out << '<' << face->VertexIndices[i] << ',' << face->UvIndices[i] << "> ";
    }
    out.EndLine();
  }
}

void CPolyChunk::CopyFrom(const CPolyChunk& source) {
  Axis = source.Axis;
  VertexTotal = source.VertexTotal;
  UvTotal = source.UvTotal;
  FaceTotal = source.FaceTotal;
  HoleCount = source.HoleCount;
  Centroid = source.Centroid;

  Vertices = source.Vertices;
  UvPoints = source.UvPoints;
  Faces = source.Faces;
  OwnsVertices = 0;
  OwnsUvPoints = 0;
  OwnsFaces = 0;

  Materials.clear();
  Materials.reserve(source.Materials.size());
  for (const auto& material : source.Materials) Materials.push_back(material->MakeCopy());
  OwnsMaterials = 1;

  Unit.reset();
  if (source.Unit) {
    Unit = std::make_unique<CUnit>();
    Unit->CopyFrom(*source.Unit);
    Unit->ParentId = Id;
  }
}

CVector CPolyChunk::ComputeCentroid() {
  if (Vertices.empty()) {
    Centroid = CVector();
    return Centroid;
  }
  CVector sum;
  for (const CVector* v : Vertices) sum = Add(sum, *v);
  Centroid = Divide(sum, static_cast<float>(Vertices.size()));
  return Centroid;
}

CVector CPolyChunk::FaceMidpointCenter() const {
  CVector c;
  CVector a;
  bool first_face = true;
  for (const CFace* face : Faces) {
    bool first_corner = true;
    for (std::uint32_t index : face->VertexIndices) {
      if (index >= Vertices.size()) continue;
      const CVector& v = *Vertices[index];
      c = first_corner ? v : Divide(Add(c, v), 2.0f);
      first_corner = false;
    }
    a = first_face ? c : Divide(Add(c, a), 2.0f);
    first_face = false;
  }
  return a;
}

CVector CPolyChunk::LowerCorner() const {
  CVector lowest;
  for (const CFace* face : Faces) {
    for (std::uint32_t index : face->VertexIndices) {
      if (index < Vertices.size()) lowest = Min(lowest, *Vertices[index]);
    }
  }
  return lowest;
}

void CPolyChunk::BakeTransform() {
  for (CVector* v : Vertices) *v = TransformPoint(*v);
  Axis.Row0 = CVector(1.0f, 0.0f, 0.0f);
  Axis.Row1 = CVector(0.0f, 1.0f, 0.0f);
  Axis.Row2 = CVector(0.0f, 0.0f, 1.0f);
  Axis.Translation = CVector();
}

std::uint32_t CPolyChunk::FindVertex(CVector v) const {
  for (std::size_t i = 0; i < Vertices.size(); ++i) {
    if (Vertices[i] == nullptr) break;
    if (*Vertices[i] == v) return static_cast<std::uint32_t>(i);
  }
  return kNotFound;
}

std::uint32_t CPolyChunk::FindUvPoint(CUvPoint t) const {
  for (std::size_t i = 0; i < UvPoints.size(); ++i) {
    if (UvPoints[i] == nullptr) break;
    if (*UvPoints[i] == t) return static_cast<std::uint32_t>(i);
  }
  return kNotFound;
}

}  // namespace bk
