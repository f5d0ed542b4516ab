// Times the import of one generated object of about a million triangles as a
// .cob, a .glb and an .obj file, each through the one import entry point.
//
// usage: mesh_import_bench [TRIANGLES]   (default 1000000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "cob/cob_file.h"
#include "cob/poly_chunk.h"
#include "formats/mesh_import.h"
#include "gltf/gltf_export.h"
#include "model/progress.h"

namespace {

using Clock = std::chrono::steady_clock;

// A wavy square grid of side x side vertices cut into triangles, one texture
// vertex per vertex.
std::unique_ptr<bk::CPolyChunk> MakeGrid(long side) {
  auto object = std::make_unique<bk::CPolyChunk>();
  object->Name = "Grid";
  object->Axis.XAxis = object->Axis.Row0 = {1, 0, 0};
  object->Axis.YAxis = object->Axis.Row1 = {0, 1, 0};
  object->Axis.ZAxis = object->Axis.Row2 = {0, 0, 1};
  for (long i = 0; i < side * side; ++i) {
    const float x = static_cast<float>(i % side), y = static_cast<float>(i / side);
    object->AddOwnedVertex({x * 0.5f, y * 0.5f, static_cast<float>((i * 7919) % 101) * 0.01f});
    object->AddOwnedUvPoint({x / static_cast<float>(side), y / static_cast<float>(side)});
  }
  for (long row = 0; row + 1 < side; ++row) {
    for (long col = 0; col + 1 < side; ++col) {
      const auto a = static_cast<std::uint32_t>(row * side + col);
      const auto s = static_cast<std::uint32_t>(side);
      for (const bk::IndexList& corners : {bk::IndexList{a, a + s, a + 1}, bk::IndexList{a + 1, a + s, a + s + 1}}) {
        bk::CFace face;
        face.VertexCount = 3;
        face.VertexIndices = corners;
        face.UvIndices = corners;
        object->AddOwnedFace(face);
      }
    }
  }
  object->Materials.push_back(std::make_unique<bk::CMaterial>());
  object->VertexTotal = object->UvTotal = static_cast<std::int32_t>(object->Vertices.size());
  object->FaceTotal = static_cast<std::int32_t>(object->Faces.size());
  return object;
}

// The OBJ the way most tools write it: Y-up, counter-clockwise faces.
void WriteObj(const bk::CPolyChunk& object, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  char line[128];
  for (const bk::CVector* v : object.Vertices) {
    out.write(line, std::snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", v->x, v->z, -v->y));
  }
  for (const bk::CUvPoint* t : object.UvPoints) {
    out.write(line, std::snprintf(line, sizeof line, "vt %.6f %.6f\n", t->u, t->v));
  }
  for (const bk::CFace* f : object.Faces) {
    const auto& c = f->VertexIndices;
    out.write(line, std::snprintf(line, sizeof line, "f %u/%u %u/%u %u/%u\n", c[0] + 1, c[0] + 1, c[2] + 1,
                                  c[2] + 1, c[1] + 1, c[1] + 1));
  }
}

void TimeImport(const char* label, const std::string& path) {
  const Clock::time_point start = Clock::now();
  const bk::MeshImportResult result = bk::ImportAnyObject(path);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!result.object) {
    std::printf("%-5s failed: %s\n", label, result.error.c_str());
    return;
  }
  const auto bytes = std::filesystem::file_size(path);
  std::printf("%-5s %8.1f MB  %7.3f s  %6.2f M faces/s  (%d vertices, %d faces)\n", label, bytes / 1e6,
              seconds, result.object->FaceTotal / seconds / 1e6, result.object->VertexTotal,
              result.object->FaceTotal);
}

}  // namespace

int main(int argc, char** argv) {
  const long triangles = argc > 1 ? std::atol(argv[1]) : 1000000;
  long side = 2;
  while (2 * (side - 1) * (side - 1) < triangles) ++side;
  const auto object = MakeGrid(side);
  const auto folder = std::filesystem::temp_directory_path() / "burstkin-mesh-import-bench";
  std::filesystem::create_directories(folder);
  const std::string cob = (folder / "grid.cob").string();
  const std::string glb = (folder / "grid.glb").string();
  const std::string obj = (folder / "grid.obj").string();

  bk::NoProgress progress;
  const bk::CCobBase* objects[] = {object.get()};
  if (!bk::ExportObjects(cob, objects, progress).ok()) return 1;
  const std::vector<bk::GltfGroup> groups = {bk::GltfGroup{nullptr, {{object.get(), nullptr, {}}}, {}}};
  if (!bk::WriteGltf(groups, glb, {}).ok()) return 1;
  WriteObj(*object, obj);

  std::printf("import of %ld triangles (%ld vertices):\n", static_cast<long>(object->Faces.size()),
              side * side);
  TimeImport("cob", cob);
  TimeImport("glb", glb);
  TimeImport("obj", obj);
  std::filesystem::remove_all(folder);
  return 0;
}
