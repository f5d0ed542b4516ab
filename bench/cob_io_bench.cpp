// Times the import and the writing of large generated objects and compares
// them with a plain read of the same file; then imports the same object from
// the binary form.
//
// usage: cob_io_bench [VERTICES [FACES [MATERIALS]]]
//   defaults: 1000000 vertices, 2000000 faces, 8 materials.
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "cob/cob_file.h"
#include "cob/material.h"
#include "cob/pr_material.h"
#include "cob/poly_chunk.h"
#include "model/progress.h"
#include "support/binary_cob_writer.h"

namespace {

using Clock = std::chrono::steady_clock;

// Wall time, and the process's CPU time (which a busy machine disturbs less).
struct Stopwatch {
  Clock::time_point wall = Clock::now();
  std::clock_t cpu = std::clock();
  double Wall() const { return std::chrono::duration<double>(Clock::now() - wall).count(); }
  double Cpu() const { return static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC; }
};

// A grid mesh: vertices on a wavy sheet, triangles between grid neighbours.
std::unique_ptr<bk::CPolyChunk> MakeObject(long vertex_count, long face_count, int materials) {
  auto object = std::make_unique<bk::CPolyChunk>();
  object->Name = "BenchObject";
  object->Axis.XAxis = {1, 0, 0};
  object->Axis.YAxis = {0, 1, 0};
  object->Axis.ZAxis = {0, 0, 1};
  object->Axis.Row0 = {1, 0, 0};
  object->Axis.Row1 = {0, 1, 0};
  object->Axis.Row2 = {0, 0, 1};
  long side = 2;
  while (side * side < vertex_count) ++side;
  for (long i = 0; i < vertex_count; ++i) {
    const float x = static_cast<float>(i % side) * 0.731f - 120.5f;
    const float y = static_cast<float>(i / side) * 0.517f - 80.25f;
    object->AddOwnedVertex({x, y, static_cast<float>((i * 7919) % 10007) * 0.00123f});
    object->AddOwnedUvPoint({static_cast<float>(i % side) / static_cast<float>(side),
                             static_cast<float>(i / side) / static_cast<float>(side)});
  }
  for (long f = 0; f < face_count; ++f) {
    const auto a = static_cast<std::uint32_t>((f / 2) % (vertex_count - side - 1));
    bk::CFace face;
    face.VertexCount = 3;
    face.MaterialIndex = static_cast<std::int32_t>(f % materials);
    if (f % 2 == 0) {
      face.VertexIndices = {a, a + 1, a + static_cast<std::uint32_t>(side)};
    } else {
      face.VertexIndices = {a + 1, a + static_cast<std::uint32_t>(side) + 1,
                            a + static_cast<std::uint32_t>(side)};
    }
    face.UvIndices = face.VertexIndices;
    object->AddOwnedFace(std::move(face));
  }
  object->VertexTotal = static_cast<std::int32_t>(vertex_count);
  object->UvTotal = static_cast<std::int32_t>(vertex_count);
  object->FaceTotal = static_cast<std::int32_t>(face_count);
  for (int m = 0; m < materials; ++m) {
    std::unique_ptr<bk::CMaterial> material;
    if (m % 2 == 0) {
      material = std::make_unique<bk::CMaterial>();
    } else {
      auto procedural = std::make_unique<bk::CPrMaterial>();
      procedural->TextureParams = bk::WoodParams{};
      material = std::move(procedural);
    }
    material->MaterialNumber = static_cast<std::uint8_t>(m);
    material->ParentId = object->Id;
    object->Materials.push_back(std::move(material));
  }
  object->Unit = std::make_unique<bk::CUnit>();
  object->Unit->ParentId = object->Id;
  object->Unit->Units = 2;
  return object;
}

// The object in the binary form, every material as a Mat1 chunk.
std::string BinaryBytes(const bk::CPolyChunk& object) {
  bk::testing::BinaryCobWriter out;
  out.PolyChunk(object);
  if (object.Unit) out.UnitChunk(*object.Unit);
  for (const auto& material : object.Materials) out.MaterialChunk(*material);
  out.EndOfFile();
  return out.bytes();
}

// Imports the object from a binary file and from its bytes in memory, and
// prints both beside the ASCII file's import time.
int RunBinaryImport(const bk::CPolyChunk& object, const std::filesystem::path& path,
                    double ascii_import_seconds) {
  const std::string bytes = BinaryBytes(object);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  const double megabytes = static_cast<double>(bytes.size()) / 1e6;

  Stopwatch watch;
  bk::ImportResult imported = bk::ImportObject(path.string());
  const double file_seconds = watch.Wall(), file_cpu = watch.Cpu();
  imported.object.reset();
  watch = Stopwatch();
  bk::ImportResult parsed = bk::ImportObjectFromText(bytes);
  const double bytes_seconds = watch.Wall(), bytes_cpu = watch.Cpu();
  if (std::getenv("BURSTKIN_BENCH_KEEP") == nullptr) std::filesystem::remove(path);
  if (!imported.error.empty() || !parsed.object) {
    std::fprintf(stderr, "binary import failed: %s%s\n", imported.error.c_str(), parsed.error.c_str());
    return 1;
  }
  std::printf("binary form: file %.1f MB\n", megabytes);
  std::printf("               wall s     MB/s   cpu s  x faster than the ASCII file import\n");
  const auto row = [&](const char* what, double wall, double cpu) {
    std::printf("%-13s %8.3f %8.1f %7.3f %8.1fx\n", what, wall, megabytes / wall, cpu,
                ascii_import_seconds / wall);
  };
  row("binary file", file_seconds, file_cpu);
  row("binary bytes", bytes_seconds, bytes_cpu);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const long vertices = argc > 1 ? std::atol(argv[1]) : 1000000;
  const long faces = argc > 2 ? std::atol(argv[2]) : 2000000;
  const int materials = argc > 3 ? std::atoi(argv[3]) : 8;
  if (vertices < 16 || faces < 1 || materials < 1) {
    std::fprintf(stderr, "usage: cob_io_bench [VERTICES>=16 [FACES>=1 [MATERIALS>=1]]]\n");
    return 2;
  }
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("burstkin_cob_io_bench_" + std::to_string(::getpid()) + ".cob");

  auto object = MakeObject(vertices, faces, materials);
  const bk::CCobBase* objects[] = {object.get()};
  bk::NoProgress progress;

  Stopwatch watch;
  bk::ExportResult written = bk::ExportObjects(path.string(), objects, progress);
  const double write_seconds = watch.Wall(), write_cpu = watch.Cpu();
  if (!written.ok()) {
    std::fprintf(stderr, "write failed: %s\n", written.error.c_str());
    return 1;
  }
  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;

  // A plain read of the same bytes, for scale.
  watch = Stopwatch();
  std::string bytes;
  {
    std::ifstream in(path, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(std::filesystem::file_size(path)));
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  const double read_seconds = watch.Wall(), read_cpu = watch.Cpu();

  watch = Stopwatch();
  bk::ImportResult imported = bk::ImportObject(path.string());
  const double import_seconds = watch.Wall(), import_cpu = watch.Cpu();

  watch = Stopwatch();
  bk::ImportResult parsed = bk::ImportObjectFromText(bytes);
  const double parse_seconds = watch.Wall(), parse_cpu = watch.Cpu();
  if (std::getenv("BURSTKIN_BENCH_KEEP") == nullptr) std::filesystem::remove(path);

  if (!imported.object || !parsed.object) {
    std::fprintf(stderr, "import failed: %s\n", imported.error.c_str());
    return 1;
  }
  std::printf("object: %ld vertices, %ld faces, %d materials; file %.1f MB\n", vertices, faces,
              materials, megabytes);
  std::printf("               wall s     MB/s   cpu s  MB/s(cpu)  x plain read\n");
  const auto row = [&](const char* what, double wall, double cpu) {
    std::printf("%-13s %8.3f %8.1f %7.3f %9.1f %8.1fx\n", what, wall, megabytes / wall, cpu,
                cpu > 0 ? megabytes / cpu : 0.0, wall / read_seconds);
  };
  row("plain read", read_seconds, read_cpu);
  row("write", write_seconds, write_cpu);
  row("import file", import_seconds, import_cpu);
  row("import text", parse_seconds, parse_cpu);
  imported.object.reset();
  parsed.object.reset();
  return RunBinaryImport(*object, path, import_seconds);
}
