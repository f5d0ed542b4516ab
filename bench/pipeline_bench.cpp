// The whole run of the command line on a generated UV sphere, phase by phase:
// import, explosion at a fifth of the faces, export of the .cob.
//
//   pipeline_bench [MAX_FACES]            spheres of 10k, 100k and 1M faces
//   pipeline_bench --write FACES PATH     only writes the sphere's .cob to PATH
//
// For each size it prints:
//   floor s    reading the file and converting every number in it with
//              std::from_chars (nothing kept): what any ASCII import must pay
//   import s   ImportObject, and its ratio to the floor
//   explode s, export s, and explode+export as a ratio to the import
//   peak MB    the peak resident memory of the import and of the whole run,
//              and their ratios to the input file's size
// Each size runs in a child process of its own, so one size's peak cannot
// hide the next one's.

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>

#include "bench_objects.h"
#include "cob/as_written.h"
#include "cob/cob_file.h"
#include "gltf/gltf_export.h"
#include "engine/explosion.h"
#include "engine/explosion_options.h"
#include "model/progress.h"
#include "model/random.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// A figure from /proc/self/status in kB ("VmHWM", "VmRSS"), 0 when unknown.
long StatusKb(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::size_t length = std::strlen(field);
  while (std::getline(status, line)) {
    if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':') {
      return std::atol(line.c_str() + length + 1);
    }
  }
  return 0;
}

// Starts a new peak from what is resident now (Linux 4.0 and later).
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

double PeakMb() { return static_cast<double>(StatusKb("VmHWM")) / 1024.0; }

// rings x segments quads on a sphere of radius 10; each pole is one vertex
// (the polar quads have two corners in it, as modellers make them), and
// every vertex has a texture vertex of its own.
std::unique_ptr<bk::CPolyChunk> MakeSphere(int rings, int segments) {
  auto object = bench::NewObject("Sphere");
  const auto add = [&](double theta, double phi) {
    object->AddOwnedVertex({static_cast<float>(10 * std::sin(theta) * std::cos(phi)),
                            static_cast<float>(10 * std::sin(theta) * std::sin(phi)),
                            static_cast<float>(10 * std::cos(theta))});
    object->AddOwnedUvPoint({static_cast<float>(phi / (2 * std::numbers::pi)),
                             static_cast<float>(theta / std::numbers::pi)});
  };
  add(0, 0);
  for (int j = 1; j < rings; ++j) {
    for (int i = 0; i < segments; ++i) add(std::numbers::pi * j / rings, 2 * std::numbers::pi * i / segments);
  }
  add(std::numbers::pi, 0);
  const auto south = static_cast<std::uint32_t>(object->Vertices.size() - 1);
  // Ring j's vertex i (ring 0 and ring `rings` are the poles).
  const auto at = [&](int j, int i) -> std::uint32_t {
    if (j == 0) return 0;
    if (j == rings) return south;
    return static_cast<std::uint32_t>(1 + (j - 1) * segments + i % segments);
  };
  for (int j = 0; j < rings; ++j) {
    for (int i = 0; i < segments; ++i) {
      bk::CFace face;
      face.VertexCount = 4;
      face.VertexIndices = {at(j, i), at(j + 1, i), at(j + 1, i + 1), at(j, i + 1)};
      face.UvIndices = face.VertexIndices;
      object->AddOwnedFace(std::move(face));
    }
  }
  bench::Finish(*object, 1);
  return object;
}

bool WriteSphere(long faces, const std::string& path) {
  const int side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(faces))));
  const auto sphere = MakeSphere(side, side);
  const bk::CCobBase* objects[] = {sphere.get()};
  bk::NoProgress progress;
  return bk::ExportObjects(path, objects, progress).ok();
}

constexpr bool IsSeparator(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == ',' || c == '<' || c == '>';
}

// Reads the file and converts every number in it with std::from_chars (as a
// float: the integers of the corner lines too), stepping over the words.
// Returns a sum of them, so that nothing can be left out.
double ReadAndConvert(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string text(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  double sum = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while (p < end) {
    if (IsSeparator(*p)) {
      ++p;
    } else if ((*p >= '0' && *p <= '9') || *p == '-') {
      float value = 0;
      const char* next = std::from_chars(p, end, value).ptr;
      sum += value;
      p = next == p ? p + 1 : next;
    } else {
      while (p < end && !IsSeparator(*p)) ++p;
    }
  }
  return sum;
}

// The best of three runs of `phase`, in seconds.
template <typename Phase>
double BestOfThree(Phase phase) {
  double best = 1e30;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    phase();
    best = std::min(best, SecondsSince(start));
  }
  return best;
}

struct Figures {
  double floor = 0, import = 0, explode = 0, write = 0, glb = 0;
  double import_peak = 0, run_peak = 0, input_mb = 0, output_mb = 0;
  std::size_t pieces = 0;
};

// Times the phases on the file at `input`; false when a phase fails.
bool RunPhases(const std::string& input, const std::string& output, Figures& f) {
  f.input_mb = static_cast<double>(std::filesystem::file_size(input)) / (1024.0 * 1024.0);
  double sum = 0;
  f.floor = BestOfThree([&] { sum += ReadAndConvert(input); });
  if (sum == 0.123) std::printf(" ");  // keeps the conversion from being dropped
  f.import = BestOfThree([&] { bk::ImportObject(input); });

  ResetPeak();
  auto start = Clock::now();
  bk::ImportResult imported = bk::ImportObject(input);
  f.import = std::min(f.import, SecondsSince(start));
  f.import_peak = PeakMb();
  if (!imported.object) return false;

  bk::ExplosionOptions options;
  options.ObjectFaces = imported.object->FaceTotal;
  options.ApplyFifthOfFacesRule();
  options.UpdateDerivedValues();
  bk::MotionContext motion;
  bk::CRandom random(1);
  bk::NoProgress progress;
  start = Clock::now();
  // Pieces keep their runs of faces and are cut again as they are written.
  bk::GroupResult result = bk::ExplodeObject(*imported.object, bk::MotionInputs{motion, options, random}, 0, progress);
  f.explode = SecondsSince(start);
  if (result.outcome() != bk::RunOutcome::Done) return false;
  f.pieces = result.group.Objects.size();

  start = Clock::now();
  const bk::ExplodedGroup* groups[] = {&result.group};
  if (!bk::ExportGroups(output, groups, progress).ok()) return false;
  f.write = SecondsSince(start);

  // The .glb that explode --gltf writes beside the .cob, from the same
  // explosion in memory.
  start = Clock::now();
  bk::ExplodedGroup* rounded[] = {&result.group};
  bk::RoundAsWritten(rounded);
  if (!bk::WriteGltf(bk::GltfGroupsOf(groups), output + ".glb", bk::GltfOptions{}).ok()) return false;
  f.glb = SecondsSince(start);
  std::error_code ignored;
  std::filesystem::remove(output + ".glb", ignored);
  f.run_peak = PeakMb();
  f.output_mb = static_cast<double>(std::filesystem::file_size(output)) / (1024.0 * 1024.0);
  return true;
}

void PrintRow(long faces, const Figures& f) {
  std::printf("%8ld %7.1f %7.3f %7.3f %5.2fx %8zu %7.3f %7.3f %5.2fx %7.3f %7.1f %8.1f %5.2fx %8.1f %5.2fx\n", faces,
              f.input_mb, f.floor, f.import, f.import / f.floor, f.pieces, f.explode, f.write,
              (f.explode + f.write) / f.import, f.glb, f.output_mb, f.import_peak, f.import_peak / f.input_mb,
              f.run_peak, f.run_peak / f.input_mb);
  std::fflush(stdout);
}

// Runs one size in a child process; false when it failed.
bool RunSize(long faces) {
  const std::string stem = (std::filesystem::temp_directory_path() /
                            ("burstkin_pipeline_bench_" + std::to_string(::getpid()))).string();
  const std::string input = stem + "_in.cob", output = stem + "_out.cob";
  std::fflush(stdout);  // a child must not print the parent's buffer again
  const pid_t writer = ::fork();
  if (writer == 0) std::_Exit(WriteSphere(faces, input) ? 0 : 1);
  int status = 0;
  ::waitpid(writer, &status, 0);
  bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  if (ok) {
    const pid_t runner = ::fork();
    if (runner == 0) {
      Figures f;
      const bool done = RunPhases(input, output, f);
      if (done) PrintRow(faces, f);
      std::_Exit(done ? 0 : 1);
    }
    ::waitpid(runner, &status, 0);
    ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  std::error_code ignored;
  std::filesystem::remove(input, ignored);
  std::filesystem::remove(output, ignored);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--write") {
    return WriteSphere(std::atol(argv[2]), argv[3]) ? 0 : 1;
  }
  const long max_faces = argc > 1 ? std::atol(argv[1]) : 1000000;
  std::printf("%8s %7s %7s %7s %6s %8s %7s %7s %6s %7s %7s %8s %6s %8s %6s\n", "faces", "in MB", "floor s",
              "import s", "/floor", "pieces", "expl s", "write s", "/imp", "glb s", "out MB", "imp MB", "/in",
              "peak MB", "/in");
  for (long faces : {10000L, 100000L, 1000000L}) {
    if (faces > max_faces) continue;
    if (!RunSize(faces)) {
      std::fprintf(stderr, "the run of %ld faces failed\n", faces);
      return 1;
    }
  }
  return 0;
}
