#include "cob/exploded_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "cob/cob_file.h"
#include "cob/line_reader.h"
#include "cob/material.h"
#include "cob/pr_material.h"
#include "cob/unit.h"
#include "model/chunk_id.h"

namespace bk {
namespace {

// The reader is strict where the chunk readers of an import are tolerant: it
// accepts exactly the text that Burstkin's export writes, so that a foreign
// or damaged file is refused instead of being turned into a wrong animation.
constexpr std::string_view kRefusal = "not a file written by Burstkin: ";

struct Refused {
  std::string message;
};

std::vector<std::string_view> Tokens(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    const std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) out.push_back(line.substr(start, i - start));
  }
  return out;
}

bool ParseInt(std::string_view token, std::int32_t& out) {
  const char* first = token.data();
  const char* last = first + token.size();
  auto [ptr, ec] = std::from_chars(first, last, out);
  return ec == std::errc() && ptr == last;
}

bool ParseFloat(std::string_view token, float& out) {
  const char* first = token.data();
  const char* last = first + token.size();
  auto [ptr, ec] = std::from_chars(first, last, out, std::chars_format::general);
  return ec == std::errc() && ptr == last && std::isfinite(out);
}

class Parser {
 public:
  explicit Parser(std::string_view text) : in_(text) {}

  ExplodedFile Run() {
    ExpectNext("its first line");
    if (!in_.Line().starts_with(kOutputSignature.substr(0, 18))) {
      throw Refused{std::string(kRefusal) + "its first line is not \"" +
                    std::string(kOutputSignature.substr(0, 18)) + "\""};
    }
    ExpectNext("a chunk");
    while (true) {
      const std::string_view line = in_.Line();
      if (line.starts_with("END ")) {
        ReadEnd();
        break;
      }
      if (line.starts_with("Grou")) {
        ReadGroup();
        ExpectNext("a chunk or the END line");
      } else if (line.starts_with("PolH")) {
        ReadObject();  // leaves the line after its chunks current
      } else {
        Fail("found \"" + std::string(line.substr(0, 4)) +
             "\" where a Grou, PolH or END chunk was expected");
      }
    }
    return std::move(file_);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw Refused{std::string(kRefusal) + "line " + std::to_string(in_.LineNumber()) + ": " + what};
  }

  void ExpectNext(const char* what) {
    if (!in_.ReadLine()) {
      throw Refused{std::string(kRefusal) + "the file ends where " + what + " should follow"};
    }
  }

  // "TYPE Vn.nn Id N Parent P Size -1"
  void Header(std::string_view type, std::int32_t& id, std::int32_t& parent) {
    const auto t = Tokens(in_.Line());
    if (t.size() != 8 || t[0] != type || !t[1].starts_with("V") || t[2] != "Id" ||
        !ParseInt(t[3], id) || t[4] != "Parent" || !ParseInt(t[5], parent) || t[6] != "Size" ||
        t[7] != "-1") {
      Fail("a \"" + std::string(type) + "\" chunk header was expected");
    }
  }

  // A line of `words` keywords followed by `count` numbers.
  void Numbers(std::initializer_list<std::string_view> words, float* out, std::size_t count) {
    const auto t = Tokens(in_.Line());
    bool ok = t.size() == words.size() + count;
    std::size_t i = 0;
    for (std::string_view w : words) ok = ok && t[i++] == w;
    for (std::size_t k = 0; ok && k < count; ++k) ok = ParseFloat(t[i + k], out[k]);
    if (!ok) {
      std::string expected;
      for (std::string_view w : words) expected += std::string(w) + " ";
      Fail("\"" + expected + "\" followed by " + std::to_string(count) + " numbers was expected");
    }
  }

  void Vector(std::initializer_list<std::string_view> words, CVector& v) {
    float f[3];
    Numbers(words, f, 3);
    v = {f[0], f[1], f[2]};
  }

  std::int32_t Count(std::initializer_list<std::string_view> words) {
    const auto t = Tokens(in_.Line());
    std::int32_t n = -1;
    bool ok = t.size() == words.size() + 1 && ParseInt(t.back(), n) && n >= 0;
    std::size_t i = 0;
    for (std::string_view w : words) ok = ok && t[i++] == w;
    if (!ok) Fail("a count line was expected");
    return n;
  }

  // Name, centre, axes and transform: the body both groups and meshes begin with.
  std::string Frame(CAxis& axis) {
    ExpectNext("a Name line");
    const auto name = Tokens(in_.Line());
    if (name.size() != 2 || name[0] != "Name") Fail("a \"Name\" line was expected");
    std::string result(name[1]);
    ExpectNext("a center line");
    Vector({"center"}, axis.Center);
    ExpectNext("an axis line");
    Vector({"x", "axis"}, axis.XAxis);
    ExpectNext("an axis line");
    Vector({"y", "axis"}, axis.YAxis);
    ExpectNext("an axis line");
    Vector({"z", "axis"}, axis.ZAxis);
    ExpectNext("the Transform line");
    if (in_.Line() != "Transform") Fail("\"Transform\" was expected");
    CVector* rows[3] = {&axis.Row0, &axis.Row1, &axis.Row2};
    float* translation[3] = {&axis.Translation.x, &axis.Translation.y, &axis.Translation.z};
    for (int r = 0; r < 3; ++r) {
      ExpectNext("a transform row");
      float f[4];
      Numbers({}, f, 4);
      *rows[r] = {f[0], f[1], f[2]};
      *translation[r] = f[3];
    }
    ExpectNext("the last transform row");
    if (Tokens(in_.Line()) != std::vector<std::string_view>{"0", "0", "0", "1"}) {
      Fail("\"0 0 0 1\" was expected");
    }
    return result;
  }

  void ReadGroup() {
    auto group = std::make_unique<CGroup>();
    Header("Grou", group->Id, group->ParentId);
    if (group->ParentId != 0 && !groupIndex_.contains(group->ParentId)) {
      Fail("the group's parent is not a group written before it");
    }
    if (groupIndex_.contains(group->Id)) Fail("a second group with the same id");
    group->Name = Frame(group->Axis);
    groupIndex_[group->Id] = file_.Groups.size();
    file_.Groups.push_back(ExplodedGroup{std::move(group), {}});
  }

  void ReadObject() {
    auto mesh = std::make_unique<CPolyChunk>();
    Header("PolH", mesh->Id, mesh->ParentId);
    const auto group = groupIndex_.find(mesh->ParentId);
    if (group == groupIndex_.end()) Fail("the object's parent is not a group written before it");
    mesh->Name = Frame(mesh->Axis);
    ReadGeometry(*mesh);

    // What the writer puts after the faces: the materials, then the unit.
    ExpectNext("a chunk or the END line");
    while (in_.Line().starts_with("Mat1") || in_.Line().starts_with("PrTx")) {
      const bool procedural = in_.Line().starts_with("PrTx");
      std::int32_t id = 0;
      std::int32_t parent = 0;
      Header(procedural ? "PrTx" : "Mat1", id, parent);
      if (parent != mesh->Id) Fail("a material that does not belong to the object before it");
      CheckMaterialBody();
      std::unique_ptr<CMaterial> material =
          procedural ? std::make_unique<CPrMaterial>() : std::make_unique<CMaterial>();
      material->Read(in_, in_.Line());
      mesh->Materials.push_back(std::move(material));
      if (in_.AtEnd() && in_.Line().empty()) {
        throw Refused{std::string(kRefusal) + "the file ends without its END line"};
      }
    }
    if (in_.Line().starts_with("Unit")) {
      std::int32_t id = 0;
      std::int32_t parent = 0;
      Header("Unit", id, parent);
      if (parent != mesh->Id) Fail("a unit that does not belong to the object before it");
      auto unit = std::make_unique<CUnit>();
      unit->Read(in_, in_.Line());
      const auto t = Tokens(in_.Line());
      std::int32_t units = 0;
      if (t.size() != 2 || t[0] != "Units" || !ParseInt(t[1], units)) {
        Fail("a \"Units\" line was expected");
      }
      mesh->Unit = std::move(unit);
      ExpectNext("a chunk or the END line");
    }

    auto channel = std::make_unique<CAnimChunkEx>();
    channel->ParentId = mesh->Id;
    channel->Piece = mesh.get();
    int last_type = 0;
    while (in_.Line().starts_with("Chan")) {
      std::int32_t id = 0;
      std::int32_t parent = 0;
      Header("Chan", id, parent);
      if (parent != mesh->Id) Fail("a channel that does not belong to the object before it");
      if (last_type == 0) channel->Id = id;
      ExpectNext("the channel's Name line");
      if (Tokens(in_.Line()) != std::vector<std::string_view>{"Name", "Global"}) {
        Fail("\"Name Global\" was expected");
      }
      ExpectNext("the channel's type line");
      const std::int32_t type = Count({"type"});
      if (type < CAnimLineSRT::kOrientation || type > CAnimLineSRT::kSize || type <= last_type) {
        Fail("channel types 2, 3 and 4, each at most once and in that order, were expected");
      }
      last_type = type;
      ExpectNext("the channel's flags line");
      const std::int32_t n = Count({"flags", "1", "frames"});
      std::vector<CAnimLineSRT>& keys = type == CAnimLineSRT::kOrientation ? channel->Keys
                                        : type == CAnimLineSRT::kPosition  ? channel->PositionKeys
                                                                           : channel->SizeKeys;
      for (std::int32_t k = 0; k < n; ++k) {
        ExpectNext("a key line");
        keys.push_back(ReadKey(type));
      }
      ExpectNext("a chunk or the END line");
    }

    ExplodedGroup& owner = file_.Groups[group->second];
    owner.Objects.push_back(ExplodedObject{std::move(mesh), std::move(channel)});
  }

  // The material readers take their lines by position and skip what they do
  // not know up to the next chunk header, so a damaged body would be misread
  // (or swallow the channels after it). Looks ahead on a copy of the reader:
  // the shading lines in their order, then only lines the material writers make.
  void CheckMaterialBody() const {
    static constexpr std::string_view kShading[] = {"mat#", "shader:", "rgb", "alpha"};
    static constexpr std::string_view kKnown[] = {
        "environment:", "flags",     "texture:",   "offset",     "bump:",  "granite:",
        "marble:",      "wood:",     "springrgba", "stonergba",  "rgba1",  "rgba3",
        "amount1",
        "sharpness",    "turbulence", "ldratio",   "center",     "grain",  "scale"};
    LineReader ahead = in_;
    std::size_t index = 0;
    while (ahead.ReadLine()) {
      const std::string_view line = ahead.Line();
      if (IsChunkHeader(line)) break;
      const auto t = Tokens(line);
      const std::string_view word = t.empty() ? std::string_view() : t[0];
      const bool ok = index < 4 ? word == kShading[index]
                                : std::find(std::begin(kKnown), std::end(kKnown), word) != std::end(kKnown) ||
                                      word.starts_with("center");
      if (!ok) {
        throw Refused{std::string(kRefusal) + "line " + std::to_string(ahead.LineNumber()) +
                      ": not a line of a material as Burstkin writes it"};
      }
      ++index;
    }
    if (index < 4) {
      throw Refused{std::string(kRefusal) + "line " + std::to_string(ahead.LineNumber()) +
                    ": a material without its shading lines"};
    }
  }

  // "time F acc 0 t T c C b B orientation W X Y Z" (position and size: three values).
  CAnimLineSRT ReadKey(std::int32_t type) {
    static constexpr std::string_view kWords[] = {"orientation", "position", "size"};
    const std::string_view word = kWords[type - CAnimLineSRT::kOrientation];
    const auto t = Tokens(in_.Line());
    const std::size_t values = type == CAnimLineSRT::kOrientation ? 4 : 3;
    CAnimLineSRT key;
    key.KeyType = type;
    float f[4] = {};
    bool ok = t.size() == 11 + values && t[0] == "time" && ParseInt(t[1], key.Frame) &&
              t[2] == "acc" && t[3] == "0" && t[4] == "t" && ParseFloat(t[5], key.Shape.x) &&
              t[6] == "c" && ParseFloat(t[7], key.Shape.y) && t[8] == "b" &&
              ParseFloat(t[9], key.Shape.z) && t[10] == word;
    for (std::size_t k = 0; ok && k < values; ++k) ok = ParseFloat(t[11 + k], f[k]);
    if (!ok) Fail("a \"time\" key line with \"" + std::string(word) + "\" was expected");
    if (type == CAnimLineSRT::kOrientation) {
      key.RotationW = f[0];
      key.Value = {f[1], f[2], f[3]};
    } else {
      key.Value = {f[0], f[1], f[2]};
    }
    return key;
  }

  void ReadGeometry(CPolyChunk& mesh) {
    ExpectNext("the World Vertices line");
    mesh.VertexTotal = Count({"World", "Vertices"});
    for (std::int32_t i = 0; i < mesh.VertexTotal; ++i) {
      ExpectNext("a vertex");
      CVector v;
      Vector({}, v);
      mesh.AddOwnedVertex(v);
    }
    ExpectNext("the Texture Vertices line");
    mesh.UvTotal = Count({"Texture", "Vertices"});
    for (std::int32_t i = 0; i < mesh.UvTotal; ++i) {
      ExpectNext("a texture vertex");
      float f[2];
      Numbers({}, f, 2);
      mesh.AddOwnedUvPoint(CUvPoint{f[0], f[1]});
    }
    ExpectNext("the Faces line");
    mesh.FaceTotal = Count({"Faces"});
    for (std::int32_t i = 0; i < mesh.FaceTotal; ++i) {
      ExpectNext("a face");
      CFace face;
      const auto t = Tokens(in_.Line());
      std::int32_t flags = 0;
      bool ok = false;
      if (t.size() == 3 && t[0] == "Hole" && t[1] == "verts") {
        ok = ParseInt(t[2], face.VertexCount);
        face.Flags = CFace::kHoleFlag;
        ++mesh.HoleCount;
      } else if (t.size() == 7 && t[0] == "Face" && t[1] == "verts" && t[3] == "flags" &&
                 t[5] == "mat") {
        ok = ParseInt(t[2], face.VertexCount) && ParseInt(t[4], flags) && flags >= 0 &&
             flags <= 255 && ParseInt(t[6], face.MaterialIndex);
        face.Flags = static_cast<std::uint8_t>(flags);
      }
      if (!ok || face.VertexCount < 0) Fail("a \"Face verts\" or \"Hole verts\" line was expected");
      ExpectNext("a corner line");
      ReadCorners(mesh, face);
      mesh.AddOwnedFace(std::move(face));
    }
  }

  // "<v,t> <v,t> ... " with exactly VertexCount pairs, every index in range.
  void ReadCorners(const CPolyChunk& mesh, CFace& face) {
    const std::string_view line = in_.Line();
    std::size_t i = 0;
    auto index = [&](char end, std::uint32_t limit, std::uint32_t& out) {
      const std::size_t stop = line.find(end, i);
      if (stop == std::string_view::npos) return false;
      std::int32_t value = -1;
      if (!ParseInt(line.substr(i, stop - i), value) || value < 0 ||
          static_cast<std::uint32_t>(value) >= limit) {
        return false;
      }
      out = static_cast<std::uint32_t>(value);
      i = stop + 1;
      return true;
    };
    for (std::int32_t k = 0; k < face.VertexCount; ++k) {
      std::uint32_t v = 0;
      std::uint32_t t = 0;
      const bool ok = i < line.size() && line[i] == '<' && (++i, true) &&
                      index(',', static_cast<std::uint32_t>(mesh.Vertices.size()), v) &&
                      index('>', static_cast<std::uint32_t>(mesh.UvPoints.size()), t) &&
                      i < line.size() && line[i] == ' ';
      if (!ok) Fail("a corner line with " + std::to_string(face.VertexCount) +
                    " corners \"<vertex,texture vertex> \" within the object's lists was expected");
      ++i;
      face.VertexIndices.push_back(v);
      face.UvIndices.push_back(t);
    }
    if (i != line.size()) Fail("the corner line holds more corners than its face says");
  }

  void ReadEnd() {
    if (in_.Line() != kEndLine) Fail("the END line is not as Burstkin writes it");
    // Nothing may follow but the end of the file (a final line end is let pass).
    while (in_.ReadLine()) {
      if (!in_.Line().empty()) Fail("text after the END line");
    }
  }

  LineReader in_;
  ExplodedFile file_;
  std::unordered_map<std::int32_t, std::size_t> groupIndex_;
};

}  // namespace

ExplodedReadResult ReadExplodedFile(std::string_view text) {
  // The objects read take their ids from the file; constructing them must
  // not move the program-wide id counter, or the ids of the next export
  // would depend on whether a file was converted before it.
  struct KeepIdCounter {
    std::int32_t saved = ChunkIdCounter::Current();
    ~KeepIdCounter() { ChunkIdCounter::Reset(saved); }
  } keep;
  ExplodedReadResult result;
  try {
    result.File = Parser(text).Run();
    result.ok = true;
  } catch (const Refused& refused) {
    result.error = refused.message;
  }
  return result;
}

ExplodedReadResult ReadExplodedFileAt(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ExplodedReadResult result;
    result.error = "cannot open \"" + path + "\"";
    return result;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    ExplodedReadResult result;
    result.error = "cannot read \"" + path + "\"";
    return result;
  }
  return ReadExplodedFile(buffer.str());
}

}  // namespace bk
