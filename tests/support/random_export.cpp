#include "support/random_export.h"

#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/group.h"
#include "cob/pr_material.h"
#include "cob/unit.h"
#include "doc/brk_doc.h"
#include "doc/options_sheet.h"
#include "model/chunk_id.h"
#include "model/progress.h"
#include "support/fake_platform.h"
#include "support/test_data.h"

namespace bk::testing {
namespace {

// The test's own generator, apart from the document's, so that what the test
// draws never shifts the draws of the run under test.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 1u) {}
  std::uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint32_t>(hi - lo + 1)); }
  bool Chance(int percent) { return Int(1, 100) <= percent; }
  // A value with at most `decimals` decimals, so that it survives the text.
  float Real(float lo, float hi, int decimals = 2) {
    const float step = decimals == 2 ? 0.01f : 0.000001f;
    const int steps = static_cast<int>((hi - lo) / step);
    return lo + static_cast<float>(Int(0, steps)) * step;
  }
  CVector Colour() { return {Real(0, 1), Real(0, 1), Real(0, 1)}; }

 private:
  std::uint32_t state_;
};

std::shared_ptr<const std::string> MapName(Dice& dice, const char* stem) {
  // Some names carry a blank: the map line takes the rest of the line.
  return std::make_shared<const std::string>(std::string(stem) + (dice.Chance(20) ? " copy" : "") +
                                             std::to_string(dice.Int(0, 99)) + ".bmp");
}

void AddMaps(Dice& dice, CMaterial& m, bool texture_allowed) {
  if (dice.Chance(30)) {
    m.EnvironmentFlags = dice.Int(0, 3);
    m.EnvironmentName = MapName(dice, "sky");
  }
  if (texture_allowed && dice.Chance(40)) {
    m.TextureFlags = dice.Int(0, 3);
    m.TextureName = MapName(dice, "planks");
    m.TextureOffset[0] = dice.Real(-1, 1);
    m.TextureOffset[1] = dice.Real(-1, 1);
    m.TextureRepeats[0] = dice.Real(0, 8);
    m.TextureRepeats[1] = dice.Real(0, 8);
  }
  if (dice.Chance(30)) {
    m.BumpFlags = dice.Int(0, 3);
    m.BumpName = MapName(dice, "bumps");
    m.BumpOffset[0] = dice.Real(-1, 1);
    m.BumpOffset[1] = dice.Real(-1, 1);
    m.BumpRepeats[0] = dice.Real(0, 8);
    m.BumpRepeats[1] = dice.Real(0, 8);
    m.BumpAmp = dice.Real(-2, 2);
  }
}

void ShadeRandomly(Dice& dice, CMaterial& m) {
  m.MaterialNumber = static_cast<std::uint8_t>(dice.Int(0, 255));
  m.Shader = "pfm"[dice.Int(0, 2)];
  m.Facet = "afs"[dice.Int(0, 2)];
  m.FacetAngle = dice.Int(0, 90);
  m.Colour = {dice.Real(0, 1, 6), dice.Real(0, 1, 6), dice.Real(0, 1, 6)};
  m.Alpha = dice.Real(0, 1);
  m.Ka = dice.Real(0, 1);
  m.Ks = dice.Real(0, 1);
  m.Exponent = dice.Real(0, 100);
  m.Ior = dice.Real(1, 3);
}

std::unique_ptr<CMaterial> ProceduralMaterial(Dice& dice) {
  auto m = std::make_unique<CPrMaterial>();
  ShadeRandomly(dice, *m);
  AddMaps(dice, *m, false);
  switch (dice.Int(0, 2)) {
    case 0: {
      GraniteParams p;
      p.Colour1 = dice.Colour(), p.Colour2 = dice.Colour(), p.Colour3 = dice.Colour(), p.Colour4 = dice.Colour();
      p.Alpha1 = dice.Real(0, 1), p.Alpha2 = dice.Real(0, 1), p.Alpha3 = dice.Real(0, 1), p.Alpha4 = dice.Real(0, 1);
      p.Amount1 = dice.Real(0, 1), p.Amount2 = dice.Real(0, 1), p.Amount3 = dice.Real(0, 1), p.Amount4 = dice.Real(0, 1);
      p.Sharpness = dice.Real(0, 1);
      p.Seed = static_cast<float>(dice.Int(0, 99999));
      p.Scale = {dice.Real(0.1f, 5), dice.Real(0.1f, 5), dice.Real(0.1f, 5)};
      m->TextureParams = p;
      break;
    }
    case 1: {
      MarbleParams p;
      p.StoneColour = dice.Colour(), p.VeinColour = dice.Colour();
      p.StoneAlpha = dice.Real(0, 1), p.VeinAlpha = dice.Real(0, 1);
      p.Sharpness = dice.Real(0, 1);
      p.Turbulence = dice.Int(0, 20), p.Grain = dice.Int(0, 20), p.Seed = dice.Int(0, 99999);
      p.Scale = {dice.Real(0.1f, 5), dice.Real(0.1f, 5), dice.Real(0.1f, 5)};
      m->TextureParams = p;
      break;
    }
    default: {
      WoodParams p;
      p.SpringColour = dice.Colour(), p.SummerColour = dice.Colour();
      p.SpringAlpha = dice.Real(0, 1), p.SummerAlpha = dice.Real(0, 1);
      p.LdRatio = dice.Real(0, 1), p.RDensity = dice.Real(0, 10);
      p.RWidthVar = dice.Real(0, 1), p.RShapeVar = dice.Real(0, 1);
      p.Grain = dice.Int(0, 20), p.Seed = dice.Int(0, 99999);
      p.Center = {dice.Real(-2, 2), dice.Real(-2, 2), dice.Real(-2, 2)};
      p.Scale = {dice.Real(0.1f, 5), dice.Real(0.1f, 5), dice.Real(0.1f, 5)};
      m->TextureParams = p;
      break;
    }
  }
  return m;
}

std::unique_ptr<CMaterial> RandomMaterial(Dice& dice) {
  if (dice.Chance(40)) return ProceduralMaterial(dice);
  auto m = std::make_unique<CMaterial>();
  ShadeRandomly(dice, *m);
  AddMaps(dice, *m, true);
  return m;
}

CFace RandomFace(Dice& dice, int vertices, int uvs, int materials, bool hole) {
  CFace face;
  face.VertexCount = hole ? 3 : dice.Int(3, 6);
  if (hole) face.Flags = CFace::kHoleFlag;
  if (!hole) face.MaterialIndex = dice.Int(0, materials - 1);
  for (int k = 0; k < face.VertexCount; ++k) {
    face.VertexIndices.push_back(static_cast<std::uint32_t>(dice.Int(0, vertices - 1)));
    face.UvIndices.push_back(static_cast<std::uint32_t>(dice.Int(0, uvs - 1)));
  }
  return face;
}

// A mesh of loose random faces; every `hole_every`-th face (0: none) is
// followed by a hole. The transform scales and moves it, so the import bakes.
std::unique_ptr<CPolyChunk> RandomObject(Dice& dice, const std::string& name, int faces, int hole_every) {
  auto object = std::make_unique<CPolyChunk>();
  object->Name = name;
  object->Axis.Center = {dice.Real(-3, 3), dice.Real(-3, 3), dice.Real(-3, 3)};
  object->Axis.XAxis = {1, 0, 0};
  object->Axis.YAxis = {0, 1, 0};
  object->Axis.ZAxis = {0, 0, 1};
  const float scale = dice.Real(0.5f, 2);
  object->Axis.Row0 = {scale, 0, 0};
  object->Axis.Row1 = {0, scale, 0};
  object->Axis.Row2 = {0, 0, scale};
  object->Axis.Translation = {dice.Real(-5, 5), dice.Real(-5, 5), dice.Real(-5, 5)};
  const int vertices = dice.Int(4, 30);
  const int uvs = dice.Int(1, 8);
  for (int i = 0; i < vertices; ++i) {
    object->AddOwnedVertex({dice.Real(-5, 5, 6), dice.Real(-5, 5, 6), dice.Real(-5, 5, 6)});
  }
  for (int i = 0; i < uvs; ++i) object->AddOwnedUvPoint({dice.Real(0, 1, 6), dice.Real(0, 1, 6)});
  const int materials = dice.Int(1, 4);
  for (int i = 0; i < materials; ++i) {
    object->Materials.push_back(RandomMaterial(dice));
    object->Materials.back()->ParentId = object->Id;
  }
  for (int i = 0; i < faces; ++i) {
    object->AddOwnedFace(RandomFace(dice, vertices, uvs, materials, false));
    if (hole_every > 0 && i % hole_every == 0) {
      object->AddOwnedFace(RandomFace(dice, vertices, uvs, materials, true));
      ++object->HoleCount;
    }
  }
  if (dice.Chance(70)) {
    object->Unit = std::make_unique<CUnit>();
    object->Unit->ParentId = object->Id;
    object->Unit->Units = dice.Int(0, 5);
  }
  object->VertexTotal = vertices;
  object->UvTotal = uvs;
  object->FaceTotal = static_cast<std::int32_t>(object->Faces.size());
  return object;
}

std::string ObjectFileText(const CPolyChunk& object) {
  std::ostringstream text;
  {
    CobWriter out(text);
    NoProgress progress;
    const CCobBase* objects[] = {&object};
    WriteObjects(out, objects, progress);
  }
  return text.str();
}

std::filesystem::path WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

struct Settings {
  std::vector<OptionSetting> sets;
  void Add(const std::string& name, const std::string& value) { sets.push_back({name, value}); }
  void Add(const std::string& name, int value) { Add(name, std::to_string(value)); }
  void AddReal(const std::string& name, float value) {
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text << value;
    Add(name, text.str());
  }
};

void MotionSettings(Dice& dice, Settings& s, int faces) {
  const int frames = dice.Int(1, 40);
  s.Add("MinPieces", dice.Int(1, faces));
  s.Add("FrameCount", frames);
  s.Add("ToggleDirection", dice.Int(0, 1));
  s.Add("PercentRotation", dice.Int(0, 100));
  s.Add("Direction", dice.Int(0, 1));
  s.AddReal("ExplosionDistance", dice.Real(0.1f, 20));
  s.Add("PathType", dice.Int(0, 2));
  s.Add("DelayFrames", dice.Int(0, 5));
  for (const char* axes : {"PositionAxes", "RotationAxes", "ScaleAxes"}) {
    for (const char* axis : {".x", ".y", ".z"}) s.Add(std::string(axes) + axis, dice.Int(0, 1));
  }
  for (const char* sign : {"PositionSigns.minus", "PositionSigns.plus", "RotationSigns.plus",
                           "RotationSigns.minus"}) {
    s.Add(sign, dice.Int(0, 1));
  }
  s.Add("Stagger", dice.Int(0, 1));
  s.Add("StaggerPieces", dice.Int(1, 5));
  s.AddReal("ScaleStart", dice.Real(0.1f, 3));
  s.AddReal("ScaleEnd", dice.Real(0.1f, 3));
  const int scale_start = dice.Int(0, frames / 2);
  s.Add("ScaleStartFrame", scale_start);
  s.Add("ScaleEndFrame", dice.Int(scale_start, frames));
  s.Add("Gravity", dice.Int(0, 1));
  s.AddReal("GroundZ", -dice.Real(1, 10));
  s.Add("BounceCount", dice.Int(1, 5));
  s.AddReal("ReboundScale", dice.Real(0.1f, 2));
}

void ParticleSettings(Dice& dice, Settings& s, int frames_hint) {
  s.Add("Particles", 1);
  s.Add("OutputMode", dice.Int(1, 2));
  s.AddReal("ParticleScaleStart", dice.Real(0.1f, 3));
  s.AddReal("ParticleScaleEnd", dice.Real(0.1f, 3));
  s.AddReal("ParticleScaleGlobal", dice.Real(0.1f, 3));
  const float low = dice.Real(0.1f, 2);
  s.AddReal("ParticleRandomScaleMin", low);
  s.AddReal("ParticleRandomScaleMax", low + dice.Real(0, 2));
  const int start = dice.Int(0, frames_hint / 2);
  s.Add("ParticleScaleStartFrame", start);
  s.Add("ParticleScaleEndFrame", dice.Int(start, frames_hint));
  s.Add("InheritTexture", dice.Int(0, 1));
  s.Add("ParticleOrigin", dice.Int(0, 1));
  s.Add("AutoScale", dice.Int(0, 1));
}

std::string Describe(const Settings& s) {
  std::string text;
  for (const OptionSetting& set : s.sets) text += " " + set.name + "=" + set.value;
  return text;
}

}  // namespace

RandomExport RunRandomExport(std::uint32_t seed, const std::filesystem::path& folder, const GltfOptions* gltf) {
  RandomExport result;
  result.seed = seed;
  Dice dice(seed);
  const int faces = dice.Int(2, 40);
  const bool holes = dice.Chance(30);
  const auto object = RandomObject(dice, "Thing", faces, holes ? dice.Int(1, 5) : 0);
  const auto input = WriteFile(folder / "object.cob", ObjectFileText(*object));
  std::vector<std::string> particle_paths;
  for (int i = 0, n = dice.Chance(50) ? dice.Int(1, 3) : 0; i < n; ++i) {
    const auto particle = RandomObject(dice, "Spark" + std::to_string(i), dice.Int(1, 3), 0);
    particle_paths.push_back(
        WriteFile(folder / ("particle" + std::to_string(i) + ".cob"), ObjectFileText(*particle)).string());
  }
  const auto output = folder / "exploded.cob";

  FakePlatform platform;
  platform.open_answers.push_back(input.string());
  platform.save_answers.push_back(output.string());
  auto doc = std::make_unique<CBrkDoc>(platform, seed);
  if (!doc->ImportCommand()) {
    result.error = "import failed: " + (platform.messages.empty() ? "" : platform.messages.back());
    return result;
  }
  if (!particle_paths.empty()) doc->LoadParticleFiles(particle_paths, 1);

  Settings settings;
  MotionSettings(dice, settings, doc->ImportedObject->FaceTotal);
  if (doc->CurrentParticle != nullptr && dice.Chance(70)) ParticleSettings(dice, settings, 40);
  result.description = Describe(settings);
  ExplosionOptions& options = doc->Options;
  options.ObjectFaces = doc->ImportedObject->FaceTotal;
  options.OutputMode = doc->ActiveOutputMode;
  options.ParticleScaleGlobal = doc->ActiveGlobalScale;
  if (auto refused = ApplySheetAsCommandLine(options, settings.sets)) {
    result.error = "options refused: " + *refused;
    return result;
  }
  doc->ActiveOutputMode = options.OutputMode;
  doc->ActiveGlobalScale = options.ParticleScaleGlobal;

  for (int step = 0, steps = doc->CanReorderFaces ? dice.Int(0, 2) : 0; step < steps; ++step) {
    if (dice.Chance(50)) {
      doc->ShuffleCommand(dice.Int(0, 2));
      result.description += " shuffle";
    } else {
      const int descending = dice.Int(0, 1), axis = dice.Int(0, 2);
      doc->SortCommand(descending, axis);
      result.description += " sort(" + std::to_string(descending) + "," + std::to_string(axis) + ")";
    }
  }

  result.imported_faces = doc->ImportedObject->FaceTotal;
  result.imported_vertices = doc->ImportedObject->VertexTotal;
  result.output_mode = doc->ActiveOutputMode;
  result.with_particles = doc->ActiveOutputMode > 0 && doc->CurrentParticle != nullptr;
  const auto gltf_output = folder / "exploded.glb";
  if (gltf != nullptr) {
    doc->GltfSettings = *gltf;
    doc->GltfAlsoPath = gltf_output.string();
  }
  const ExportOutcome outcome = doc->ExportCommand();
  if (outcome != ExportOutcome::Written) {
    result.error = "export failed: " + (platform.messages.empty() ? "" : platform.messages.back());
    return result;
  }
  result.text = ReadFileBytes(output);
  if (gltf != nullptr) result.gltf = ReadFileBytes(gltf_output);
  return result;
}

std::string WrittenAgain(const ExplodedFile& file) {
  const std::int32_t saved = ChunkIdCounter::Current();
  std::ostringstream text;
  {
    CobWriter out(text);
    out << kOutputSignature;
    out.EndLine();
    for (const ExplodedGroup& group : file.Groups) {
      group.Group->WriteGroup(out, false);
      for (const ExplodedObject& object : group.Objects) {
        object.Mesh->Write(out);
        object.Channel->Write(out);
      }
    }
    out << kEndLine;
  }
  ChunkIdCounter::Reset(saved);
  return text.str();
}

std::string WithChannelIdsMasked(std::string_view text) {
  static const std::regex kChannelId("(Chan V[0-9.]+ Id )-?[0-9]+");
  return std::regex_replace(std::string(text), kChannelId, "$1#");
}

std::string FirstDifference(std::string_view got, std::string_view want) {
  std::size_t line = 1;
  std::size_t at = 0;
  while (at < got.size() && at < want.size() && got[at] == want[at]) {
    if (got[at] == '\n') ++line;
    ++at;
  }
  if (at == got.size() && at == want.size()) return {};
  const auto line_at = [at](std::string_view text) {
    const std::size_t start = text.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t from = start == std::string_view::npos || at == 0 ? 0 : start + 1;
    return std::string(text.substr(from, text.find('\n', from) - from));
  };
  return "line " + std::to_string(line) + " is \"" + line_at(got) + "\" where \"" +
         line_at(want) + "\" was expected";
}

}  // namespace bk::testing
