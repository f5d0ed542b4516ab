#include <deque>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cob/anim_chunk.h"
#include "cob/cob_file.h"
#include "cob/cob_writer.h"
#include "cob/exploded_file.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "cob/pr_material.h"
#include "cob/unit.h"
#include "engine/explosion.h"
#include "model/progress.h"
#include "model/random.h"
#include "support/recording_progress.h"
#include "support/test_data.h"

namespace bk {
namespace {

// An object of `faces` triangles, each with three vertices of its own (no
// position repeats), a texture vertex per corner and an identity transform.
// `holes` marks entries of the face list that are holes.
std::unique_ptr<CPolyChunk> MakeObject(int faces, const std::vector<bool>& holes = {}) {
  auto object = std::make_unique<CPolyChunk>();
  object->Axis.Row0 = CVector(1, 0, 0);
  object->Axis.Row1 = CVector(0, 1, 0);
  object->Axis.Row2 = CVector(0, 0, 1);
  for (int f = 0; f < faces; ++f) {
    CFace face;
    face.VertexCount = 3;
    for (int c = 0; c < 3; ++c) {
      const auto index = static_cast<std::uint32_t>(object->Vertices.size());
      object->AddOwnedVertex(CVector(static_cast<float>(f), static_cast<float>(c), 1.0f));
      object->AddOwnedUvPoint(CUvPoint(static_cast<float>(f), static_cast<float>(c)));
      face.VertexIndices.push_back(index);
      face.UvIndices.push_back(index);
    }
    if (f < static_cast<int>(holes.size()) && holes[f]) {
      face.Flags = CFace::kHoleFlag;
      ++object->HoleCount;
    }
    object->AddOwnedFace(face);
  }
  object->VertexTotal = static_cast<std::int32_t>(object->Vertices.size());
  object->UvTotal = static_cast<std::int32_t>(object->UvPoints.size());
  object->FaceTotal = faces;
  return object;
}

using testing::RecordingProgress;

class ExplosionTest : public ::testing::Test {
 protected:
  GroupResult Explode(const CPolyChunk& source, int min_pieces, ProgressSink& progress, int output_mode = 0) {
    options.MinPieces = min_pieces;
    return ExplodeObject(source, MotionInputs{motion, options, random}, output_mode, progress);
  }
  GroupResult Explode(const CPolyChunk& source, int min_pieces) { return Explode(source, min_pieces, quiet); }

  static std::vector<const CPolyChunk*> Pieces(const ExplodedGroup& group) {
    std::vector<const CPolyChunk*> pieces;
    for (const ExplodedObject& object : group.Objects) pieces.push_back(object.Mesh.get());
    return pieces;
  }
  // Each object's lists, as the writers see them; held by the fixture.
  std::vector<const CPolyChunk*> Lists(const ExplodedGroup& group) {
    std::vector<const CPolyChunk*> lists;
    for (const ExplodedObject& object : group.Objects) lists.push_back(&ListsOf(object, works.emplace_back(WorkingCopy{})));
    return lists;
  }
  static std::vector<int> Sizes(const ExplodedGroup& group) {
    std::vector<int> sizes;
    for (const CPolyChunk* piece : Pieces(group)) sizes.push_back(piece->FaceTotal);
    return sizes;
  }

  ExplosionOptions options;
  MotionContext motion;
  CRandom random{12345};
  NoProgress quiet;
  std::deque<CPolyChunk> works;
};

TEST_F(ExplosionTest, PieceSizesOfTheWorkedExamples) {
  struct Case {
    int faces, min_pieces;
    std::vector<int> sizes;
  };
  const Case cases[] = {
      {100, 10, {10, 10, 9, 9, 9, 9, 9, 9, 9, 9, 8}},  // shorter after the second
      {7, 2, {3, 3, 1}},
      {5, 50, {1, 1, 1, 1, 1}},  // more pieces than faces: one face each
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.faces << " faces, " << c.min_pieces << " pieces");
    auto object = MakeObject(c.faces);
    GroupResult result = Explode(*object, c.min_pieces);
    ASSERT_EQ(result.outcome(), RunOutcome::Done);
    EXPECT_EQ(Sizes(result.group), c.sizes);
  }
}

TEST_F(ExplosionTest, FourFacesInTwoPiecesMakeANamedAlternatingGroup) {
  auto object = MakeObject(4);
  GroupResult result = Explode(*object, 2);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  const CGroup& group = *result.group.Group;
  EXPECT_EQ(group.Name, "Burstkin");
  EXPECT_EQ(group.ParentId, 0);
  EXPECT_EQ(group.Axis, object->Axis);
  ASSERT_EQ(result.group.Objects.size(), 2u);

  const auto pieces = Pieces(result.group);
  ASSERT_NE(pieces[0], nullptr);
  ASSERT_NE(pieces[1], nullptr);
  EXPECT_EQ(pieces[0]->Name, "Bk,2");
  EXPECT_EQ(pieces[1]->Name, "Bk,3");
  const auto lists = Lists(result.group);
  for (std::size_t p = 0; p < 2; ++p) {
    const CPolyChunk& piece = *pieces[p];
    const CPolyChunk& cut = *lists[p];
    const CAnimChunkEx* channel = result.group.Objects[p].Channel.get();
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(piece.ParentId, group.Id);
    EXPECT_EQ(channel->ParentId, piece.Id);
    EXPECT_EQ(piece.OwnsVertices, 0);
    EXPECT_EQ(piece.OwnsUvPoints, 0);
    ASSERT_EQ(piece.FaceTotal, 2);
    // Faces 2p and 2p+1 of the source, pointing at the source's own vertices.
    for (std::size_t f = 0; f < 2; ++f) {
      const CFace& face = *cut.Faces[f];
      const CFace& original = *object->Faces[2 * p + f];
      for (std::size_t c = 0; c < 3; ++c) {
        EXPECT_EQ(cut.Vertices[face.VertexIndices[c]], object->Vertices[original.VertexIndices[c]]);
        EXPECT_EQ(cut.UvPoints[face.UvIndices[c]], object->UvPoints[original.UvIndices[c]]);
      }
    }
    EXPECT_EQ(piece.VertexTotal, 6);
    EXPECT_EQ(piece.UvTotal, 6);
    // The piece's centre is the mean of its vertices; its frame is the source's.
    EXPECT_FLOAT_EQ(piece.Axis.Center.x, 2.0f * p + 0.5f);
    EXPECT_FLOAT_EQ(piece.Axis.Center.y, 1.0f);
    EXPECT_EQ(piece.Axis.Row2, object->Axis.Row2);
  }
}

TEST(StaggerOrdinal, StretchesBySingleRoundedThirteenTenths) {
  std::vector<int> ordinals;
  for (int k = 1; k <= 10; ++k) ordinals.push_back(StaggerOrdinalFor(k, 10));
  EXPECT_EQ(ordinals, (std::vector<int>{1, 2, 3, 5, 6, 7, 9, 10, 11, 12}));
  EXPECT_EQ(StaggerOrdinalFor(10, 1), 10);
}

TEST_F(ExplosionTest, EqualPositionsThroughDifferentIndicesShareOneVertex) {
  CPolyChunk object;
  for (CVector v : {CVector(0, 0, 0), CVector(0.0f, 1, 0), CVector(1, 1, 0), CVector(0, 0, 0), CVector(-0.0f, 1, 0),
                    CVector(5, 5, 5)}) {
    object.AddOwnedVertex(v);
  }
  const float nan = std::numeric_limits<float>::quiet_NaN();
  for (CUvPoint t : {CUvPoint(0, 0), CUvPoint(nan, 0), CUvPoint(0, 0), CUvPoint(nan, 0)}) object.AddOwnedUvPoint(t);
  CFace a;
  a.VertexCount = 3;
  a.VertexIndices = {0, 1, 2};
  a.UvIndices = {0, 1, 0};
  CFace b;
  b.VertexCount = 3;
  b.VertexIndices = {3, 4, 5};
  b.UvIndices = {2, 3, 3};
  object.AddOwnedFace(a);
  object.AddOwnedFace(b);
  object.FaceTotal = 2;

  GroupResult result = Explode(object, 1);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  const CPolyChunk& piece = *Lists(result.group)[0];
  // (0,0,0) and (-0,1,0) match the first two vertices (-0 equals +0).
  ASSERT_EQ(piece.Vertices.size(), 4u);
  EXPECT_EQ(piece.Vertices[0], object.Vertices[0]);
  EXPECT_EQ(piece.Vertices[1], object.Vertices[1]);
  EXPECT_EQ(piece.Faces[1]->VertexIndices, (IndexList{0, 1, 3}));
  // A texture vertex holding NaN matches nothing, not even itself.
  ASSERT_EQ(piece.UvPoints.size(), 4u);
  EXPECT_EQ(piece.Faces[0]->UvIndices, (IndexList{0, 1, 0}));
  EXPECT_EQ(piece.Faces[1]->UvIndices, (IndexList{0, 2, 3}));
}

TEST_F(ExplosionTest, SharingHoldsInAPieceThatHoldsTheWholeObject) {
  // Enough vertices that the sharing index has to grow several times.
  auto object = MakeObject(400);
  CFace repeat;
  repeat.VertexCount = 3;
  repeat.VertexIndices = {0, 600, 1199};
  repeat.UvIndices = {1199, 600, 0};
  object->AddOwnedFace(repeat);
  object->FaceTotal = 401;

  GroupResult result = Explode(*object, 1);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  const CPolyChunk& piece = *Lists(result.group)[0];
  ASSERT_EQ(piece.Vertices.size(), 1200u);
  EXPECT_EQ(piece.Faces[400]->VertexIndices, (IndexList{0, 600, 1199}));
  EXPECT_EQ(piece.Faces[400]->UvIndices, (IndexList{1199, 600, 0}));
  for (std::uint32_t i = 0; i < 1200; ++i) ASSERT_EQ(piece.Vertices[i], object->Vertices[i]);
}

TEST_F(ExplosionTest, HolesStayWithTheirFace) {
  const std::vector<bool> holes{false, true, false, false, true, true, false, false, false, true};
  auto object = MakeObject(10, holes);
  GroupResult result = Explode(*object, 5);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  // Each piece runs on past its size while holes follow, and the next piece
  // is at least as long.
  EXPECT_EQ(Sizes(result.group), (std::vector<int>{2, 4, 4}));
  for (const CPolyChunk* piece : Lists(result.group)) EXPECT_FALSE(piece->Faces[0]->IsHole());
}

TEST_F(ExplosionTest, ObjectWithoutFacesGivesAnEmptyGroup) {
  CPolyChunk object;
  GroupResult result = Explode(object, 0);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  EXPECT_TRUE(result.group.Objects.empty());
}

// Pieces share one copy of the source's materials and unit, and each writes
// them as chunks of its own: ids taken right after the piece's, unit first.
TEST_F(ExplosionTest, EveryPieceWritesTheMaterialsAndUnitUnderIdsOfItsOwn) {
  auto object = MakeObject(4);
  object->Unit = std::make_unique<CUnit>();
  object->Unit->ParentId = object->Id;
  object->Unit->Units = 3;
  object->Materials.push_back(std::make_unique<CMaterial>());
  object->Materials.push_back(std::make_unique<CPrMaterial>());
  object->Materials[0]->Alpha = 0.5f;

  GroupResult result = Explode(*object, 2);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  ASSERT_EQ(result.group.Objects.size(), 2u);
  std::ostringstream text;
  {
    CobWriter out(text);
    NoProgress progress;
    const ExplodedGroup* groups[] = {&result.group};
    ASSERT_TRUE(WriteGroups(out, groups, progress).ok());
  }
  const ExplodedReadResult read = ReadExplodedFile(text.str());
  ASSERT_TRUE(read.ok()) << read.error;
  for (const ExplodedObject& piece : read.File.Groups.at(0).Objects) {
    const CPolyChunk& mesh = *piece.Mesh;
    ASSERT_TRUE(mesh.Unit);
    EXPECT_EQ(mesh.Unit->Units, 3);
    EXPECT_EQ(mesh.Unit->Id, mesh.Id + 1);
    EXPECT_EQ(mesh.Unit->ParentId, mesh.Id);
    ASSERT_EQ(mesh.Materials.size(), 2u);
    EXPECT_EQ(mesh.Materials[0]->Alpha, 0.5f);
    EXPECT_EQ(dynamic_cast<const CPrMaterial*>(mesh.Materials[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<const CPrMaterial*>(mesh.Materials[1].get()), nullptr);
    for (int m = 0; m < 2; ++m) {
      EXPECT_EQ(mesh.Materials[m]->Id, mesh.Id + 2 + m);
      EXPECT_EQ(mesh.Materials[m]->ParentId, mesh.Id);
    }
  }
  // The source keeps its own.
  EXPECT_EQ(object->Unit->ParentId, object->Id);
}

TEST_F(ExplosionTest, ProgressCountsFacesAndThenTheParticleVertices) {
  auto object = MakeObject(4);
  RecordingProgress progress;
  GroupResult result = Explode(*object, 2, progress, 1);
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  ASSERT_EQ(progress.calls.size(), 3u);
  EXPECT_EQ(progress.calls[0].text, "Calculating; press Esc to cancel");
  EXPECT_EQ(progress.calls[2].done, 4);
  EXPECT_EQ(progress.calls[2].total, 4 + 12);
  EXPECT_EQ(progress.calls[2].text, "");
}

TEST_F(ExplosionTest, CancelAtOnceOrMidwayGivesNoGroupAndLeavesTheSource) {
  auto object = MakeObject(40);
  for (int cancel_after : {1, 3}) {
    RecordingProgress progress(cancel_after);
    GroupResult result = Explode(*object, 10, progress);
    EXPECT_EQ(result.outcome(), RunOutcome::Cancelled);
    EXPECT_EQ(result.group.Group, nullptr);
    EXPECT_EQ(static_cast<int>(progress.calls.size()), cancel_after);
  }
  EXPECT_EQ(object->Vertices.size(), 120u);
  EXPECT_EQ(object->Faces[39]->VertexIndices, (IndexList{117, 118, 119}));
}

TEST_F(ExplosionTest, CorruptCornerIndexFailsWithoutAGroup) {
  auto object = MakeObject(6);
  object->Faces[4]->VertexIndices[1] = 9999;
  GroupResult result = Explode(*object, 3);
  EXPECT_EQ(result.outcome(), RunOutcome::Failed);
  EXPECT_EQ(result.group.Group, nullptr);

  auto uneven = MakeObject(2);
  uneven->Faces[1]->UvIndices.pop_back();
  EXPECT_EQ(Explode(*uneven, 1).outcome(), RunOutcome::Failed);
}


// Every corner of every piece names the same position as in the source, and
// the index names the first entry with that position, as a linear search of
// the piece's list finds it.
void ExpectFaithfulPieces(const CPolyChunk& source, const ExplodedGroup& group) {
  std::size_t next_face = 0;
  CPolyChunk work{WorkingCopy{}};
  for (const ExplodedObject& object : group.Objects) {
    const CPolyChunk* piece = &ListsOf(object, work);
    for (const CFace* face : piece->Faces) {
      ASSERT_LT(next_face, source.Faces.size());
      const CFace& original = *source.Faces[next_face++];
      ASSERT_EQ(face->VertexIndices.size(), original.VertexIndices.size());
      for (std::size_t c = 0; c < face->VertexIndices.size(); ++c) {
        const CVector& v = *piece->Vertices[face->VertexIndices[c]];
        ASSERT_EQ(v, *source.Vertices[original.VertexIndices[c]]);
        ASSERT_EQ(piece->FindVertex(v), face->VertexIndices[c]);
        const CUvPoint& t = *piece->UvPoints[face->UvIndices[c]];
        ASSERT_EQ(t, *source.UvPoints[original.UvIndices[c]]);
        ASSERT_EQ(piece->FindUvPoint(t), face->UvIndices[c]);
      }
    }
  }
  EXPECT_EQ(next_face, source.Faces.size());
}

class RealFileExplosion : public ::testing::TestWithParam<const char*> {};

TEST_P(RealFileExplosion, PiecesReproduceTheObjectFaceByFace) {
  BK_REQUIRE_REAL_FILE(path, GetParam());
  ImportResult imported = ImportObject(path.string());
  ASSERT_TRUE(imported.object) << imported.error;
  const CPolyChunk& source = *imported.object;

  for (int whole : {0, 1}) {
    ExplosionOptions options;
    options.ObjectFaces = source.FaceTotal;
    options.UpdateDerivedValues();
    options.ApplyFifthOfFacesRule();
    options.UpdateDerivedValues();
    if (whole) options.MinPieces = 1;
    MotionContext motion;
    CRandom random(7);
    NoProgress progress;
    GroupResult result = ExplodeObject(source, MotionInputs{motion, options, random}, 0, progress);
    ASSERT_EQ(result.outcome(), RunOutcome::Done);
    ExpectFaithfulPieces(source, result.group);
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, RealFileExplosion,
                         ::testing::Values("molecule_ascii.cob", "spider_4_3_ascii.cob", "spider_6_6_ascii.cob",
                                           "dwarf_ascii.cob"));

}  // namespace
}  // namespace bk
