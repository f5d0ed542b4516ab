#include "cli/info_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <variant>

#include "cli/console_platform.h"
#include "cli/explode_command.h"
#include "cob/cob_file.h"
#include "cob/pr_material.h"
#include "formats/mesh_import.h"
#include "cob/unit.h"
#include "doc/brk_doc.h"

namespace bk::cli {

namespace {

// What `explode` with the same options and seed makes of the object.
struct PieceCount {
  std::size_t pieces = 0;
  std::uint32_t seed = 0;
};

struct Box {
  bool empty = true;
  CVector min;
  CVector max;
};

// A 32-bit float as the double with its shortest decimal form, so the JSON
// shows 22.384045 rather than the float's full binary expansion.
double ShortestDouble(float value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  double result = 0.0;
  std::from_chars(text, end, result);
  return result;
}

nlohmann::json JsonPoint(CVector v) {
  return {ShortestDouble(v.x), ShortestDouble(v.y), ShortestDouble(v.z)};
}

Box BoundingBox(const CPolyChunk& object) {
  Box box;
  for (const CVector* v : object.Vertices) {
    if (v == nullptr) continue;
    if (box.empty) {
      box.min = box.max = *v;
      box.empty = false;
      continue;
    }
    box.min = CVector{std::min(box.min.x, v->x), std::min(box.min.y, v->y), std::min(box.min.z, v->z)};
    box.max = CVector{std::max(box.max.x, v->x), std::max(box.max.y, v->y), std::max(box.max.z, v->z)};
  }
  return box;
}

const char* TextureName(int kind) {
  switch (kind) {
    case 0: return "granite";
    case 1: return "marble";
    case 2: return "wood";
    default: return "none";
  }
}

void AddMap(std::string& text, const char* label, const std::shared_ptr<const std::string>& name) {
  if (!name || name->empty()) return;
  text += std::string(", ") + label + " map " + *name;
}

const char* FormName(FileForm form) { return form == FileForm::kBinary ? "binary" : "ASCII"; }

// What the reader stepped over is known for binary files only.
std::string SkippedList(const MeshImportResult& result) {
  std::string text;
  for (const std::string& kind : result.skipped_chunk_kinds) {
    text += (text.empty() ? "" : ", ") + kind;
  }
  return text.empty() ? "none" : text;
}

void PrintText(const MeshImportResult& imported, const Box& box, const PieceCount& count) {
  const CPolyChunk& object = *imported.object;
  std::cout << "Format: " << FormatLabel(imported.format) << '\n';
  if (imported.format == MeshFormat::Cob) {
    std::cout << "Form: " << FormName(imported.form) << '\n';
    if (imported.form == FileForm::kBinary) {
      std::cout << "Skipped chunks: " << SkippedList(imported) << '\n';
    }
  }
  std::cout << "Name: " << object.Name << '\n'
            << "Vertices: " << object.VertexTotal << '\n'
            << "Texture vertices: " << object.UvTotal << '\n'
            << "Faces: " << object.FaceTotal << '\n'
            << "Holes: " << object.HoleCount << '\n'
            << "Materials: " << object.Materials.size() << '\n';
  int n = 0;
  for (const auto& material : object.Materials) {
    std::string line = "  " + std::to_string(++n) + ". ";
    if (const auto* procedural = dynamic_cast<const CPrMaterial*>(material.get())) {
      line += std::string("PrTx, ") + TextureName(procedural->TextureKind()) + " texture";
    } else {
      line += "Mat1";
      AddMap(line, "texture", material->TextureName);
    }
    AddMap(line, "bump", material->BumpName);
    AddMap(line, "environment", material->EnvironmentName);
    std::cout << line << '\n';
  }
  std::cout << "Unit: ";
  if (object.Unit) {
    std::cout << object.Unit->Units << '\n';
  } else {
    std::cout << "none\n";
  }
  std::cout << "Bounding box: ";
  if (box.empty) {
    std::cout << "none\n";
  } else {
    std::cout << "(" << box.min.x << ", " << box.min.y << ", " << box.min.z << ") to (" << box.max.x
              << ", " << box.max.y << ", " << box.max.z << ")\n";
  }
  std::cout << "Pieces: " << count.pieces << " (seed " << count.seed << ")\n";
  for (const std::string& note : imported.notes) std::cout << "Note: " << note << '\n';
}

void PrintJson(const MeshImportResult& imported, const Box& box, const PieceCount& count) {
  const CPolyChunk& object = *imported.object;
  nlohmann::json materials = nlohmann::json::array();
  for (const auto& material : object.Materials) {
    if (const auto* procedural = dynamic_cast<const CPrMaterial*>(material.get())) {
      materials.push_back({{"kind", "PrTx"}, {"texture", TextureName(procedural->TextureKind())}});
    } else {
      materials.push_back({{"kind", "Mat1"}});
    }
  }
  nlohmann::json out;
  out["format"] = FormatKey(imported.format);
  if (imported.format == MeshFormat::Cob) {
    out["form"] = imported.form == FileForm::kBinary ? "binary" : "ascii";
    if (imported.form == FileForm::kBinary) out["skipped"] = imported.skipped_chunk_kinds;
  }
  out["name"] = object.Name;
  out["vertices"] = object.VertexTotal;
  out["uvs"] = object.UvTotal;
  out["faces"] = object.FaceTotal;
  out["holes"] = object.HoleCount;
  out["materials"] = materials;
  out["unit"] = object.Unit ? nlohmann::json(object.Unit->Units) : nlohmann::json(nullptr);
  if (box.empty) {
    out["bbox"] = nullptr;
  } else {
    out["bbox"] = {{"min", JsonPoint(box.min)}, {"max", JsonPoint(box.max)}};
  }
  out["pieces"] = count.pieces;
  out["seed"] = count.seed;
  out["notes"] = imported.notes;
  // A name is file bytes, not necessarily UTF-8: replace what JSON cannot hold
  // rather than fail.
  std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

// Counts the pieces by exploding the document's object as `explode` would.
// 1, 2 or 130 for the exit status when there is no count (the reason said).
std::variant<std::size_t, int> CountPieces(CBrkDoc& doc, ConsolePlatform& platform, const InfoSettings& settings) {
  if (!ApplyOptionSettings(doc, settings.sets)) return kExitBadArguments;
  const std::optional<std::size_t> pieces = doc.CountPieces();
  platform.ClearProgressLine();
  if (ConsolePlatform::Interrupted()) {
    std::cerr << "burstkin-cli: Interrupted.\n";
    return kExitInterrupted;
  }
  if (!pieces) return kExitFailed;
  return *pieces;
}

}  // namespace

int RunInfo(const InfoSettings& settings) {
  MeshImportResult result = ImportAnyObject(settings.path, settings.import);
  if (!result.object) {
    std::cerr << "burstkin-cli: " << result.error << '\n';
    return kExitFailed;
  }
  const Box box = BoundingBox(*result.object);
  ConsolePlatform::CatchInterrupts();
  ConsolePlatform platform({settings.path, {}, {}}, false);
  const std::uint32_t seed = SeedOrNow(settings.seed);
  // The document is large (it carries the motion context); keep it off the stack.
  auto doc = std::make_unique<CBrkDoc>(platform, seed);
  doc->ImportedObject = std::move(result.object);  // lent for the count
  const std::variant<std::size_t, int> pieces = CountPieces(*doc, platform, settings);
  result.object = std::move(doc->ImportedObject);
  if (const int* status = std::get_if<int>(&pieces)) return *status;
  if (!doc->ShellNote().empty()) result.notes.push_back(doc->ShellNote());
  const PieceCount count{std::get<std::size_t>(pieces), seed};
  if (settings.json) {
    PrintJson(result, box, count);
  } else {
    PrintText(result, box, count);
  }
  return 0;
}

void AddInfoCommand(CLI::App& app, InfoSettings& settings, std::function<int()>& run) {
  CLI::App* info = app.add_subcommand(
      "info", "Import FILE as the Import command does and print a summary of the object, with the "
      "number of pieces explode makes of it with the same --seed and --set.");
  info->add_option("FILE", settings.path,
                   "an object file: trueSpace *.cob (ASCII or binary), glTF *.glb/*.gltf or *.obj")
      ->required();
  info->add_flag("--json", settings.json,
                 "print one JSON object: format, form and skipped (.cob), name, vertices, uvs, "
                 "faces, holes, materials, unit, bbox, pieces, seed, notes");
  AddUpOption(*info, settings.import);
  // The piece count is the one `explode` gives with the same options and seed.
  AddSeedAndSetOptions(*info, settings.seed, settings.sets);
  info->callback([&settings, &run] { run = [&settings] { return RunInfo(settings); }; });
}

void AddUpOption(CLI::App& command, MeshImportSettings& settings) {
  command
      .add_option_function<std::string>(
          "--up", [&settings](const std::string& axis) { settings.ObjUp = axis == "z" ? UpAxis::Z : UpAxis::Y; },
          "the up axis of an OBJ file: y (default, as most tools write it) or z (glTF is always "
          "y-up, a .cob z-up)")
      ->check(CLI::IsMember({"y", "z"}));
}

}  // namespace bk::cli
