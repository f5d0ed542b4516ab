#pragma once

// Helpers shared by the glTF tests: small hand-made explosions, the file
// written through the real writers, and the Khronos validator.

#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "cob/anim_chunk.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/group.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "engine/explosion.h"
#include "engine/motion.h"
#include "engine/particles.h"
#include "model/random.h"
#include "model/progress.h"

namespace bk::testing {

// A piece: a unit square with a triangle beside it, centred at `center`,
// with one red material.
inline std::unique_ptr<CPolyChunk> MakePiece(const std::string& name, std::int32_t parent,
                                             CVector center) {
  auto piece = std::make_unique<CPolyChunk>();
  piece->Name = name;
  piece->ParentId = parent;
  piece->Axis.Center = center;
  piece->Axis.XAxis = {1, 0, 0};
  piece->Axis.YAxis = {0, 1, 0};
  piece->Axis.ZAxis = {0, 0, 1};
  piece->Axis.Row0 = {1, 0, 0};
  piece->Axis.Row1 = {0, 1, 0};
  piece->Axis.Row2 = {0, 0, 1};
  const CVector corners[] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 0, 0}};
  for (CVector c : corners) piece->AddOwnedVertex(Add(c, center));
  piece->AddOwnedUvPoint({0, 0});
  CFace square;
  square.VertexCount = 4;
  square.VertexIndices = {0, 1, 2, 3};
  square.UvIndices = {0, 0, 0, 0};
  piece->AddOwnedFace(square);
  CFace triangle;
  triangle.VertexCount = 3;
  triangle.VertexIndices = {1, 4, 2};
  triangle.UvIndices = {0, 0, 0};
  piece->AddOwnedFace(triangle);
  auto material = std::make_unique<CMaterial>();
  material->ParentId = piece->Id;
  material->Colour = {1.0f, 0.0f, 0.0f};
  piece->Materials.push_back(std::move(material));
  piece->VertexTotal = 5;
  piece->UvTotal = 1;
  piece->FaceTotal = 2;
  return piece;
}

// A fall with one bounce, an accelerating shrink and a three-key turn.
inline std::unique_ptr<CAnimChunkEx> MakeChannel(const CPolyChunk& piece) {
  auto channel = std::make_unique<CAnimChunkEx>();
  channel->ParentId = piece.Id;
  channel->PositionKeys = {{3, 0, {0, -4, 0}, {0, 0, 0}},
                           {3, 20, {0, 0, 0}, {4, 2, 6}},
                           {3, 35, {0, -1, 0}, {8, 4, -3}},
                           {3, 42, {0, 0, 0}, {10, 5, 1}},
                           {3, 49, {0, -2, 0}, {12, 6, -3}}};
  channel->SizeKeys = {{4, 0, {0, 0, 0}, {1, 1, 1}}, {4, 30, {0, -3, 0}, {0.25f, 0.5f, 2.0f}}};
  channel->Keys = {{2, 0, {0, -1, 0}, {0, 0, 0}, 1.0f},
                   {2, 15, {0, 0, 0}, {0.2f, 0.1f, 0.3f}, 0.8f},
                   {2, 30, {0, -1, 0}, {0.131f, 0.0f, 0.402f}, 0.5f}};
  return channel;
}

// A "Burstkin" group of `count` pieces, each with its channel.
inline std::unique_ptr<ExplodedGroup> MakeGroup(int count) {
  auto group = std::make_unique<ExplodedGroup>();
  group->Group = std::make_unique<CGroup>();
  group->Group->Name = "Burstkin";
  for (int k = 0; k < count; ++k) {
    auto piece = MakePiece("Bk," + std::to_string(k + 2), group->Group->Id, {float(k) * 3, 1, 2});
    auto channel = MakeChannel(*piece);
    group->Objects.push_back({std::move(piece), std::move(channel), {}});
  }
  return group;
}

// The .cob text the export writes for these groups.
inline std::string WriteCob(std::span<const ExplodedGroup* const> groups) {
  std::ostringstream text;
  {
    CobWriter writer(text);
    NoProgress progress;
    const ExportResult result = WriteGroups(writer, groups, progress);
    EXPECT_TRUE(result.ok()) << result.error;
  }
  return text.str();
}

inline std::filesystem::path SourceDir() {
  return std::filesystem::path(BURSTKIN_EXAMPLES_DIR).parent_path();
}

// Runs the Khronos validator on a file: no error and no warning. Skips the
// calling test (with the reason) when node or the validator package is absent.
#define BK_EXPECT_VALID_GLTF(path)                                                            \
  do {                                                                                      \
    const auto bk_root = ::bk::testing::SourceDir();                                        \
    if (std::system("node --version >/dev/null 2>&1") != 0) {                               \
      GTEST_SKIP() << "node is not installed; glTF validation skipped";                     \
    }                                                                                       \
    if (!std::filesystem::exists(bk_root / "tools/node_modules/gltf-validator")) {          \
      GTEST_SKIP() << "the glTF validator is not installed (npm registry unreachable?); "   \
                      "run scripts/install-validator.sh; validation skipped";               \
    }                                                                                       \
    const std::string bk_report = (path).string() + ".report";                              \
    const std::string bk_command = "node '" + (bk_root / "tools/validate.mjs").string() +   \
                                   "' '" + (path).string() + "' > '" + bk_report + "' 2>&1"; \
    const int bk_status = std::system(bk_command.c_str());                                  \
    std::ifstream bk_in(bk_report);                                                         \
    std::stringstream bk_text;                                                              \
    bk_text << bk_in.rdbuf();                                                               \
    EXPECT_EQ(bk_status, 0) << "validator on " << (path) << ":\n" << bk_text.str();         \
  } while (false)

// An object (and optionally a particle object) exploded in-process with the
// engine's own steps, as the document runs them.
struct Explosion {
  std::unique_ptr<CPolyChunk> object;
  std::unique_ptr<CPolyChunk> particle;
  std::unique_ptr<ExplodedGroup> pieces;
  std::unique_ptr<ExplodedGroup> particles;
};

inline Explosion Explode(const std::filesystem::path& path, const std::filesystem::path& particle_path,
                  ExplosionOptions options) {
  Explosion e;
  ImportResult imported = ImportObject(path.string());
  EXPECT_TRUE(imported.object) << imported.error;
  if (!imported.object) return e;
  e.object = std::move(imported.object);
  MotionContext motion;
  CRandom random(12345);
  NoProgress progress;
  const std::int32_t mode = particle_path.empty() ? 0 : 1;
  MotionInputs in{motion, options, random};
  GroupResult pieces = ExplodeObject(*e.object, in, mode, progress);
  EXPECT_EQ(pieces.outcome(), RunOutcome::Done);
  if (pieces.group.Group) e.pieces = std::make_unique<ExplodedGroup>(std::move(pieces.group));
  if (!particle_path.empty() && e.pieces) {
    ImportResult p = ImportObject(particle_path.string());
    EXPECT_TRUE(p.object) << p.error;
    e.particle = std::move(p.object);
    const CPolyChunk* all[] = {e.particle.get()};
    ParticleInputs pin{*e.object, *e.particle, all, mode, 1.0f};
    GroupResult particles = ExplodeParticles(pin, *e.pieces->Group, in, progress);
    EXPECT_EQ(particles.outcome(), RunOutcome::Done);
    if (particles.group.Group) e.particles = std::make_unique<ExplodedGroup>(std::move(particles.group));
  }
  return e;
}

// A fresh folder for one test's files.
inline std::filesystem::path TestFolder(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("burstkin-gltf-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

}  // namespace bk::testing
