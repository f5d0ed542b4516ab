// glTF export beside the .cob export of the same explosion.
//
//   gltf_bench [FACES] [keys]
//
// Builds a UV sphere of about FACES quads (default 1,000,000), explodes it at
// MinPieces 20, 1000 and a fifth of the faces, and times: writing the .cob,
// writing the same explosion as .glb from memory (default options: curved
// channels sampled per frame; with `keys`, --gltf-sampling keys), and the route of `explode --gltf` (read the
// .cob back, then write the .glb). Prints seconds and sizes; the .glb time
// is also split into making meshes, curves and JSON sections ("build s") and
// assembling the file from them ("assemble s"), and "glb/cob" is the ratio
// of the two write times. The writes are timed in five pairs (.cob, then
// .glb, each started once all written before is on disk): each time is the
// median over the pairs, and "glb/cob" the median of the pairs' own ratios. "cob +MB" and "glb +MB" are the peak memory each
// write adds to the explosion already in memory, measured by running it once
// more in a child process. "cob cpu" and "glb cpu" are the processor seconds
// (user and system, all threads) each write took: on a machine with two
// cores, half of that is the least wall time a write can take.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "bench_objects.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/exploded_file.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "engine/explosion.h"
#include "gltf/gltf_export.h"
#include "model/progress.h"
#include "model/random.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Megabytes(const std::filesystem::path& path) {
  return static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}

constexpr int kPairs = 5;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long ResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
  }
  return 0;
}

// The peak memory, in MB, that `write` adds to what this process holds now:
// it runs in a forked child, whose peak resident size starts at ours.
template <typename Write>
double PeakExtraMegabytes(Write write) {
  const long before = ResidentKilobytes();
  const pid_t child = fork();
  if (child == 0) _exit(write() ? 0 : 1);
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) != child || status != 0) return -1.0;
  return static_cast<double>(usage.ru_maxrss - before) / 1024.0;
}

// rings x segments quads on a sphere of radius 10 (the poles are quads with
// two corners in one point, as modellers make them).
std::unique_ptr<bk::CPolyChunk> MakeSphere(int rings, int segments) {
  auto object = bench::NewObject("Sphere");
  for (int j = 0; j <= rings; ++j) {
    const double theta = std::numbers::pi * j / rings;
    for (int i = 0; i < segments; ++i) {
      const double phi = 2 * std::numbers::pi * i / segments;
      object->AddOwnedVertex({static_cast<float>(10 * std::sin(theta) * std::cos(phi)),
                              static_cast<float>(10 * std::sin(theta) * std::sin(phi)),
                              static_cast<float>(10 * std::cos(theta))});
    }
  }
  object->AddOwnedUvPoint({0, 0});
  for (int j = 0; j < rings; ++j) {
    for (int i = 0; i < segments; ++i) {
      const auto a = static_cast<std::uint32_t>(j * segments + i);
      const auto b = static_cast<std::uint32_t>(j * segments + (i + 1) % segments);
      bk::CFace face;
      face.VertexCount = 4;
      face.VertexIndices = {a, a + static_cast<std::uint32_t>(segments), b + static_cast<std::uint32_t>(segments), b};
      face.UvIndices = {0, 0, 0, 0};
      object->AddOwnedFace(std::move(face));
    }
  }
  bench::Finish(*object, 0);
  return object;
}

}  // namespace

int main(int argc, char** argv) {
  const long faces_wanted = argc > 1 ? std::atol(argv[1]) : 1000000;
  bk::GltfOptions gltf_options;
  if (argc > 2 && std::string(argv[2]) == "keys") gltf_options.Sampling = bk::GltfSampling::Keys;
  const int side = std::max(4, static_cast<int>(std::sqrt(static_cast<double>(faces_wanted))));
  const auto dir = std::filesystem::temp_directory_path();
  const auto cob_path = dir / "burstkin_gltf_bench.cob";
  const auto glb_path = dir / "burstkin_gltf_bench.glb";

  auto sphere = MakeSphere(side, side);
  const int faces = sphere->FaceTotal;
  std::printf("%9s %9s %7s %7s %7s %7s %7s %10s %7s %7s %8s %8s %10s %7s %7s\n", "faces", "MinPieces", "pieces",
              "cob s", "cob MB", "glb s", "build s", "assemble s", "glb MB", "glb/cob", "cob +MB", "glb +MB",
              "read+glb s", "cob cpu", "glb cpu");
  for (int min_pieces : {20, 1000, faces / 5}) {
    bk::ExplosionOptions options;
    options.ObjectFaces = faces;
    options.MinPieces = min_pieces;
    options.Gravity = 1;
    options.UpdateDerivedValues();
    bk::MotionContext motion;
    bk::CRandom random(1);
    bk::NoProgress progress;
    bk::GroupResult result =
        bk::ExplodeObject(*sphere, bk::MotionInputs{motion, options, random}, 0, progress);
    if (result.outcome() != bk::RunOutcome::Done) {
      std::printf("explosion of %d faces failed\n", faces);
      return 1;
    }
    const bk::ExplodedGroup* groups[] = {&result.group};
    auto write_cob = [&] {
      std::ofstream file(cob_path, std::ios::binary | std::ios::trunc);
      bk::CobWriter writer(file);
      const bk::ExportResult written = bk::WriteGroups(writer, groups, progress);
      const bool flushed = writer.Flush();
      if (!written.ok() || !flushed) std::printf("writing the .cob failed: %s\n", written.error.c_str());
      return written.ok() && flushed;
    };
    bk::GltfResult glb;
    auto write_glb = [&] {
      glb = bk::WriteGltf(bk::GltfGroupsOf(groups), glb_path.string(), gltf_options);
      if (!glb.ok()) std::printf("writing the .glb failed: %s\n", glb.error.c_str());
      return glb.ok();
    };
    const double cob_extra = PeakExtraMegabytes(write_cob);
    const double glb_extra = PeakExtraMegabytes(write_glb);
    // Pairs of writes, .cob then .glb, each figure the median over the
    // pairs and the ratio the median of the pairs' own ratios, so that a
    // moment when the machine is busy elsewhere moves neither far. Each
    // write starts once the one before is on disk, so that neither is
    // slowed by the other's data still being written out.
    std::vector<double> cob_times, glb_times, ratios, cob_cpus, glb_cpus, builds, assembles;
    for (int pair = 0; pair < kPairs; ++pair) {
      ::sync();
      double cpu = CpuSeconds();
      auto start = Clock::now();
      if (!write_cob()) return 1;
      cob_times.push_back(SecondsSince(start));
      cob_cpus.push_back(CpuSeconds() - cpu);
      ::sync();
      cpu = CpuSeconds();
      start = Clock::now();
      if (!write_glb()) return 1;
      glb_times.push_back(SecondsSince(start));
      glb_cpus.push_back(CpuSeconds() - cpu);
      ratios.push_back(glb_times.back() / cob_times.back());
      builds.push_back(glb.build_seconds);
      assembles.push_back(glb.write_seconds);
    }
    const double glb_mb = Megabytes(glb_path);

    const auto start = Clock::now();
    const bk::ExplodedReadResult read = bk::ReadExplodedFileAt(cob_path.string());
    if (!read.ok()) {
      std::printf("reading the .cob back failed: %s\n", read.error.c_str());
      return 1;
    }
    glb = bk::WriteGltf(bk::GltfGroupsOf(read.File), glb_path.string(), gltf_options);
    const double round_seconds = SecondsSince(start);
    if (!glb.ok()) {
      std::printf("writing the .glb failed: %s\n", glb.error.c_str());
      return 1;
    }
    std::printf("%9d %9d %7zu %7.3f %7.1f %7.3f %7.3f %10.3f %7.1f %7.2f %8.1f %8.1f %10.3f %7.3f %7.3f\n", faces,
                min_pieces, result.group.Objects.size(), Median(cob_times), Megabytes(cob_path), Median(glb_times),
                Median(builds), Median(assembles), glb_mb, Median(ratios), cob_extra, glb_extra, round_seconds,
                Median(cob_cpus), Median(glb_cpus));
  }
  std::error_code ignored;
  std::filesystem::remove(cob_path, ignored);
  std::filesystem::remove(glb_path, ignored);
  return 0;
}
