// Solid-cell cutting timings.
//
//   solid_bench [--quick]
//
// Cuts a 20,480-triangle icosphere into 1,000 cells, then a torus of
// 1,000 x 1,000 quads into 10,000 cells (left out with --quick). Prints the
// time of the cut (sites, cells and clipping together), the pieces and faces
// made, and the process's peak memory after each. Then the whole explosion
// of the icosphere into 1,000 solid pieces: the cut, the motion and the
// .cob written to memory.

#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <numbers>

#include <sstream>

#include "bench_objects.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/poly_chunk.h"
#include "engine/explosion.h"
#include "engine/piece_maker.h"
#include "engine/solid_cells.h"
#include "model/progress.h"
#include "model/random.h"

namespace {

using Clock = std::chrono::steady_clock;

void AddFace(bk::CPolyChunk& object, std::initializer_list<std::uint32_t> corners) {
  bk::CFace face;
  face.VertexCount = static_cast<std::int32_t>(corners.size());
  face.VertexIndices = corners;
  face.UvIndices = corners;
  object.AddOwnedFace(std::move(face));
}

std::unique_ptr<bk::CPolyChunk> Icosphere(int subdivisions) {
  auto object = bench::NewObject("Icosphere");
  const double t = (1.0 + std::sqrt(5.0)) / 2.0;
  std::vector<std::array<double, 3>> points = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0},
                                               {0, -1, t}, {0, 1, t}, {0, -1, -t}, {0, 1, -t},
                                               {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
  std::vector<std::array<std::uint32_t, 3>> tris = {
      {0, 11, 5}, {0, 5, 1}, {0, 1, 7}, {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
      {11, 10, 2}, {10, 7, 6}, {7, 1, 8}, {3, 9, 4}, {3, 4, 2}, {3, 2, 6}, {3, 6, 8},
      {3, 8, 9}, {4, 9, 5}, {2, 4, 11}, {6, 2, 10}, {8, 6, 7}, {9, 8, 1}};
  for (int s = 0; s < subdivisions; ++s) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> middle;
    auto mid = [&](std::uint32_t a, std::uint32_t b) {
      auto [it, added] = middle.try_emplace({std::min(a, b), std::max(a, b)}, 0u);
      if (added) {
        points.push_back({(points[a][0] + points[b][0]) / 2, (points[a][1] + points[b][1]) / 2,
                          (points[a][2] + points[b][2]) / 2});
        it->second = static_cast<std::uint32_t>(points.size() - 1);
      }
      return it->second;
    };
    std::vector<std::array<std::uint32_t, 3>> next;
    for (auto [a, b, c] : tris) {
      const std::uint32_t ab = mid(a, b), bc = mid(b, c), ca = mid(c, a);
      next.insert(next.end(), {{a, ab, ca}, {b, bc, ab}, {c, ca, bc}, {ab, bc, ca}});
    }
    tris = std::move(next);
  }
  for (const auto& p : points) {
    const double l = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
    object->AddOwnedVertex(bk::CVector(static_cast<float>(p[0] / l), static_cast<float>(p[1] / l),
                                       static_cast<float>(p[2] / l)));
    object->AddOwnedUvPoint(bk::CUvPoint(static_cast<float>(p[0] / l), static_cast<float>(p[1] / l)));
  }
  for (auto [a, b, c] : tris) AddFace(*object, {a, b, c});
  bench::Finish(*object, 0);
  return object;
}

std::unique_ptr<bk::CPolyChunk> Torus(int around, int across) {
  auto object = bench::NewObject("Torus");
  for (int i = 0; i < around; ++i) {
    for (int j = 0; j < across; ++j) {
      const double a = 2 * std::numbers::pi * i / around, b = 2 * std::numbers::pi * j / across;
      const double r = 2.0 + 0.7 * std::cos(b);
      object->AddOwnedVertex(bk::CVector(static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a)),
                                         static_cast<float>(0.7 * std::sin(b))));
      object->AddOwnedUvPoint(bk::CUvPoint(static_cast<float>(i) / around, static_cast<float>(j) / across));
    }
  }
  auto at = [&](int i, int j) { return static_cast<std::uint32_t>((i % around) * across + (j % across)); };
  for (int i = 0; i < around; ++i) {
    for (int j = 0; j < across; ++j) AddFace(*object, {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
  }
  bench::Finish(*object, 0);
  return object;
}

void Run(const char* what, const bk::CPolyChunk& object, int cells) {
  bk::SolidCellOptions options;
  options.cells = cells;
  bk::CRandom random(1);
  bk::NoProgress progress;
  const auto start = Clock::now();
  const bk::SolidCellsResult result = bk::CutIntoCells(object, options, random, progress, 1);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::size_t faces = 0;
  for (const auto& piece : result.pieces) faces += piece.Faces.size();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("%-36s %7d cells  %8.3f s  %6zu pieces  %9zu faces  peak %6.0f MB  %s\n", what, cells, seconds,
              result.pieces.size(), faces, static_cast<double>(usage.ru_maxrss) / 1024.0,
              result.status.ok() ? "ok" : result.status.error.c_str());
}

void RunExplode(const bk::CPolyChunk& object, int cells) {
  bk::ExplosionOptions options;
  options.PieceShape = 1;
  options.Cells = cells;
  bk::CRandom random(1);
  bk::NoProgress progress;
  bk::MotionContext motion;
  const auto start = Clock::now();
  bk::SolidMakerResult solid = bk::MakeSolidCellMaker(object, options, random, progress);
  if (!solid.status.ok()) {
    std::printf("explode failed: %s\n", solid.status.error.c_str());
    return;
  }
  bk::GroupResult exploded =
      bk::ExplodeObject(object, *solid.maker, bk::MotionInputs{motion, options, random}, 0, progress);
  const double explode_seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::ostringstream text;
  {
    bk::CobWriter writer(text);
    const bk::ExplodedGroup* groups[] = {&exploded.group};
    bk::WriteGroups(writer, groups, progress);
  }
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("%-36s %7d cells  %8.3f s  (explosion %.3f s, .cob %zu bytes)\n", "whole explode of the icosphere",
              cells, seconds, explode_seconds, text.str().size());
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
  const auto sphere = Icosphere(5);
  Run("icosphere, 20,480 triangles", *sphere, 1000);
  RunExplode(*sphere, 1000);
  if (quick) return 0;
  const auto torus = Torus(1000, 1000);
  Run("torus, 1,000,000 quads", *torus, 10000);
  return 0;
}
