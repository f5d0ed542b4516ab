#include "engine/particles.h"

#include <algorithm>
#include <exception>
#include <string>

#include "cob/anim_chunk.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "model/progress.h"
#include "model/random.h"

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

int ClampToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, 0, 0x7fffffff));
}

}  // namespace

GroupResult ExplodeParticles(const ParticleInputs& particles, const CGroup& exploded_group,
                             MotionInputs in, ProgressSink& progress) {
  GroupResult result;
  try {
    const CPolyChunk& imported = particles.ImportedObject;
    const CPolyChunk& current = particles.CurrentParticle;
    const ExplosionOptions& options = in.Options;
    const bool atSurface = options.ParticleOrigin == 1;
    const float scaleMin = options.ParticleRandomScaleMin;
    const float scaleMax = options.ParticleRandomScaleMax;
    const bool randomScale = !(scaleMin == 1.0f && scaleMax == 1.0f);

    auto group = std::make_unique<CGroup>();
    group->ParentId = particles.ActiveOutputMode <= 1 ? exploded_group.Id : 0;
    group->Name = "BurstkinParticles";
    group->Axis = current.Axis;

    const CVector scale = ParticleScale(current, options.AutoScale != 0, particles.ActiveGlobalScale);

    const std::size_t vertexCount = imported.Vertices.size();
    const long long faceTotal = std::max<long long>(imported.FaceTotal, 0);
    const int total = std::max(1, ClampToInt(faceTotal + static_cast<long long>(vertexCount)));
    group->Children.reserve(2 * vertexCount);

    for (std::size_t vi = 0; vi < vertexCount && !progress.CancelRequested(); ++vi) {
      const CVector v = imported.Vertices[vi] ? *imported.Vertices[vi] : CVector();
      const std::size_t n = vi + 1;

      const CPolyChunk& source = ChooseTemplate(particles, vi, in.Random);
      auto particle = std::make_unique<CPolyChunk>();
      particle->CopyFrom(source);
      particle->ParentId = group->Id;
      particle->Name = "Pt," + std::to_string(n + 1);

      // The frame always comes from the first particle object, whichever
      // template gave the geometry.
      particle->Axis = current.Axis;
      particle->Axis.Center = atSurface ? Add(v, imported.Axis.Translation) : imported.Axis.Center;
      particle->Axis.Row0 = CVector(scale.x, 0.0f, 0.0f);
      particle->Axis.Row1 = CVector(0.0f, scale.y, 0.0f);
      particle->Axis.Row2 = CVector(0.0f, 0.0f, scale.z);
      particle->Axis.Translation = particle->Axis.Center;

      if (randomScale) {
        // A random fraction of the span between the limits, held within them
        // (not Min plus that fraction).
        float s = static_cast<float>(DrawFraction(in.Random.Next()) *
                                     (static_cast<double>(scaleMax) - static_cast<double>(scaleMin)));
        if (s <= scaleMin) {
          s = scaleMin;
        } else if (s >= scaleMax) {
          s = scaleMax;
        }
        particle->Axis.Row0.x *= s;
        particle->Axis.Row1.y *= s;
        particle->Axis.Row2.z *= s;
      }

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

      auto channel = std::make_unique<CAnimChunkEx>();
      // At the centre the particle's own position says nothing about where it
      // should fly; its vertex does.
      if (!atSurface) channel->Offset = v;
      SetUpChannel(in, *particle, *channel, 1);
      channel->StaggerOrdinal = static_cast<std::int32_t>(n);
      channel->Piece = particle.get();
      BuildKeys(in, *channel);

      group->Children.push_back(std::move(particle));
      group->Children.push_back(std::move(channel));

      progress.ShowProgress(ClampToInt(faceTotal + static_cast<long long>(vi)), total, "");
    }

    if (progress.CancelRequested()) {
      result.outcome = RunOutcome::Cancelled;
      return result;
    }
    result.outcome = RunOutcome::Done;
    result.group = std::move(group);
  } catch (...) {
    result.outcome = RunOutcome::Failed;
    result.group.reset();
  }
  return result;
}

}  // namespace bk
