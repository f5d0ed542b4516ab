// Face sorting: the O(n log n) exchange order beside the literal quadratic
// loop (where that one is affordable), then the fast one alone on large
// objects, key computation included.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "cob/poly_chunk.h"
#include "engine/face_order.h"
#include "model/progress.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

// Triangles over a grid of vertices with coarse coordinates, so the keys have
// many ties, as real models do.
std::unique_ptr<bk::CPolyChunk> MakeObject(std::size_t faces, std::uint32_t seed) {
  auto object = std::make_unique<bk::CPolyChunk>();
  std::mt19937 gen(seed);
  const std::size_t vertices = faces / 2 + 3;
  for (std::size_t i = 0; i < vertices; ++i) {
    object->AddOwnedVertex(bk::CVector(static_cast<float>(gen() % 200) * 0.5f,
                                       static_cast<float>(gen() % 200) * 0.5f,
                                       static_cast<float>(gen() % 200) * 0.5f));
  }
  for (std::size_t f = 0; f < faces; ++f) {
    bk::CFace face;
    face.VertexCount = 3;
    for (int c = 0; c < 3; ++c) {
      face.VertexIndices.push_back(static_cast<std::uint32_t>(gen() % vertices));
      face.UvIndices.push_back(0);
    }
    object->AddOwnedFace(std::move(face));
  }
  object->VertexTotal = static_cast<std::int32_t>(vertices);
  object->FaceTotal = static_cast<std::int32_t>(faces);
  return object;
}

std::vector<float> Keys(const bk::CPolyChunk& object, int axis) {
  std::vector<float> keys;
  keys.reserve(object.Faces.size());
  for (const bk::CFace* face : object.Faces) keys.push_back(bk::FaceSortKey(object, *face, axis));
  return keys;
}

// The literal loop on precomputed keys (the original also recomputed both
// keys on every comparison, which is slower still).
std::vector<std::uint32_t> Literal(const std::vector<float>& keys, bool descending) {
  std::vector<std::uint32_t> a(keys.size());
  std::iota(a.begin(), a.end(), 0u);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = i + 1; j < a.size(); ++j) {
      const float ki = keys[a[i]];
      const float kj = keys[a[j]];
      if (descending ? kj > ki : kj < ki) std::swap(a[i], a[j]);
    }
  }
  return a;
}

}  // namespace

int main() {
  std::printf("%10s %14s %14s %8s\n", "faces", "fast order s", "literal s", "same");
  for (std::size_t n : {1000u, 3000u, 10000u, 30000u}) {
    auto object = MakeObject(n, 7u);
    const std::vector<float> keys = Keys(*object, 2);
    auto start = Clock::now();
    const auto fast = bk::ExchangeSortOrder(keys, true);
    const double fastSeconds = Seconds(start);
    start = Clock::now();
    const auto literal = Literal(keys, true);
    const double literalSeconds = Seconds(start);
    std::printf("%10zu %14.6f %14.6f %8s\n", n, fastSeconds, literalSeconds,
                fast == literal ? "yes" : "NO");
  }

  std::printf("\n%10s %22s\n", "faces", "SortFaces s (with keys)");
  for (std::size_t n : {100000u, 1000000u}) {
    auto object = MakeObject(n, 11u);
    bk::NoProgress quiet;
    const auto start = Clock::now();
    bk::SortFaces(*object, false, 0, quiet);
    std::printf("%10zu %22.4f\n", n, Seconds(start));
  }
  return 0;
}
