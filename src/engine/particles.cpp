#include "engine/particles.h"

#include <algorithm>
#include <exception>
#include <string>

#include "cob/anim_chunk.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "model/progress.h"
#include "model/random.h"
#include "model/saturate.h"

namespace bk {

namespace {

// The scale applied to every particle: the global scale, or with AutoScale a
// size taken from the particle object's own extent so that objects modelled
// at different sizes come out comparable.
CVector ParticleScale(const CPolyChunk& particle, bool auto_scale, float global_scale) {
  if (!auto_scale) return CVector(global_scale, global_scale, global_scale);
  const CVector p = Abs(particle.FaceMidpointCenter());
  const float lo = std::min({p.x, p.y, p.z});
  const float hi = std::max({p.x, p.y, p.z});
  // Formed in double and rounded once.
  const float l = static_cast<float>((static_cast<double>(hi) + static_cast<double>(lo)) * 0.25 *
                                     static_cast<double>(global_scale));
  return CVector(l, l, l);
}

// With several particle objects, each particle takes one at random (one draw);
// with one, there is no draw.
const CPolyChunk& ChooseTemplate(const ParticleInputs& particles, std::size_t vi, CRandom& random) {
  const std::size_t count = particles.ParticleObjects.size();
  if (count <= 1) return particles.CurrentParticle;
  const double fraction = DrawFraction(random.Next());
  const long long m = static_cast<long long>(fraction * static_cast<double>(count));
  std::size_t index;
  if (m >= 0 && static_cast<std::size_t>(m) < count) {
    index = static_cast<std::size_t>(m);
  } else {
    index = (vi % 2 == 0) ? 0 : count - 1;
  }
  const CPolyChunk* chosen = particles.ParticleObjects[index];
  return chosen ? *chosen : particles.CurrentParticle;
}

// A random fraction of the span between the limits, held within them (not
// Min plus that fraction); one draw, only when the limits are not both 1.
void ApplyRandomScale(CPolyChunk& particle, const ExplosionOptions& options, CRandom& random) {
  const float scaleMin = options.ParticleRandomScaleMin;
  const float scaleMax = options.ParticleRandomScaleMax;
  if (scaleMin == 1.0f && scaleMax == 1.0f) return;
  float s = static_cast<float>(DrawFraction(random.Next()) *
                               (static_cast<double>(scaleMax) - static_cast<double>(scaleMin)));
  if (s <= scaleMin) {
    s = scaleMin;
  } else if (s >= scaleMax) {
    s = scaleMax;
  }
  particle.Axis.Row0.x *= s;
  particle.Axis.Row1.y *= s;
  particle.Axis.Row2.z *= s;
}

}  // namespace

namespace {

// One particle: a copy of its template at vertex `vi` of the imported object,
// scaled and framed as its copies are.
std::unique_ptr<CPolyChunk> MakeParticle(const ParticleInputs& particles, const CPolyChunk& source,
                                         const CGroup& group, std::size_t vi, CVector scale,
                                         MotionInputs in) {
  const CPolyChunk& imported = particles.ImportedObject;
  const ExplosionOptions& options = in.Options;
  const CVector v = imported.Vertices[vi] ? *imported.Vertices[vi] : CVector();
  auto particle = std::make_unique<CPolyChunk>();
  particle->CopyFrom(source);
  particle->ParentId = group.Id;
  particle->Name = "Pt," + std::to_string(vi + 2);

  // The frame always comes from the first particle object, whichever
  // template gave the geometry.
  particle->Axis = particles.CurrentParticle.Axis;
  particle->Axis.Center = options.ParticleOrigin == 1 ? Add(v, imported.Axis.Translation) : imported.Axis.Center;
  particle->Axis.Row0 = CVector(scale.x, 0.0f, 0.0f);
  particle->Axis.Row1 = CVector(0.0f, scale.y, 0.0f);
  particle->Axis.Row2 = CVector(0.0f, 0.0f, scale.z);
  particle->Axis.Translation = particle->Axis.Center;
  ApplyRandomScale(*particle, options, in.Random);

  particle->VertexTotal = static_cast<std::int32_t>(particle->Vertices.size());
  particle->UvTotal = static_cast<std::int32_t>(particle->UvPoints.size());
  particle->FaceTotal = static_cast<std::int32_t>(particle->Faces.size());
  if (options.InheritTexture != 0) {
    particle->Materials.clear();
    particle->Materials.reserve(imported.Materials.size());
    for (const auto& material : imported.Materials) {
      if (material) particle->Materials.push_back(material->MakeCopy());
    }
  }
  for (auto& material : particle->Materials) {
    if (material) material->ParentId = particle->Id;
  }
  return particle;
}

ExplodedGroup NewParticleGroup(const ParticleInputs& particles, const CGroup& exploded_group) {
  ExplodedGroup made;
  made.Group = std::make_unique<CGroup>();
  made.Group->ParentId = particles.ActiveOutputMode <= 1 ? exploded_group.Id : 0;
  made.Group->Name = "BurstkinParticles";
  made.Group->Axis = particles.CurrentParticle.Axis;
  return made;
}

}  // namespace

GroupResult ExplodeParticles(const ParticleInputs& particles, const CGroup& exploded_group,
                             MotionInputs in, ProgressSink& progress) {
  try {
    const CPolyChunk& imported = particles.ImportedObject;
    const ExplosionOptions& options = in.Options;
    ExplodedGroup made = NewParticleGroup(particles, exploded_group);
    const CVector scale =
        ParticleScale(particles.CurrentParticle, options.AutoScale != 0, particles.ActiveGlobalScale);
    const std::size_t vertexCount = imported.Vertices.size();
    const long long faceTotal = std::max<long long>(imported.FaceTotal, 0);
    const int total = std::max(1, ClampToCount(faceTotal + static_cast<long long>(vertexCount)));
    made.Objects.reserve(vertexCount);

    for (std::size_t vi = 0; vi < vertexCount && !progress.CancelRequested(); ++vi) {
      const CPolyChunk& source = ChooseTemplate(particles, vi, in.Random);
      auto particle = MakeParticle(particles, source, *made.Group, vi, scale, in);
      // At the centre the particle's own position says nothing about where it
      // should fly; its vertex does.
      const CVector v = imported.Vertices[vi] ? *imported.Vertices[vi] : CVector();
      PieceMotion motion = SetUpMotion(in, *particle, 1, v);
      motion.StaggerOrdinal = static_cast<std::int32_t>(vi + 1);
      auto channel = std::make_unique<CAnimChunkEx>();
      channel->ParentId = particle->Id;
      BuildKeys(in, motion, *channel);
      made.Objects.push_back({std::move(particle), std::move(channel), {}});
      progress.ShowProgress(ClampToCount(faceTotal + static_cast<long long>(vi)), total, "");
    }
    if (progress.CancelRequested()) return GroupResult::Stopped(FailureKind::kCancelled, {});
    return GroupResult::Made(std::move(made));
  } catch (const std::bad_alloc&) {
    return GroupResult::Stopped(FailureKind::kOutOfMemory, kCouldNotExplodeParticles);
  } catch (const std::length_error&) {  // a list longer than memory can hold
    return GroupResult::Stopped(FailureKind::kOutOfMemory, kCouldNotExplodeParticles);
  }
}

}  // namespace bk
