// Explode-and-export timings on generated grid objects.
//
//   explode_bench [MAX_FACES]
//
// For objects of 10,000, 100,000 and 1,000,000 quads (only those up to
// MAX_FACES when given), explodes at MinPieces 1 (one piece holds the whole
// object, the worst case for vertex sharing), 20 and a fifth of the faces,
// then writes the group to a temporary file. Prints the explosion time, the
// writing time, the file size and the output rate.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "bench_objects.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"
#include "engine/explosion.h"
#include "model/chunk_id.h"
#include "model/progress.h"
#include "model/random.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A square grid of side x side quads on a gently curved sheet: neighbouring
// faces share vertices and texture vertices, as in a modelled object.
std::unique_ptr<bk::CPolyChunk> MakeGrid(int side) {
  auto object = bench::NewObject("Grid");
  const int n = side + 1;
  for (int j = 0; j < n; ++j) {
    for (int i = 0; i < n; ++i) {
      const float x = static_cast<float>(i) / static_cast<float>(side);
      const float y = static_cast<float>(j) / static_cast<float>(side);
      object->AddOwnedVertex(bk::CVector(x * 10.0f, y * 10.0f, std::sin(x * 6.0f) * std::cos(y * 6.0f)));
      object->AddOwnedUvPoint(bk::CUvPoint(x, y));
    }
  }
  for (int j = 0; j < side; ++j) {
    for (int i = 0; i < side; ++i) {
      bk::CFace face;
      face.VertexCount = 4;
      const auto a = static_cast<std::uint32_t>(j * n + i);
      face.VertexIndices = {a, a + 1, a + 1 + static_cast<std::uint32_t>(n), a + static_cast<std::uint32_t>(n)};
      face.UvIndices = face.VertexIndices;
      object->AddOwnedFace(std::move(face));
    }
  }
  bench::Finish(*object, 1);
  return object;
}

}  // namespace

int main(int argc, char** argv) {
  const long max_faces = argc > 1 ? std::atol(argv[1]) : 1000000;
  const std::filesystem::path out_path =
      std::filesystem::temp_directory_path() / "burstkin_explode_bench.cob";

  std::printf("%10s %10s %8s %10s %10s %10s %10s\n", "faces", "MinPieces", "pieces", "explode s", "write s",
              "MB", "MB/s");
  for (int side : {100, 317, 1000}) {
    if (static_cast<long>(side) * side > max_faces) continue;
    auto object = MakeGrid(side);
    const int faces = object->FaceTotal;
    for (int min_pieces : {1, 20, faces / 5}) {
      bk::ExplosionOptions options;
      options.ObjectFaces = faces;
      options.MinPieces = min_pieces;
      options.UpdateDerivedValues();
      bk::MotionContext motion;
      bk::CRandom random(1);
      bk::NoProgress progress;

      auto start = Clock::now();
      bk::GroupResult result =
          bk::ExplodeObject(*object, bk::MotionInputs{motion, options, random}, 0, progress);
      const double explode_seconds = SecondsSince(start);
      if (result.outcome() != bk::RunOutcome::Done) {
        std::printf("explosion of %d faces failed\n", faces);
        return 1;
      }

      start = Clock::now();
      {
        std::ofstream file(out_path, std::ios::binary | std::ios::trunc);
        bk::CobWriter writer(file);
        const bk::ExplodedGroup* groups[] = {&result.group};
        const bk::ExportResult written = bk::WriteGroups(writer, groups, progress);
        if (!written.ok() || !writer.Flush()) {
          std::printf("writing failed: %s\n", written.error.c_str());
          return 1;
        }
      }
      const double write_seconds = SecondsSince(start);
      const double megabytes = static_cast<double>(std::filesystem::file_size(out_path)) / (1024.0 * 1024.0);
      std::printf("%10d %10d %8zu %10.3f %10.3f %10.1f %10.1f\n", faces, min_pieces,
                  result.group.Objects.size(), explode_seconds, write_seconds, megabytes,
                  megabytes / write_seconds);
    }
  }
  std::error_code ignored;
  std::filesystem::remove(out_path, ignored);
  return 0;
}
