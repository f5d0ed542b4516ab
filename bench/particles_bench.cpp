// The particle pass on a 100,000-vertex object with a small template, and the
// export of the resulting group to a temporary file.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <span>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/poly_chunk.h"
#include "engine/particles.h"
#include "model/progress.h"
#include "model/random.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

std::unique_ptr<bk::CPolyChunk> MakeCube() {
  auto cube = std::make_unique<bk::CPolyChunk>();
  for (int i = 0; i < 8; ++i) {
    cube->AddOwnedVertex(bk::CVector(i & 1 ? 0.5f : -0.5f, i & 2 ? 0.5f : -0.5f, i & 4 ? 0.5f : -0.5f));
  }
  cube->AddOwnedUvPoint(bk::CUvPoint(0, 0));
  const std::uint32_t quads[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1},
                                     {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
  for (const auto& quad : quads) {
    bk::CFace face;
    face.VertexCount = 4;
    face.VertexIndices.assign(quad, quad + 4);
    face.UvIndices.assign(4, 0);
    cube->AddOwnedFace(std::move(face));
  }
  cube->VertexTotal = 8;
  cube->UvTotal = 1;
  cube->FaceTotal = 6;
  cube->Materials.push_back(std::make_unique<bk::CMaterial>());
  cube->Axis.Row0 = bk::CVector(1, 0, 0);
  cube->Axis.Row1 = bk::CVector(0, 1, 0);
  cube->Axis.Row2 = bk::CVector(0, 0, 1);
  return cube;
}

}  // namespace

int main() {
  constexpr int kVertices = 100000;
  auto imported = std::make_unique<bk::CPolyChunk>();
  std::mt19937 gen(5);
  std::uniform_real_distribution<float> coord(-10.0f, 10.0f);
  for (int i = 0; i < kVertices; ++i) imported->AddOwnedVertex(bk::CVector(coord(gen), coord(gen), coord(gen)));
  imported->VertexTotal = kVertices;
  auto cube = MakeCube();

  bk::ExplosionOptions options;
  options.OutputMode = 2;
  options.UpdateDerivedValues();
  bk::MotionContext motion;
  bk::CRandom random(1u);
  bk::LoadMotionSettings(motion, options, *imported);
  bk::CGroup exploded;
  const bk::CPolyChunk* objects[] = {cube.get()};
  bk::ParticleInputs inputs{*imported, *cube, objects, 2, 1.0f};
  bk::NoProgress quiet;

  auto start = Clock::now();
  bk::GroupResult result = bk::ExplodeParticles(inputs, exploded, bk::MotionInputs{motion, options, random}, quiet);
  const double explodeSeconds = Seconds(start);
  if (result.outcome() != bk::RunOutcome::Done) {
    std::printf("particle pass failed\n");
    return 1;
  }
  std::printf("ExplodeParticles, %d particles: %.4f s\n", kVertices, explodeSeconds);

  const auto path = std::filesystem::temp_directory_path() / "burstkin_particles_bench.cob";
  start = Clock::now();
  bool ok = false;
  {
    std::ofstream file(path, std::ios::binary);
    bk::CobWriter writer(file);
    const bk::ExplodedGroup* groups[] = {&result.group};
    ok = bk::WriteGroups(writer, groups, quiet).ok();
  }
  const double writeSeconds = Seconds(start);
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(path, ec);
  std::printf("WriteGroups: %.4f s, %.1f MB%s\n", writeSeconds, static_cast<double>(bytes) / 1e6,
              ok ? "" : " (write failed)");
  std::filesystem::remove(path, ec);
  return ok ? 0 : 1;
}
