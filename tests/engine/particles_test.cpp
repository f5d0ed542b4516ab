#include "engine/particles.h"

#include <cmath>
#include <memory>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cob/anim_chunk.h"
#include "cob/poly_chunk.h"
#include "cob/pr_material.h"
#include "model/progress.h"
#include "model/random.h"
#include "support/recording_progress.h"

namespace bk {
namespace {

// A one-face object with its single face's corners at the given points.
std::unique_ptr<CPolyChunk> MakeObject(const std::vector<CVector>& points) {
  auto object = std::make_unique<CPolyChunk>();
  CFace face;
  for (std::size_t i = 0; i < points.size(); ++i) {
    object->AddOwnedVertex(points[i]);
    face.VertexIndices.push_back(static_cast<std::uint32_t>(i));
    face.UvIndices.push_back(0);
  }
  face.VertexCount = static_cast<std::int32_t>(points.size());
  object->AddOwnedUvPoint(CUvPoint(0, 0));
  object->AddOwnedFace(face);
  object->VertexTotal = static_cast<std::int32_t>(points.size());
  object->UvTotal = 1;
  object->FaceTotal = 1;
  object->Axis.Row0 = CVector(1, 0, 0);
  object->Axis.Row1 = CVector(0, 1, 0);
  object->Axis.Row2 = CVector(0, 0, 1);
  return object;
}

std::vector<CVector> Ring(int count) {
  std::vector<CVector> points;
  for (int i = 0; i < count; ++i) {
    points.emplace_back(static_cast<float>(i % 7) - 3.0f, static_cast<float>(i % 5) - 2.0f,
                        static_cast<float>(i % 3) - 1.0f);
  }
  return points;
}

struct ParticleRun {
  std::unique_ptr<CPolyChunk> imported = MakeObject(Ring(12));
  std::unique_ptr<CPolyChunk> particle = MakeObject({CVector(0, 2, -4)});
  std::vector<const CPolyChunk*> objects{};
  ExplosionOptions options;
  MotionContext motion;
  CRandom random{2024u};
  CGroup exploded;
  std::int32_t mode = 1;
  float globalScale = 1.0f;

  ParticleRun() {
    options.AutoScale = 0;
    options.UpdateDerivedValues();
    particle->Axis.Center = CVector(7, 8, 9);
    particle->Axis.XAxis = CVector(1, 0, 0);
  }

  GroupResult Explode(ProgressSink& progress) {
    LoadMotionSettings(motion, options, *imported);
    if (objects.empty()) objects.push_back(particle.get());
    ParticleInputs inputs{*imported, *particle, objects, mode, globalScale};
    return ExplodeParticles(inputs, exploded, MotionInputs{motion, options, random}, progress);
  }
  GroupResult Explode() {
    NoProgress quiet;
    return Explode(quiet);
  }
};

std::vector<const CPolyChunk*> Particles(const ExplodedGroup& group) {
  std::vector<const CPolyChunk*> out;
  for (const ExplodedObject& object : group.Objects) out.push_back(object.Mesh.get());
  return out;
}

TEST(ExplodeParticles, GroupHangsUnderTheExplodedGroupOnlyWhenPiecesAreWritten) {
  for (auto [mode, parent_is_exploded] : {std::pair{0, true}, {1, true}, {2, false}}) {
    ParticleRun run;
    run.mode = mode;
    GroupResult result = run.Explode();
    ASSERT_EQ(result.outcome(), RunOutcome::Done);
    EXPECT_EQ(result.group.Group->ParentId, parent_is_exploded ? run.exploded.Id : 0) << mode;
    EXPECT_EQ(result.group.Group->Name, "BurstkinParticles");
    EXPECT_EQ(result.group.Group->Axis, run.particle->Axis);
  }
}

TEST(ExplodeParticles, MakesOneNamedParticleAndChannelPerVertexSharingGeometry) {
  ParticleRun run;
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  const CGroup& group = *result.group.Group;
  ASSERT_EQ(result.group.Objects.size(), run.imported->Vertices.size());
  for (std::size_t vi = 0; vi < run.imported->Vertices.size(); ++vi) {
    const CPolyChunk* particle = result.group.Objects[vi].Mesh.get();
    const CAnimChunkEx* channel = result.group.Objects[vi].Channel.get();
    ASSERT_NE(particle, nullptr);
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(particle->Name, "Pt," + std::to_string(vi + 2));
    EXPECT_EQ(particle->ParentId, group.Id);
    EXPECT_EQ(channel->ParentId, particle->Id);
    EXPECT_EQ(particle->Faces, run.particle->Faces);
    EXPECT_EQ(particle->Vertices, run.particle->Vertices);
    EXPECT_EQ(particle->OwnsFaces, 0);
    EXPECT_EQ(particle->FaceTotal, 1);
    // From the object's surface: each particle sits at its vertex.
    EXPECT_EQ(particle->Axis.Center, *run.imported->Vertices[vi]);
    EXPECT_EQ(particle->Axis.Translation, particle->Axis.Center);
    EXPECT_EQ(particle->Axis.XAxis, run.particle->Axis.XAxis);
  }
}

TEST(ExplodeParticles, FromTheObjectCentreAllStartAtTheCentre) {
  ParticleRun run;
  run.options.ParticleOrigin = 0;
  run.imported->Axis.Center = CVector(1, 1, 1);
  run.imported->Axis.Translation = CVector(5, 5, 5);
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  for (const CPolyChunk* particle : Particles(result.group)) {
    EXPECT_EQ(particle->Axis.Center, CVector(1, 1, 1));
  }
}

TEST(ExplodeParticles, OneParticleObjectTakesNoDrawSeveralTakeOneEach) {
  auto finalState = [](int copies) {
    ParticleRun run;
    run.imported = MakeObject({CVector(1, 2, 3)});
    for (int i = 0; i < copies; ++i) run.objects.push_back(run.particle.get());
    EXPECT_EQ(run.Explode().outcome(), RunOutcome::Done);
    return run.random;
  };
  CRandom one = finalState(1);
  const CRandom two = finalState(2);
  EXPECT_NE(one.State(), two.State());
  one.Next();
  EXPECT_EQ(one.State(), two.State()) << "a second particle object costs exactly one draw";

  ParticleRun run;
  auto second = MakeObject({CVector(0, 0, 1), CVector(0, 1, 0)});
  auto third = MakeObject({CVector(1, 0, 0)});
  run.imported = MakeObject(Ring(60));
  run.objects = {run.particle.get(), second.get(), third.get()};
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  std::set<const void*> used;
  for (const CPolyChunk* particle : Particles(result.group)) {
    used.insert(particle->Faces.front());
    // The frame is the first particle object's, whichever geometry was taken.
    EXPECT_EQ(particle->Axis.XAxis, run.particle->Axis.XAxis);
    EXPECT_EQ(particle->VertexTotal, static_cast<std::int32_t>(particle->Vertices.size()));
  }
  EXPECT_EQ(used.size(), 3u);
}

TEST(ExplodeParticles, RandomScaleIsAFractionOfTheSpanHeldWithinTheLimits) {
  {
    ParticleRun run;
    run.imported = MakeObject(Ring(50));
    run.options.ParticleRandomScaleMin = 1.0f;
    run.options.ParticleRandomScaleMax = 2.0f;
    GroupResult result = run.Explode();
    ASSERT_EQ(result.outcome(), RunOutcome::Done);
    for (const CPolyChunk* particle : Particles(result.group)) {
      EXPECT_EQ(particle->Axis.Row0, CVector(1, 0, 0));
      EXPECT_EQ(particle->Axis.Row2, CVector(0, 0, 1));
    }
  }
  ParticleRun run;
  run.imported = MakeObject(Ring(200));
  run.options.ParticleRandomScaleMin = 0.5f;
  run.options.ParticleRandomScaleMax = 3.0f;
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  float lowest = 10.0f;
  float highest = 0.0f;
  for (const CPolyChunk* particle : Particles(result.group)) {
    const float s = particle->Axis.Row0.x;
    EXPECT_GE(s, 0.5f);
    EXPECT_LE(s, 2.5f);
    EXPECT_EQ(particle->Axis.Row1.y, s);
    EXPECT_EQ(particle->Axis.Row2.z, s);
    lowest = std::min(lowest, s);
    highest = std::max(highest, s);
  }
  EXPECT_EQ(lowest, 0.5f) << "small fractions are raised to the lower limit";
  EXPECT_GT(highest, 2.0f);
}

TEST(ExplodeParticles, AutoScaleUsesTheParticleFaceMidpointCentre) {
  ParticleRun run;
  run.options.AutoScale = 1;
  run.globalScale = 2.5f;  // midpoint centre (0, 2, -4): (4 + 0) * 0.25 * 2.5
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  const CPolyChunk* first = Particles(result.group).front();
  EXPECT_EQ(first->Axis.Row0, CVector(2.5f, 0, 0));
  EXPECT_EQ(first->Axis.Row1, CVector(0, 2.5f, 0));
  EXPECT_EQ(first->Axis.Row2, CVector(0, 0, 2.5f));
}

// Both size products are formed in double and rounded once when stored: the
// span Max - Min is not rounded to a float before the fraction is taken, and
// the auto scale (hi + lo) * 0.25 * global is not rounded step by step.
TEST(ExplodeParticles, ScaleProductsAreRoundedOnceWhenStored) {
  {
    ParticleRun run;
    run.imported = MakeObject({CVector(1, 2, 3)});
    run.options.ParticleRandomScaleMin = 0.0001f;
    run.options.ParticleRandomScaleMax = 10000.0f;
    run.random.Seed(13u);  // first draw 81, the random scale's
    GroupResult result = run.Explode();
    ASSERT_EQ(result.outcome(), RunOutcome::Done);
    const float expected =
        static_cast<float>(81 * static_cast<double>(1.0f / 32767.0f) * (10000.0 - static_cast<double>(0.0001f)));
    EXPECT_EQ(Particles(result.group).front()->Axis.Row0.x, expected);
    EXPECT_NE(expected, static_cast<float>(81 * static_cast<double>(1.0f / 32767.0f) * (10000.0f - 0.0001f)));
  }
  ParticleRun run;
  run.options.AutoScale = 1;
  run.particle = MakeObject({CVector(1.0f, std::ldexp(1.0f, -24), -1.0f)});
  run.globalScale = 3.0f;
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  // (1 + 2^-24) * 0.75 rounds up; rounding 1 + 2^-24 to a float first would give 0.75.
  EXPECT_EQ(Particles(result.group).front()->Axis.Row0.x, 0.75f + std::ldexp(1.0f, -24));
}

TEST(ExplodeParticles, MaterialsComeFromTheTemplateOrTheImportedObject) {
  ParticleRun run;
  auto plain = std::make_unique<CMaterial>();
  plain->Alpha = 0.25f;
  run.particle->Materials.push_back(std::move(plain));
  run.imported->Materials.push_back(std::make_unique<CMaterial>());
  auto procedural = std::make_unique<CPrMaterial>();
  procedural->Ka = 0.75f;
  run.imported->Materials.push_back(std::move(procedural));

  GroupResult kept = run.Explode();
  ASSERT_EQ(kept.outcome(), RunOutcome::Done);
  for (const CPolyChunk* particle : Particles(kept.group)) {
    ASSERT_EQ(particle->Materials.size(), 1u);
    EXPECT_EQ(particle->Materials[0]->Alpha, 0.25f);
    EXPECT_EQ(particle->Materials[0]->ParentId, particle->Id);
  }

  run.options.InheritTexture = 1;
  GroupResult inherited = run.Explode();
  ASSERT_EQ(inherited.outcome(), RunOutcome::Done);
  for (const CPolyChunk* particle : Particles(inherited.group)) {
    ASSERT_EQ(particle->Materials.size(), 2u);
    EXPECT_EQ(dynamic_cast<const CPrMaterial*>(particle->Materials[0].get()), nullptr);
    const auto* pr = dynamic_cast<const CPrMaterial*>(particle->Materials[1].get());
    ASSERT_NE(pr, nullptr);
    EXPECT_EQ(pr->Ka, 0.75f);
    EXPECT_NE(pr, run.imported->Materials[1].get());
    EXPECT_EQ(pr->ParentId, particle->Id);
  }
}

using testing::RecordingProgress;

TEST(ExplodeParticles, ProgressContinuesTheExplosionCount) {
  ParticleRun run;
  run.imported->FaceTotal = 30;
  RecordingProgress progress;
  ASSERT_EQ(run.Explode(progress).outcome(), RunOutcome::Done);
  ASSERT_EQ(progress.calls.size(), 12u);
  EXPECT_EQ(progress.Counts().front(), std::make_pair(30, 42));
  EXPECT_EQ(progress.Counts().back(), std::make_pair(41, 42));
}

TEST(ExplodeParticles, CancelOrFailureReturnsNoGroup) {
  ParticleRun run;
  RecordingProgress cancel(5);
  GroupResult cancelled = run.Explode(cancel);
  EXPECT_EQ(cancelled.outcome(), RunOutcome::Cancelled);
  EXPECT_EQ(cancelled.group.Group, nullptr);
  EXPECT_EQ(cancel.calls.size(), 5u);

  class Throwing final : public ProgressSink {
   public:
    void ShowProgress(int, int, std::string_view) override { throw std::bad_alloc(); }
    bool CancelRequested() const override { return false; }
  } throwing;
  GroupResult failed = run.Explode(throwing);
  EXPECT_EQ(failed.outcome(), RunOutcome::Failed);
  EXPECT_EQ(failed.group.Group, nullptr);
}

TEST(ExplodeParticles, ObjectWithoutVerticesGivesAnEmptyGroup) {
  ParticleRun run;
  run.imported = std::make_unique<CPolyChunk>();
  GroupResult result = run.Explode();
  ASSERT_EQ(result.outcome(), RunOutcome::Done);
  EXPECT_TRUE(result.group.Objects.empty());
}

}  // namespace
}  // namespace bk
