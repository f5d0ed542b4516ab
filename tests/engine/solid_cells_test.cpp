// Solid cells must add up to the object: closed pieces that share their cut
// points exactly, volumes and outer areas that sum to the object's, and
// every point of the object in exactly one piece.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <numbers>

#include <sstream>

#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "engine/explosion.h"
#include "engine/piece_maker.h"
#include "engine/solid_cells.h"
#include "model/progress.h"
#include "model/random.h"
#include "model/triangulate.h"
#include "support/test_data.h"

namespace bk {
namespace {

constexpr std::int32_t kInner = 7;

struct Mesh {
  std::vector<CVector> vertices;
  std::vector<std::vector<std::uint32_t>> faces;  // a face, or a hole when flagged
  std::vector<bool> hole;
};

std::unique_ptr<CPolyChunk> Chunk(const Mesh& mesh) {
  auto chunk = std::make_unique<CPolyChunk>();
  for (const CVector& v : mesh.vertices) {
    chunk->AddOwnedVertex(v);
    chunk->AddOwnedUvPoint({v.x * 0.5f, v.y * 0.5f});
  }
  for (std::size_t f = 0; f < mesh.faces.size(); ++f) {
    CFace face;
    face.VertexCount = static_cast<std::int32_t>(mesh.faces[f].size());
    face.Flags = mesh.hole[f] ? CFace::kHoleFlag : 0;
    face.MaterialIndex = mesh.hole[f] ? 0 : static_cast<std::int32_t>(f % 2);
    face.VertexIndices.assign(mesh.faces[f].begin(), mesh.faces[f].end());
    face.UvIndices.assign(mesh.faces[f].begin(), mesh.faces[f].end());
    chunk->AddOwnedFace(std::move(face));
  }
  chunk->VertexTotal = static_cast<std::int32_t>(chunk->Vertices.size());
  chunk->UvTotal = chunk->VertexTotal;
  chunk->FaceTotal = static_cast<std::int32_t>(chunk->Faces.size());
  return chunk;
}

void AddFace(Mesh& mesh, std::vector<std::uint32_t> ring, bool hole = false) {
  mesh.faces.push_back(std::move(ring));
  mesh.hole.push_back(hole);
}

Mesh Icosphere(int subdivisions) {
  const float t = (1.0f + std::sqrt(5.0f)) / 2.0f;
  Mesh m;
  m.vertices = {{-1, t, 0}, {1, t, 0}, {-1, -t, 0}, {1, -t, 0}, {0, -1, t}, {0, 1, t},
                {0, -1, -t}, {0, 1, -t}, {t, 0, -1}, {t, 0, 1}, {-t, 0, -1}, {-t, 0, 1}};
  std::vector<std::array<std::uint32_t, 3>> tris = {
      {0, 11, 5}, {0, 5, 1}, {0, 1, 7}, {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
      {11, 10, 2}, {10, 7, 6}, {7, 1, 8}, {3, 9, 4}, {3, 4, 2}, {3, 2, 6}, {3, 6, 8},
      {3, 8, 9}, {4, 9, 5}, {2, 4, 11}, {6, 2, 10}, {8, 6, 7}, {9, 8, 1}};
  auto unit = [](CVector v) {
    const float l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    return CVector(v.x / l, v.y / l, v.z / l);
  };
  for (CVector& v : m.vertices) v = unit(v);
  for (int s = 0; s < subdivisions; ++s) {
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::uint32_t> middle;
    auto mid = [&](std::uint32_t a, std::uint32_t b) {
      auto [it, added] = middle.try_emplace({std::min(a, b), std::max(a, b)}, 0u);
      if (added) {
        const CVector p = m.vertices[a], q = m.vertices[b];
        m.vertices.push_back(unit({(p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2}));
        it->second = static_cast<std::uint32_t>(m.vertices.size() - 1);
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
  for (auto [a, b, c] : tris) AddFace(m, {a, b, c});
  return m;
}

// A ball with a hollow inside: its inner shell turns the other way, so every
// cut through the hollow leaves a cap with a hole.
Mesh HollowBall() {
  Mesh m = Icosphere(2);
  const Mesh inner = Icosphere(1);
  const auto base = static_cast<std::uint32_t>(m.vertices.size());
  for (const CVector& v : inner.vertices) m.vertices.push_back({v.x * 0.5f, v.y * 0.5f, v.z * 0.5f});
  for (const auto& face : inner.faces) AddFace(m, {face[2] + base, face[1] + base, face[0] + base});
  return m;
}

// Quads of a torus around z (planar: each is an isosceles trapezoid).
Mesh Torus(int around, int across) {
  Mesh m;
  for (int i = 0; i < around; ++i) {
    for (int j = 0; j < across; ++j) {
      const double a = 2 * std::numbers::pi * i / around, b = 2 * std::numbers::pi * j / across;
      const double r = 2.0 + 0.7 * std::cos(b);
      m.vertices.push_back(CVector(static_cast<float>(r * std::cos(a)), static_cast<float>(r * std::sin(a)),
                                   static_cast<float>(0.7 * std::sin(b))));
    }
  }
  auto at = [&](int i, int j) { return static_cast<std::uint32_t>((i % around) * across + (j % across)); };
  for (int i = 0; i < around; ++i) {
    for (int j = 0; j < across; ++j) AddFace(m, {at(i, j), at(i + 1, j), at(i + 1, j + 1), at(i, j + 1)});
  }
  return m;
}

// An L-shaped prism: its two caps are concave hexagons.
Mesh LSolid() {
  Mesh m;
  const float xy[6][2] = {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 3}, {0, 3}};
  for (float z : {0.0f, 1.5f}) {
    for (const auto& p : xy) m.vertices.push_back({p[0], p[1], z});
  }
  AddFace(m, {5, 4, 3, 2, 1, 0});
  AddFace(m, {6, 7, 8, 9, 10, 11});
  for (std::uint32_t i = 0; i < 6; ++i) AddFace(m, {i, (i + 1) % 6, (i + 1) % 6 + 6, i + 6});
  return m;
}

std::unique_ptr<CPolyChunk> Example(const std::string& name) {
  ImportResult result =
      ImportObjectFromText(testing::ReadFileBytes(std::string(BURSTKIN_EXAMPLES_DIR) + "/" + name));
  return std::move(result.object);
}

using P = std::array<double, 3>;
P At(const CVector& v) { return {v.x, v.y, v.z}; }

P Newell(const std::vector<CVector>& points, const IndexList& ring) {
  P n{0, 0, 0};
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const P a = At(points[ring[i]]), b = At(points[ring[(i + 1) % ring.size()]]);
    n[0] += (a[1] - b[1]) * (a[2] + b[2]);
    n[1] += (a[2] - b[2]) * (a[0] + b[0]);
    n[2] += (a[0] - b[0]) * (a[1] + b[1]);
  }
  return {n[0] / 2, n[1] / 2, n[2] / 2};
}

double Length(const P& n) { return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]); }

double LoopVolume(const std::vector<CVector>& points, const IndexList& ring) {
  double v = 0;
  for (std::size_t i = 1; i + 1 < ring.size(); ++i) {
    const P a = At(points[ring[0]]), b = At(points[ring[i]]), c = At(points[ring[i + 1]]);
    v += (a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) +
          a[2] * (b[0] * c[1] - b[1] * c[0])) / 6;
  }
  return v;
}

// A face's area with its holes (faces[f] and the holes after it), by the
// triangles the cutter would make of it, so that a face left whole and the
// same face cut into triangles measure the same even when it is not flat.
double UnitArea(const std::vector<CVector>& points, const std::vector<const CFace*>& faces, std::size_t f) {
  std::vector<CVector> local;
  std::vector<std::uint32_t> outer;
  std::vector<std::vector<std::uint32_t>> holes;
  for (std::size_t g = f; g < faces.size() && (g == f || faces[g]->IsHole()); ++g) {
    std::vector<std::uint32_t>& ring = g == f ? outer : holes.emplace_back();
    for (std::uint32_t i : faces[g]->VertexIndices) {
      ring.push_back(static_cast<std::uint32_t>(local.size()));
      local.push_back(points[i]);
    }
  }
  std::vector<std::uint32_t> tris;
  if (outer.size() == 3 && holes.empty()) tris = outer; else TriangulateFace(local, outer, holes, tris);
  double area = 0;
  for (std::size_t t = 0; t + 2 < tris.size(); t += 3) {
    IndexList tri{tris[t], tris[t + 1], tris[t + 2]};
    area += Length(Newell(local, tri));
  }
  return area;
}

double OuterArea(const std::vector<CVector>& points, const std::vector<const CFace*>& faces) {
  double area = 0;
  for (std::size_t f = 0; f < faces.size(); ++f) {
    if (!faces[f]->IsHole() && faces[f]->MaterialIndex != kInner) area += UnitArea(points, faces, f);
  }
  return area;
}

double OuterArea(const CellPiece& piece) {
  std::vector<const CFace*> faces;
  for (const CFace& f : piece.Faces) faces.push_back(&f);
  return OuterArea(piece.Vertices, faces);
}

struct Totals {
  double volume = 0;
  double area = 0;
};

Totals SourceTotals(const CPolyChunk& chunk) {
  std::vector<CVector> points;
  for (const CVector* v : chunk.Vertices) points.push_back(*v);
  Totals t;
  for (const CFace* f : chunk.Faces) t.volume += LoopVolume(points, f->VertexIndices);
  t.area = OuterArea(points, {chunk.Faces.begin(), chunk.Faces.end()});
  t.volume = std::fabs(t.volume);
  return t;
}

// Whether every edge of the piece is used twice, once each way, by position.
bool Closed(const CellPiece& piece) {
  std::map<std::pair<std::array<float, 3>, std::array<float, 3>>, int> uses;
  for (const CFace& f : piece.Faces) {
    for (std::size_t i = 0; i < f.VertexIndices.size(); ++i) {
      const CVector a = piece.Vertices[f.VertexIndices[i]];
      const CVector b = piece.Vertices[f.VertexIndices[(i + 1) % f.VertexIndices.size()]];
      ++uses[{{a.x, a.y, a.z}, {b.x, b.y, b.z}}];
    }
  }
  for (const auto& [edge, count] : uses) {
    auto back = uses.find({edge.second, edge.first});
    if (count != 1 || back == uses.end() || back->second != 1) return false;
  }
  return true;
}

// The largest distance of an inner face's corners (holes included) from the
// plane through its outer loop.
double CapFlatness(const CellPiece& piece) {
  double worst = 0;
  for (std::size_t f = 0; f < piece.Faces.size();) {
    const CFace& face = piece.Faces[f];
    std::size_t end = f + 1;
    while (end < piece.Faces.size() && piece.Faces[end].IsHole()) ++end;
    if (face.MaterialIndex == kInner) {
      const P n = Newell(piece.Vertices, face.VertexIndices);
      const double l = Length(n);
      const P o = At(piece.Vertices[face.VertexIndices[0]]);
      for (std::size_t g = f; g < end; ++g) {
        for (std::uint32_t i : piece.Faces[g].VertexIndices) {
          const P p = At(piece.Vertices[i]);
          const double d = ((p[0] - o[0]) * n[0] + (p[1] - o[1]) * n[1] + (p[2] - o[2]) * n[2]) / l;
          worst = std::max(worst, std::fabs(d));
        }
      }
    }
    f = end;
  }
  return worst;
}

// The texture area per unit of surface over a piece's caps (at scale 1 it
// must be 1 on every cap, whichever way the cap faces).
double CapTextureDensity(const CellPiece& piece) {
  double surface = 0, texture = 0;
  for (const CFace& face : piece.Faces) {
    if (face.IsHole() || face.MaterialIndex != kInner) continue;
    surface += Length(Newell(piece.Vertices, face.VertexIndices));
    double twice = 0;
    for (std::size_t i = 0; i < face.UvIndices.size(); ++i) {
      const CUvPoint a = piece.UvPoints[face.UvIndices[i]];
      const CUvPoint b = piece.UvPoints[face.UvIndices[(i + 1) % face.UvIndices.size()]];
      twice += static_cast<double>(a.u) * b.v - static_cast<double>(b.u) * a.v;
    }
    texture += std::fabs(twice) / 2;
  }
  return surface > 0 ? texture / surface : 1.0;
}

SolidCellsResult Cut(const CPolyChunk& chunk, std::int32_t cells, std::uint32_t seed,
                     SolidCellOptions::Layout layout = SolidCellOptions::Layout::kUniform) {
  SolidCellOptions options;
  options.cells = cells;
  options.layout = layout;
  options.impact = CVector(0.5f, 0.5f, 0.5f);
  options.spread = 0.3f;
  CRandom random(seed);
  NoProgress progress;
  return CutIntoCells(chunk, options, random, progress, kInner);
}

void ExpectSolidPieces(const CPolyChunk& chunk, const SolidCellsResult& result, const std::string& what) {
  SCOPED_TRACE(what);
  ASSERT_TRUE(result.status.ok()) << result.status.error;
  EXPECT_EQ(result.open_shells, 0);
  const Totals source = SourceTotals(chunk);
  double volume = 0, outer_area = 0;
  for (std::size_t p = 0; p < result.pieces.size(); ++p) {
    const CellPiece& piece = result.pieces[p];
    EXPECT_TRUE(Closed(piece)) << "piece " << p;
    EXPECT_LT(CapFlatness(piece), 1e-5) << "piece " << p;
    EXPECT_NEAR(CapTextureDensity(piece), 1.0, 0.01) << "piece " << p;
    volume += piece.Volume;
    outer_area += OuterArea(piece);
  }
  EXPECT_NEAR(volume / source.volume, 1.0, 1e-6);
  EXPECT_NEAR(outer_area / source.area, 1.0, 1e-6);
}

TEST(SolidCells, ClosedShapesGiveClosedPiecesThatAddUp) {
  const Mesh meshes[] = {Icosphere(2), Torus(24, 12), LSolid(), HollowBall()};
  const char* names[] = {"icosphere", "torus", "L solid", "hollow ball"};
  for (std::size_t s = 0; s < 4; ++s) {
    const auto chunk = Chunk(meshes[s]);
    for (std::uint32_t seed : {1u, 2u, 3u}) {
      ExpectSolidPieces(*chunk, Cut(*chunk, 5 + static_cast<std::int32_t>(seed) * 9, seed),
                        std::string(names[s]) + " seed " + std::to_string(seed));
    }
  }
  for (const char* name : {"crate.cob", "ring.cob"}) {
    const auto chunk = Example(name);
    ASSERT_TRUE(chunk);
    for (std::uint32_t seed : {4u, 5u}) ExpectSolidPieces(*chunk, Cut(*chunk, 24, seed), name);
  }
  const auto sphere = Chunk(Icosphere(2));
  ExpectSolidPieces(*sphere, Cut(*sphere, 60, 9, SolidCellOptions::Layout::kImpact), "impact");
}

// The winding of a closed piece around p, along +x.
int Winding(const CellPiece& piece, const P& p) {
  int winding = 0;
  for (const CFace& f : piece.Faces) {
    const P a = At(piece.Vertices[f.VertexIndices[0]]);
    for (std::size_t i = 1; i + 1 < f.VertexIndices.size(); ++i) {
      const P b = At(piece.Vertices[f.VertexIndices[i]]), c = At(piece.Vertices[f.VertexIndices[i + 1]]);
      auto edge = [&](const P& s, const P& t) { return (t[1] - s[1]) * (p[2] - s[2]) - (t[2] - s[2]) * (p[1] - s[1]); };
      const double wa = edge(b, c), wb = edge(c, a), wc = edge(a, b);
      if (!((wa > 0 && wb > 0 && wc > 0) || (wa < 0 && wb < 0 && wc < 0))) continue;
      if ((wa * a[0] + wb * b[0] + wc * c[0]) / (wa + wb + wc) > p[0]) winding += wa > 0 ? 1 : -1;
    }
  }
  return winding;
}

TEST(SolidCells, EveryPointOfTheObjectLiesInExactlyOnePiece) {
  const auto sphere = Chunk(Icosphere(3));
  const SolidCellsResult result = Cut(*sphere, 80, 11);
  ASSERT_TRUE(result.status.ok());
  std::vector<std::pair<CVector, CVector>> bounds;
  for (const CellPiece& piece : result.pieces) {
    CVector lo = piece.Vertices[0], hi = lo;
    for (const CVector& v : piece.Vertices) {
      lo = {std::min(lo.x, v.x), std::min(lo.y, v.y), std::min(lo.z, v.z)};
      hi = {std::max(hi.x, v.x), std::max(hi.y, v.y), std::max(hi.z, v.z)};
    }
    bounds.emplace_back(lo, hi);
  }
  CRandom random(5);
  int wrong = 0;
  for (int n = 0; n < 20000;) {
    const P p{DrawFraction(random.Next()) * 2 - 1, DrawFraction(random.Next()) * 2 - 1,
              DrawFraction(random.Next()) * 2 - 1};
    if (p[0] * p[0] + p[1] * p[1] + p[2] * p[2] > 0.95 * 0.95) continue;  // inside the icosphere
    ++n;
    int holders = 0;
    for (std::size_t k = 0; k < result.pieces.size(); ++k) {
      const auto& [lo, hi] = bounds[k];
      if (p[0] < lo.x || p[0] > hi.x || p[1] < lo.y || p[1] > hi.y || p[2] < lo.z || p[2] > hi.z) continue;
      holders += Winding(result.pieces[k], p) != 0 ? 1 : 0;
    }
    wrong += holders == 1 ? 0 : 1;
  }
  EXPECT_EQ(wrong, 0);
}

TEST(SolidCells, TheSeedDecidesTheCells) {
  const auto torus = Chunk(Torus(16, 8));
  auto bytes = [&](std::uint32_t seed) {
    std::vector<float> all;
    for (const CellPiece& piece : Cut(*torus, 20, seed).pieces) {
      for (const CVector& v : piece.Vertices) all.insert(all.end(), {v.x, v.y, v.z});
      for (const CFace& f : piece.Faces) all.push_back(static_cast<float>(f.VertexIndices.size()));
    }
    return all;
  };
  EXPECT_EQ(bytes(3), bytes(3));
  EXPECT_NE(bytes(3), bytes(4));
}

TEST(SolidCells, RefusesFlatObjectsAndBadOptions) {
  Mesh plane;
  plane.vertices = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  AddFace(plane, {0, 1, 2, 3});
  const SolidCellsResult flat = Cut(*Chunk(plane), 8, 1);
  EXPECT_EQ(flat.status.kind, FailureKind::kBadData);
  EXPECT_NE(flat.status.error.find("no volume"), std::string::npos);
  const auto sphere = Chunk(Icosphere(1));
  EXPECT_EQ(Cut(*sphere, 0, 1).status.kind, FailureKind::kBadArgument);
  SolidCellOptions outside;
  outside.layout = SolidCellOptions::Layout::kImpact;
  outside.impact = CVector(5, 0, 0);
  CRandom random(1);
  NoProgress progress;
  EXPECT_EQ(CutIntoCells(*sphere, outside, random, progress, kInner).status.kind, FailureKind::kBadArgument);
  struct Cancelling final : ProgressSink {
    void ShowProgress(int, int, std::string_view) override {}
    bool CancelRequested() const override { return true; }
  } cancelling;
  const SolidCellsResult cancelled = CutIntoCells(*sphere, SolidCellOptions{}, random, cancelling, kInner);
  EXPECT_EQ(cancelled.status.kind, FailureKind::kCancelled);
  EXPECT_TRUE(cancelled.pieces.empty());
}

// Untidy input (faces of fewer than three corners, repeated corners, a face
// used twice, a stray hole) is cut without failing.
TEST(SolidCells, UntidyMeshesAreCutWithoutFailing) {
  Mesh m = LSolid();
  AddFace(m, {0, 0, 0});
  AddFace(m, {1, 2});
  AddFace(m, {3, 4, 4, 5});
  AddFace(m, {6, 7, 8, 9, 10, 11});
  AddFace(m, {0, 1, 2}, true);
  const auto chunk = Chunk(m);
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    const SolidCellsResult result = Cut(*chunk, 20, seed);
    ASSERT_TRUE(result.status.ok()) << result.status.error;
    EXPECT_FALSE(result.pieces.empty());
  }
}

// A piece goes into the .cob as a mesh of its own and must read back closed,
// its caps' holes still holes.
TEST(SolidCells, PiecesSurviveTheCobWriterClosed) {
  std::vector<CellPiece> pieces;
  for (std::uint32_t seed = 1; seed <= 4; ++seed) {
    SolidCellsResult result = Cut(*Chunk(HollowBall()), 2, seed);
    ASSERT_TRUE(result.status.ok());
    for (CellPiece& piece : result.pieces) pieces.push_back(std::move(piece));
  }
  int holes = 0;
  for (const CellPiece& piece : pieces) {
    CPolyChunk chunk;
    chunk.Name = "Piece";
    chunk.Axis.Row0 = {1, 0, 0};
    chunk.Axis.Row1 = {0, 1, 0};
    chunk.Axis.Row2 = {0, 0, 1};
    chunk.Materials.push_back(std::make_unique<CMaterial>());
    FillPieceChunk(piece, chunk);
    std::ostringstream text;
    text << "Caligari V00.01ALH             \n";
    {
      CobWriter out(text);
      chunk.Write(out);
    }
    text << "END  V1.00 Id 0 Parent 0 Size        0\n";
    ImportResult back = ImportObjectFromText(text.str());
    ASSERT_TRUE(back.object) << back.error;
    CellPiece read;
    for (const CVector* v : back.object->Vertices) read.Vertices.push_back(*v);
    for (const CFace* f : back.object->Faces) {
      read.Faces.push_back(*f);
      holes += f->IsHole() ? 1 : 0;
    }
    EXPECT_EQ(read.Faces.size(), piece.Faces.size());
    EXPECT_TRUE(Closed(read));
  }
  EXPECT_GT(holes, 0);
}

// Through the piece seam: one piece per cell, each with the source's
// materials and then the inner one, centred on its volume centroid.
TEST(SolidCells, TheSolidMakerExplodesIntoClosedPieces) {
  const auto ring = Example("ring.cob");
  ASSERT_TRUE(ring);
  ExplosionOptions options;
  options.PieceShape = 1;
  options.Cells = 9;
  CRandom random(4);
  NoProgress progress;
  SolidMakerResult solid = MakeSolidCellMaker(*ring, options, random, progress);
  ASSERT_TRUE(solid.status.ok()) << solid.status.error;
  EXPECT_EQ(solid.open_shells, 0);
  MotionContext motion;
  GroupResult result = ExplodeObject(*ring, *solid.maker, MotionInputs{motion, options, random}, 0, progress);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  ASSERT_EQ(result.group.Objects.size(), 9u);
  for (const ExplodedObject& object : result.group.Objects) {
    ASSERT_EQ(MaterialsOf(result.group, object).size(), ring->Materials.size() + 1);
    CPolyChunk work{WorkingCopy{}};
    const CPolyChunk& lists = ListsOf(object, work);
    CellPiece piece;
    for (const CVector* v : lists.Vertices) piece.Vertices.push_back(*v);
    for (const CFace* f : lists.Faces) piece.Faces.push_back(*f);
    EXPECT_TRUE(Closed(piece));
  }
}

// Real models are not all closed: each part of their surface must still land
// in exactly one piece, and nothing may fail.
TEST(SolidCells, OpenRealModelsKeepAllTheirSurface) {
  for (const char* name : {"molecule_ascii.cob", "spider_4_3_ascii.cob", "dwarf_ascii.cob"}) {
    BK_REQUIRE_REAL_FILE(path, name);
    ImportResult imported = ImportObject(path.string());
    ASSERT_TRUE(imported.object) << name;
    const SolidCellsResult result = Cut(*imported.object, 40, 2);
    ASSERT_TRUE(result.status.ok()) << name << ": " << result.status.error;
    std::vector<CVector> points;
    for (const CVector* v : imported.object->Vertices) points.push_back(*v);
    const double source = OuterArea(points, {imported.object->Faces.begin(), imported.object->Faces.end()});
    double cut = 0;
    for (const CellPiece& piece : result.pieces) cut += OuterArea(piece);
    EXPECT_NEAR(cut / source, 1.0, 1e-6) << name << " (" << result.open_shells << " open shells of "
                                         << result.shells << ")";
  }
}

}  // namespace
}  // namespace bk
