#include "cli/info_command.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <iostream>

#include "cob/cob_file.h"
#include "cob/pr_material.h"
#include "formats/mesh_import.h"
#include "cob/unit.h"

namespace bk::cli {

namespace {

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

void PrintText(const MeshImportResult& imported, const Box& box) {
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
  for (const std::string& note : imported.notes) std::cout << "Note: " << note << '\n';
}

void PrintJson(const MeshImportResult& imported, const Box& box) {
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
  out["notes"] = imported.notes;
  // A name is file bytes, not necessarily UTF-8: replace what JSON cannot hold
  // rather than fail.
  std::cout << out.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
}

}  // namespace

int RunInfo(const InfoSettings& settings) {
  const MeshImportResult result = ImportAnyObject(settings.path, settings.import);
  if (!result.object) {
    std::cerr << "burstkin-cli: " << result.error << '\n';
    return 1;
  }
  const Box box = BoundingBox(*result.object);
  if (settings.json) {
    PrintJson(result, box);
  } else {
    PrintText(result, box);
  }
  return 0;
}

void AddInfoCommand(CLI::App& app, InfoSettings& settings, std::function<int()>& run) {
  CLI::App* info = app.add_subcommand(
      "info", "Import FILE as the Import command does and print a summary of the object.");
  info->add_option("FILE", settings.path,
                   "an object file: trueSpace *.cob (ASCII or binary), glTF *.glb/*.gltf or *.obj")
      ->required();
  info->add_flag("--json", settings.json,
                 "print one JSON object: format, form and skipped (.cob), name, vertices, uvs, "
                 "faces, holes, materials, unit, bbox, notes");
  AddUpOption(*info, settings.import);
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
