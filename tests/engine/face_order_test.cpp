#include "engine/face_order.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cob/poly_chunk.h"
#include "model/progress.h"
#include "model/random.h"
#include "support/recording_progress.h"

namespace bk {
namespace {

// The exchange sort exactly as the command was first written: the reference
// that the fast order must reproduce, ties included.
std::vector<std::uint32_t> LiteralExchangeSort(const std::vector<float>& keys, bool descending) {
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

std::string Describe(const std::vector<float>& keys, bool descending) {
  std::string s = descending ? "descending:" : "ascending:";
  for (float k : keys) s += " " + std::to_string(k) + (std::signbit(k) && k == 0 ? "(-0)" : "");
  return s;
}

void ExpectSameAsLiteral(const std::vector<float>& keys) {
  for (bool descending : {false, true}) {
    const auto expected = LiteralExchangeSort(keys, descending);
    const auto actual = ExchangeSortOrder(keys, descending);
    ASSERT_EQ(actual, expected) << Describe(keys, descending);
  }
}

// An object whose face i has a single corner at height z[i].
struct FaceObject {
  CPolyChunk object;
  std::vector<CFace*> original;

  explicit FaceObject(const std::vector<float>& z) {
    for (std::size_t i = 0; i < z.size(); ++i) {
      object.AddOwnedVertex(CVector(static_cast<float>(i), -static_cast<float>(i), z[i]));
      CFace face;
      face.VertexCount = 1;
      face.VertexIndices = {static_cast<std::uint32_t>(i)};
      face.UvIndices = {0};
      object.AddOwnedFace(face);
    }
    object.VertexTotal = static_cast<std::int32_t>(z.size());
    object.FaceTotal = static_cast<std::int32_t>(z.size());
    original = object.Faces;
  }

  // Positions (in the original order) of the faces as they stand now.
  std::vector<std::uint32_t> Order() const {
    std::vector<std::uint32_t> order;
    for (CFace* f : object.Faces) {
      order.push_back(static_cast<std::uint32_t>(std::find(original.begin(), original.end(), f) -
                                                 original.begin()));
    }
    return order;
  }
};

// Cancels once it has been shown progress `allowed` times.
using CancelAfter = testing::RecordingProgress;

TEST(FaceSortKey, IsARunningHalvingNotTheMean) {
  CPolyChunk object;
  object.AddOwnedVertex(CVector(0, 0, 0));
  object.AddOwnedVertex(CVector(0, 0, 0));
  object.AddOwnedVertex(CVector(0, 0, 4));
  CFace later;
  later.VertexCount = 3;
  later.VertexIndices = {0, 1, 2};
  later.UvIndices = {0, 0, 0};
  CFace earlier = later;
  earlier.VertexIndices = {2, 0, 1};
  EXPECT_EQ(FaceSortKey(object, later, 2), 2.0f);
  EXPECT_EQ(FaceSortKey(object, earlier, 2), 1.0f);
  EXPECT_EQ(FaceSortKey(object, later, 0), 0.0f);
}

TEST(FaceSortKey, HalvesTheSumBeforeRoundingSoHugeCoordinatesStayFinite) {
  CPolyChunk object;
  object.AddOwnedVertex(CVector(3e38f, 0, 0));
  object.AddOwnedVertex(CVector(2e38f, 0, 0));
  CFace face;
  face.VertexCount = 2;
  face.VertexIndices = {0, 1};
  face.UvIndices = {0, 0};
  // The sum exceeds the float range; only the halved value is stored.
  EXPECT_EQ(FaceSortKey(object, face, 0), static_cast<float>((3e38 + 2e38) * 0.5));
  face.VertexIndices = {0, 0};
  EXPECT_EQ(FaceSortKey(object, face, 0), 3e38f);
}

TEST(FaceSortKey, FaceWithoutCornersOrWithBadIndicesStaysInBounds) {
  CPolyChunk object;
  object.AddOwnedVertex(CVector(0, 8, 0));
  CFace none;
  EXPECT_EQ(FaceSortKey(object, none, 1), 0.0f);
  CFace broken;
  broken.VertexCount = 2;
  broken.VertexIndices = {0, 99};  // the second corner names no vertex: counts as the origin
  broken.UvIndices = {0, 0};
  EXPECT_EQ(FaceSortKey(object, broken, 1), 4.0f);
}

TEST(ExchangeSortOrder, ReproducesTheTieOrderOfTheExchangeSort) {
  // Faces B, C, A with keys 1, 1, 0 end as A, C, B.
  EXPECT_EQ(ExchangeSortOrder(std::vector<float>{1, 1, 0}, false),
            (std::vector<std::uint32_t>{2, 1, 0}));
  EXPECT_EQ(ExchangeSortOrder(std::vector<float>{}, false), std::vector<std::uint32_t>{});
}

TEST(ExchangeSortOrder, MatchesTheLiteralLoopOnEveryShortSequenceOverThreeValues) {
  const float values[3] = {-1.0f, 0.0f, 2.5f};
  for (int n = 0; n <= 8; ++n) {
    int total = 1;
    for (int i = 0; i < n; ++i) total *= 3;
    for (int code = 0; code < total; ++code) {
      std::vector<float> keys;
      for (int i = 0, c = code; i < n; ++i, c /= 3) keys.push_back(values[c % 3]);
      ExpectSameAsLiteral(keys);
    }
  }
}

TEST(ExchangeSortOrder, MatchesTheLiteralLoopOnRandomInputsWithHeavyTies) {
  std::mt19937 gen(12345);
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (int round = 0; round < 6000; ++round) {
    const int n = static_cast<int>(gen() % 61);
    const int alphabet = 1 + static_cast<int>(gen() % 6);
    std::vector<float> keys(n);
    for (float& k : keys) k = static_cast<float>(static_cast<int>(gen() % alphabet)) - 1.0f;
    switch (round % 6) {
      case 0:
        break;  // random
      case 1:
        std::sort(keys.begin(), keys.end());
        break;
      case 2:
        std::sort(keys.rbegin(), keys.rend());
        break;
      case 3:  // nearly sorted
        std::sort(keys.begin(), keys.end());
        for (int s = 0; s < 3 && n > 1; ++s) std::swap(keys[gen() % n], keys[gen() % n]);
        break;
      case 4:  // signed zeros and NaN among the ties
        for (float& k : keys) {
          const unsigned pick = gen() % 8;
          if (pick == 0) k = -0.0f;
          if (pick == 1) k = 0.0f;
          if (pick == 2) k = nan;
        }
        break;
      case 5:  // distinct-ish real keys with repeats
        for (float& k : keys) k = static_cast<float>(gen() % 1000) * 0.125f;
        break;
    }
    ExpectSameAsLiteral(keys);
  }
}

TEST(ExchangeSortOrder, MatchesTheLiteralLoopOnLargerInputs) {
  std::mt19937 gen(777);
  for (int n : {500, 2000}) {
    for (int alphabet : {2, 7, 50}) {
      std::vector<float> keys(n);
      for (int i = 0; i < n; ++i) keys[i] = static_cast<float>((i * 37 + gen() % 3) % alphabet);
      ExpectSameAsLiteral(keys);
    }
  }
}

TEST(SortFaces, AppliesTheExchangeOrderInBothDirections) {
  FaceObject bca({1, 1, 0});
  NoProgress quiet;
  EXPECT_TRUE(SortFaces(bca.object, false, 2, quiet));
  EXPECT_EQ(bca.Order(), (std::vector<std::uint32_t>{2, 1, 0}));

  const std::vector<float> z = {3, -1, 3, 0, -1, 3, 2};
  FaceObject down(z);
  EXPECT_TRUE(SortFaces(down.object, true, 2, quiet));
  EXPECT_EQ(down.Order(), LiteralExchangeSort(z, true));

  // Sorting again in the same direction changes nothing.
  const auto once = down.object.Faces;
  EXPECT_TRUE(SortFaces(down.object, true, 2, quiet));
  EXPECT_EQ(down.object.Faces, once);
}

TEST(SortFaces, CancelLeavesTheFacesAsTheyWere) {
  for (int allowed = 0; allowed < 4; ++allowed) {
    FaceObject object({5, 4, 3, 2, 1});
    CancelAfter sink(allowed);
    EXPECT_FALSE(SortFaces(object.object, false, 2, sink)) << allowed;
    EXPECT_EQ(object.object.Faces, object.original) << allowed;
  }
  FaceObject object({5, 4, 3, 2, 1});
  CancelAfter late(4);
  EXPECT_TRUE(SortFaces(object.object, false, 2, late));
  EXPECT_EQ(object.Order(), (std::vector<std::uint32_t>{4, 3, 2, 1, 0}));
}

int DrawsBetween(CRandom before, const CRandom& after) {
  for (int draws = 0; draws < 100000; ++draws) {
    if (before.State() == after.State()) return draws;
    before.Next();
  }
  return -1;
}

TEST(ShuffleFaces, SwapsTwoFiftiethsOfTheFaceCountWithTwoDrawsEach) {
  for (auto [faces, swaps] : {std::pair{0, 0}, {1, 0}, {24, 0}, {25, 1}, {1000, 40}}) {
    for (int level = 0; level < 3; ++level) {
      FaceObject object(std::vector<float>(faces, 0.0f));
      CRandom random(4242u + static_cast<unsigned>(faces));
      const CRandom start = random;
      ShuffleFaces(object.object, level, random);
      EXPECT_EQ(DrawsBetween(start, random), 2 * swaps) << faces;
      auto order = object.Order();
      std::sort(order.begin(), order.end());
      std::vector<std::uint32_t> all(faces);
      std::iota(all.begin(), all.end(), 0u);
      EXPECT_EQ(order, all) << "a shuffle must keep every face exactly once";
    }
  }
}

TEST(ShuffleFaces, DrawsTheFirstIndexThenTheSecond) {
  FaceObject object(std::vector<float>(25, 0.0f));
  CRandom random(99u);
  CRandom twin = random;
  const auto i = static_cast<std::size_t>(RandomUpTo(twin, 25.0f));
  const auto j = static_cast<std::size_t>(RandomUpTo(twin, 25.0f));
  ShuffleFaces(object.object, 1, random);
  auto expected = object.original;
  std::swap(expected[i], expected[j]);
  EXPECT_EQ(object.object.Faces, expected);
}

// Above 2^24 faces the count is rounded up as a float, so a draw can name a
// position past the end; it is pulled back by j * 0.99f formed in double.
// The faces here are only placeholders that are swapped, never read.
TEST(ShuffleFaces, PullsAnIndexPastTheEndBackInDoublePrecision) {
  constexpr std::uint32_t n = (1u << 24) + 3;  // a float holds 2^24 + 4
  auto placeholder = [](std::uint32_t i) { return reinterpret_cast<CFace*>(std::uintptr_t{i + 1} * 16); };
  CPolyChunk object;
  object.Faces.resize(n);
  for (std::uint32_t i = 0; i < n; ++i) object.Faces[i] = placeholder(i);

  std::vector<std::uint32_t> expected(n);
  std::iota(expected.begin(), expected.end(), 0u);
  CRandom twin(7u);
  int pulledBack = 0;
  for (std::uint32_t pass = 0; pass < (2 * n) / 50; ++pass) {
    auto i = static_cast<std::int64_t>(RandomUpTo(twin, static_cast<float>(n)));
    auto j = static_cast<std::int64_t>(RandomUpTo(twin, static_cast<float>(n)));
    if (i > n - 1) i = n - 1;
    if (j > n - 1) ++pulledBack;
    while (j > n - 1) j = static_cast<std::int64_t>(static_cast<double>(j) * static_cast<double>(0.99f));
    std::swap(expected[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(j)]);
  }
  ASSERT_GT(pulledBack, 0);

  CRandom random(7u);
  ShuffleFaces(object, 0, random);
  std::size_t mismatches = 0;
  for (std::uint32_t t = 0; t < n; ++t) mismatches += object.Faces[t] != placeholder(expected[t]) ? 1 : 0;
  EXPECT_EQ(mismatches, 0u);
  object.Faces.clear();
}

}  // namespace
}  // namespace bk
