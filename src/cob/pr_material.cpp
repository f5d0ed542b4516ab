#include "cob/pr_material.h"

#include <string_view>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/line_reader.h"
#include "cob/material_text.h"

namespace bk {

using material_text::LineCutter;
using material_text::NextBodyLine;

namespace {

// "x,y,z,alpha" up to `keyword` (or to the end of the line when keyword is
// empty): a colour with its alpha.
void CutColour(LineCutter& cut, CVector& colour, float& alpha, std::string_view keyword) {
  colour.x = cut.RealUpTo(',');
  colour.y = cut.RealUpTo(',');
  colour.z = cut.RealUpTo(',');
  alpha = keyword.empty() ? cut.RestAsReal() : cut.RealUpToKeyword(keyword);
}

// "first x,y,z,a  second x,y,z,a": two colours with their alphas.
void CutColourPair(std::string_view line, std::string_view first, CVector& colour1, float& alpha1,
                   std::string_view second, CVector& colour2, float& alpha2) {
  LineCutter cut(line);
  cut.Drop(first.size());
  CutColour(cut, colour1, alpha1, second);
  CutColour(cut, colour2, alpha2, {});
}

// Each reader takes its fixed count of lines; a section cut short by the next
// chunk's header (or the end of the input) keeps the values read so far.
GraniteParams ReadGranite(LineReader& in) {
  GraniteParams p;
  std::string_view line;
  if (!NextBodyLine(in, line)) return p;
  CutColourPair(line, "rgba1", p.Colour1, p.Alpha1, "rgba2", p.Colour2, p.Alpha2);
  if (!NextBodyLine(in, line)) return p;
  CutColourPair(line, "rgba3", p.Colour3, p.Alpha3, "rgba4", p.Colour4, p.Alpha4);
  if (!NextBodyLine(in, line)) return p;
  material_text::ScanWordReals(line, {&p.Amount1, &p.Amount2, &p.Amount3, &p.Amount4});
  if (!NextBodyLine(in, line)) return p;
  LineCutter cut(line);
  cut.Drop(9);  // "sharpness"
  p.Sharpness = cut.RealUpToKeyword("scale");
  p.Scale.x = cut.RealUpTo(',');
  p.Scale.y = cut.RealUpTo(',');
  p.Scale.z = cut.RealUpToKeyword("seed");
  // The seed is a whole number held in a real; "4711.00" reads as 4711.
  p.Seed = static_cast<float>(cut.RestAsInt());
  return p;
}

MarbleParams ReadMarble(LineReader& in) {
  MarbleParams p;
  std::string_view line;
  if (!NextBodyLine(in, line)) return p;
  CutColourPair(line, "stonergba", p.StoneColour, p.StoneAlpha, "veinrgba", p.VeinColour,
                p.VeinAlpha);
  if (!NextBodyLine(in, line)) return p;
  LineCutter cut(line);
  cut.Drop(9);  // "sharpness"
  p.Sharpness = cut.RealUpToKeyword("scale");
  p.Scale.x = cut.RealUpTo(',');
  p.Scale.y = cut.RealUpTo(',');
  p.Scale.z = cut.RestAsReal();
  if (!NextBodyLine(in, line)) return p;
  material_text::ScanWordInts(line, {&p.Turbulence, &p.Grain, &p.Seed});
  return p;
}

WoodParams ReadWood(LineReader& in) {
  WoodParams p;
  std::string_view line;
  if (!NextBodyLine(in, line)) return p;
  CutColourPair(line, "springrgba", p.SpringColour, p.SpringAlpha, "summerrgba", p.SummerColour,
                p.SummerAlpha);
  if (!NextBodyLine(in, line)) return p;
  material_text::ScanWordReals(line, {&p.LdRatio, &p.RDensity, &p.RWidthVar, &p.RShapeVar});
  if (!NextBodyLine(in, line)) return p;
  LineCutter cut(line);
  cut.Drop(6);  // "center"
  p.Center.x = cut.RealUpTo(',');
  p.Center.y = cut.RealUpTo(',');
  p.Center.z = cut.RealUpToKeyword("scale");
  p.Scale.x = cut.RealUpTo(',');
  p.Scale.y = cut.RealUpTo(',');
  p.Scale.z = cut.RestAsReal();
  if (!NextBodyLine(in, line)) return p;
  material_text::ScanWordInts(line, {&p.Grain, &p.Seed});
  return p;
}

void WriteColour(CobWriter& out, CVector colour, float alpha) {
  out << colour.x << ',' << colour.y << ',' << colour.z << ',' << alpha;
}

// One line of two colour groups: "<first>r,g,b,a<second>r,g,b,a".
void WriteColourLine(CobWriter& out, std::string_view first, CVector colour1, float alpha1,
                     std::string_view second, CVector colour2, float alpha2) {
  out << first;
  WriteColour(out, colour1, alpha1);
  out << second;
  WriteColour(out, colour2, alpha2);
  out.EndLine();
}

void WriteGranite(CobWriter& out, const GraniteParams& p) {
  out.SetPrecision(6);
  out << "granite:";
  out.EndLine();
  WriteColourLine(out, "rgba1 ", p.Colour1, p.Alpha1, "  rgba2 ", p.Colour2, p.Alpha2);
  WriteColourLine(out, "rgba3 ", p.Colour3, p.Alpha3, "  rgba4 ", p.Colour4, p.Alpha4);
  out.SetPrecision(2);
  out << "amount1 " << p.Amount1 << "  amount2 " << p.Amount2 << "  amount3 " << p.Amount3
      << "  amount4 " << p.Amount4;
  out.EndLine();
  out << "sharpness " << p.Sharpness << "  scale " << p.Scale.x << ',' << p.Scale.y << ','
      << p.Scale.z << "  seed " << p.Seed;
  out.EndLine();
}

void WriteMarble(CobWriter& out, const MarbleParams& p) {
  out.SetPrecision(6);
  out << "marble:";
  out.EndLine();
  WriteColourLine(out, "stonergba ", p.StoneColour, p.StoneAlpha, "  veinrgba ", p.VeinColour,
                  p.VeinAlpha);
  out.SetPrecision(2);
  out << "sharpness " << p.Sharpness << "  scale " << p.Scale.x << ',' << p.Scale.y << ','
      << p.Scale.z;
  out.EndLine();
  out << "turbulence " << p.Turbulence << "  grain " << p.Grain << "  seed " << p.Seed;
  out.EndLine();
}

void WriteWood(CobWriter& out, const WoodParams& p) {
  out.SetPrecision(6);
  out << "wood:";
  out.EndLine();
  WriteColourLine(out, "springrgba ", p.SpringColour, p.SpringAlpha, "  summerrgba ",
                  p.SummerColour, p.SummerAlpha);
  out.SetPrecision(2);
  out << "ldratio " << p.LdRatio << "  rdensity " << p.RDensity << "  rwidthvar " << p.RWidthVar
      << "  rshapevar " << p.RShapeVar;
  out.EndLine();
  // No blank before "scale": the modeller's own layout, which its readers expect.
  out << "center " << p.Center.x << ',' << p.Center.y << ',' << p.Center.z << "scale "
      << p.Scale.x << ',' << p.Scale.y << ',' << p.Scale.z;
  out.EndLine();
  out << "grain " << p.Grain << "  seed " << p.Seed;
  out.EndLine();
}

}  // namespace

bool CPrMaterial::Read(LineReader& in, std::string_view header) {
  ReadShadingSection(in, header);
  if (IsChunkHeader(in.Line())) return true;

  std::string_view line;
  bool have = NextBodyLine(in, line);
  while (have) {
    const std::string_view tag = material_text::Prefix(line, 4);
    // A later procedural section replaces an earlier one. "texture:" lines
    // and anything unknown are skipped: this kind has no texture map.
    if (tag == "envi") {
      ReadEnvironmentMap(in);
    } else if (tag == "gran") {
      TextureParams = ReadGranite(in);
    } else if (tag == "marb") {
      TextureParams = ReadMarble(in);
    } else if (tag == "wood") {
      TextureParams = ReadWood(in);
    } else if (tag == "bump") {
      ReadBumpMap(in);
    }
    // A section cut short stopped at the next chunk's header.
    if (IsChunkHeader(in.Line())) break;
    have = NextBodyLine(in, line);
  }

  if (EnvironmentName || BumpName) OwnsMapNames = 1;
  return true;
}

void CPrMaterial::WriteAs(CobWriter& out, std::int32_t id, std::int32_t parent) const {
  out.SetFixed(6);
  out << "PrTx V0.01 Id " << id << " Parent " << parent << " Size -1";
  out.EndLine();
  WriteShadingSection(out);
  if (const auto* granite = std::get_if<GraniteParams>(&TextureParams)) {
    WriteGranite(out, *granite);
  } else if (const auto* marble = std::get_if<MarbleParams>(&TextureParams)) {
    WriteMarble(out, *marble);
  } else if (const auto* wood = std::get_if<WoodParams>(&TextureParams)) {
    WriteWood(out, *wood);
  }
  out.SetPrecision(2);
  WriteBumpMap(out);
  out.SetPrecision(6);
}

void CPrMaterial::CopyFrom(const CPrMaterial& source) {
  CopyShadingFrom(source);
  TextureParams = source.TextureParams;
  CopyBumpFrom(source);
}

std::unique_ptr<CMaterial> CPrMaterial::CopyOfKind(bool numbered) const {
  auto copy = numbered ? std::make_unique<CPrMaterial>() : std::make_unique<CPrMaterial>(WorkingCopy{});
  copy->CopyFrom(*this);
  return copy;
}

}  // namespace bk
