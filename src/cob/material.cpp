#include "cob/material.h"

#include "cob/axis_text.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/material_text.h"
#include "cob/scan.h"

namespace bk {

using material_text::DropPrefix;
using material_text::LineCutter;
using material_text::NextBodyLine;
using material_text::Prefix;

namespace {

// Lengths of the fixed prefixes the map lines are cut at.
constexpr std::size_t kEnvironmentPrefix = 13;  // "environment: "
constexpr std::size_t kTexturePrefix = 9;       // "texture: "
constexpr std::size_t kBumpPrefix = 6;          // "bump: "
constexpr std::size_t kNamePrefix = 6;          // "name: "

// A name as one line can carry it: control characters (line ends above
// all) become '_'.
std::string OneLine(const std::string& name) {
  std::string line = name;
  for (char& c : line) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '_';
  }
  return line;
}

std::string_view ShaderName(char shader) {
  switch (shader) {
    case 'p': return "phong";
    case 'f': return "flat";
    case 'm': return "metal";
    default: return "";
  }
}

std::shared_ptr<const std::string> NewName(std::string_view text) {
  return std::make_shared<const std::string>(text);
}

// "offset a,b repeats c,d" — the part both map lines share. Leaves the cutter
// after the second repeats value's terminator letter.
void CutOffsetsAndRepeats(LineCutter& cut, float offset[2], float repeats[2], char end_of_repeats) {
  cut.Drop(6);  // "offset"
  offset[0] = cut.RealUpTo(',');
  offset[1] = cut.RealUpTo('r');
  cut.Drop(6);  // "epeats"
  repeats[0] = cut.RealUpTo(',');
  repeats[1] = cut.RealUpTo(end_of_repeats);
}

}  // namespace

bool CMaterial::Read(LineReader& in, std::string_view header) {
  ReadShadingSection(in, header);
  // A header met inside the shading section ends the material there.
  if (IsChunkHeader(in.Line())) return true;

  std::string_view line;
  bool have = NextBodyLine(in, line);
  while (have) {
    const std::string_view tag = Prefix(line, 4);
    if (tag == "envi") {
      ReadEnvironmentMap(in);
    } else if (tag == "text") {
      TextureName = NewName(DropPrefix(line, kTexturePrefix));
      std::string_view offsets;
      NextBodyLine(in, offsets);  // a missing line reads as an empty one
      LineCutter cut(offsets);
      CutOffsetsAndRepeats(cut, TextureOffset, TextureRepeats, 'f');
      cut.Drop(5);  // "lags "
      TextureFlags = cut.RestAsInt();
    } else if (tag == "bump") {
      ReadBumpMap(in);
    } else if (tag == "name") {
      Name = std::string(DropPrefix(line, kNamePrefix));
    }
    // A map whose second line was missing stopped at the next chunk's header.
    if (IsChunkHeader(in.Line())) break;
    have = NextBodyLine(in, line);
  }

  if (TextureName || BumpName || EnvironmentName) OwnsMapNames = 1;
  return true;
}

void CMaterial::ReadShadingSection(LineReader& in, std::string_view header) {
  ReadHeaderIds(header, Id, ParentId);

  std::string_view line;
  // "mat# n": the low eight bits of n.
  if (!NextBodyLine(in, line)) return;
  {
    Scanner scan(line);
    std::string_view word, number;
    scan.SkipBlanks();
    scan.Word(word);
    scan.SkipBlanks();
    scan.Word(number);
    MaterialNumber = static_cast<std::uint8_t>(static_cast<std::uint32_t>(AtoI(number)) & 0xFFu);
  }

  // "shader: phong  facet: auto40": first letters of the second and fourth
  // tokens; "auto" is followed by the facet angle.
  if (!NextBodyLine(in, line)) return;
  {
    Scanner scan(line);
    std::string_view tokens[4];
    for (std::string_view& token : tokens) {
      scan.SkipBlanks();
      if (!scan.Word(token)) break;
    }
    if (!tokens[1].empty()) Shader = tokens[1].front();
    if (!tokens[3].empty()) {
      Facet = tokens[3].front();
      if (Facet == 'a') FacetAngle = AtoI(DropPrefix(tokens[3], 4));
    }
  }

  // "rgb r,g,b": one token split at its commas.
  if (!NextBodyLine(in, line)) return;
  {
    Scanner scan(line);
    std::string_view word, rgb;
    scan.SkipBlanks();
    scan.Word(word);
    scan.SkipBlanks();
    if (scan.Word(rgb)) {
      LineCutter cut(rgb);
      Colour.x = cut.RealUpTo(',');
      Colour.y = cut.RealUpTo(',');
      Colour.z = cut.RestAsReal();
    }
  }

  // "alpha 1  ka 0.1  ks 0.1  exp 0  ior 1".
  if (!NextBodyLine(in, line)) return;
  material_text::ScanWordReals(line, {&Alpha, &Ka, &Ks, &Exponent, &Ior});
}

void CMaterial::ReadEnvironmentMap(LineReader& in) {
  EnvironmentName = NewName(DropPrefix(in.Line(), kEnvironmentPrefix));
  std::string_view line;
  if (!NextBodyLine(in, line)) return;
  Scanner scan(line);
  std::string_view word;
  std::int32_t flags = 0;
  scan.SkipBlanks();
  if (scan.Word(word)) {
    scan.SkipBlanks();
    if (scan.Int(flags)) EnvironmentFlags = flags;
  }
}

void CMaterial::ReadBumpMap(LineReader& in) {
  BumpName = NewName(DropPrefix(in.Line(), kBumpPrefix));
  std::string_view line;
  NextBodyLine(in, line);  // a missing line reads as an empty one
  LineCutter cut(line);
  CutOffsetsAndRepeats(cut, BumpOffset, BumpRepeats, 'a');
  cut.Drop(2);  // "mp"
  BumpAmp = cut.RealUpTo('f');
  cut.Drop(5);  // "lags "
  BumpFlags = cut.RestAsInt();
}

void CMaterial::WriteAs(CobWriter& out, std::int32_t id, std::int32_t parent) const {
  out.SetFixed(6);
  out << "Mat1 V0.05 Id " << id << " Parent " << parent << " Size -1";
  out.EndLine();
  WriteShadingSection(out);
  if (TextureFlags != kNoMap) {
    out << "texture: " << (TextureName ? std::string_view(*TextureName) : std::string_view{});
    out.EndLine();
    out << "offset " << TextureOffset[0] << ',' << TextureOffset[1] << " repeats "
        << TextureRepeats[0] << ',' << TextureRepeats[1] << " flags " << TextureFlags;
    out.EndLine();
  }
  WriteBumpMap(out);
  // Names come only from files that give them (glTF, OBJ); a material without
  // one is written as it always was.
  if (!Name.empty()) {
    out << "name: " << OneLine(Name);
    out.EndLine();
  }
  out.SetPrecision(6);
}

void CMaterial::WriteShadingSection(CobWriter& out) const {
  out << "mat# " << static_cast<int>(MaterialNumber);
  out.EndLine();
  out << "shader: " << ShaderName(Shader) << "  facet: ";
  switch (Facet) {
    case 'a': out << "auto" << FacetAngle; break;
    case 'f': out << "faceted"; break;
    case 's': out << "smooth"; break;
    default: break;
  }
  out.EndLine();
  out << "rgb " << Colour.x << ',' << Colour.y << ',' << Colour.z;
  out.EndLine();
  out.SetPrecision(2);
  out << "alpha " << Alpha << "  ka " << Ka << "  ks " << Ks << "  exp " << Exponent << "  ior "
      << Ior;
  out.EndLine();
  if (EnvironmentFlags != kNoMap) {
    out << "environment: "
        << (EnvironmentName ? std::string_view(*EnvironmentName) : std::string_view{});
    out.EndLine();
    out << "flags " << EnvironmentFlags;
    out.EndLine();
  }
}

void CMaterial::WriteBumpMap(CobWriter& out) const {
  if (BumpFlags == kNoMap) return;
  out << "bump: " << (BumpName ? std::string_view(*BumpName) : std::string_view{});
  out.EndLine();
  out << "offset " << BumpOffset[0] << ',' << BumpOffset[1] << " repeats " << BumpRepeats[0] << ','
      << BumpRepeats[1] << " amp " << BumpAmp << " flags " << BumpFlags;
  out.EndLine();
}

void CMaterial::CopyShadingFrom(const CMaterial& source) {
  ParentId = source.ParentId;
  MaterialNumber = source.MaterialNumber;
  Shader = source.Shader;
  Facet = source.Facet;
  FacetAngle = source.FacetAngle;
  Colour = source.Colour;
  Alpha = source.Alpha;
  Ka = source.Ka;
  Ks = source.Ks;
  Exponent = source.Exponent;
  Ior = source.Ior;
  EnvironmentFlags = source.EnvironmentFlags;
  TextureFlags = source.TextureFlags;
  BumpFlags = source.BumpFlags;
  OwnsMapNames = 0;
  if (EnvironmentFlags != kNoMap) EnvironmentName = source.EnvironmentName;
}

void CMaterial::CopyBumpFrom(const CMaterial& source) {
  if (BumpFlags == kNoMap) return;
  BumpName = source.BumpName;
  BumpOffset[0] = source.BumpOffset[0];
  BumpOffset[1] = source.BumpOffset[1];
  BumpRepeats[0] = source.BumpRepeats[0];
  BumpRepeats[1] = source.BumpRepeats[1];
  BumpAmp = source.BumpAmp;
}

void CMaterial::CopyFrom(const CMaterial& source) {
  CopyShadingFrom(source);
  if (TextureFlags != kNoMap) {
    TextureName = source.TextureName;
    TextureOffset[0] = source.TextureOffset[0];
    TextureOffset[1] = source.TextureOffset[1];
    TextureRepeats[0] = source.TextureRepeats[0];
    TextureRepeats[1] = source.TextureRepeats[1];
  }
  CopyBumpFrom(source);
}

std::unique_ptr<CMaterial> CMaterial::CopyOfKind(bool numbered) const {
  auto copy = numbered ? std::make_unique<CMaterial>() : std::make_unique<CMaterial>(WorkingCopy{});
  copy->CopyFrom(*this);
  copy->Name = Name;  // a piece's material is still the one the user named
  return copy;
}

}  // namespace bk
