#include "engine/explosion.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cob/face_run.h"
#include "cob/poly_chunk.h"
#include "cob/unit.h"
#include "engine/piece_maker.h"
#include "model/chunk_id.h"
#include "model/progress.h"
#include "model/random.h"
#include "model/saturate.h"

namespace bk {

namespace {

// The unit and materials every piece carries: the source's, then the
// maker's extra ones, so material indices keep their meaning. They are held
// once; the copies take no chunk ids, since each piece writes them under
// ids of its own.
std::unique_ptr<SharedParts> PartsOfEveryPiece(const CPolyChunk& source,
                                               std::span<const std::unique_ptr<CMaterial>> extra_materials) {
  auto shared = std::make_unique<SharedParts>();
  if (source.Unit) {
    shared->Unit = std::make_unique<CUnit>(WorkingCopy{});
    shared->Unit->CopyFrom(*source.Unit);
  }
  shared->Materials.reserve(source.Materials.size() + extra_materials.size());
  auto add_copies = [&](std::span<const std::unique_ptr<CMaterial>> materials) {
    for (const auto& material : materials) {
      if (!material) throw BadObjectData("missing material");
      shared->Materials.push_back(material->MakeCopy(WorkingCopy{}));
    }
  };
  add_copies(source.Materials);
  add_copies(extra_materials);
  return shared;
}

// Piece k's chunk with its name and axis, but no faces yet, and the ids of
// its unit and materials (see ExplodedObject::SharedIds), which are drawn
// right after the chunk's own as when each piece held copies of them.
std::unique_ptr<CPolyChunk> NewPiece(const CPolyChunk& source, const CGroup& group, std::int32_t k,
                                     const SharedParts& shared, std::int32_t& shared_ids) {
  auto piece = std::make_unique<CPolyChunk>();
  piece->ParentId = group.Id;
  piece->Name = "Bk," + std::to_string(static_cast<std::int64_t>(k) + 1);
  piece->Axis = source.Axis;
  // The piece points at the source's vertices and texture vertices.
  piece->OwnsVertices = 0;
  piece->OwnsUvPoints = 0;
  shared_ids = ChunkIdCounter::Take((shared.Unit ? 1 : 0) + static_cast<std::int32_t>(shared.Materials.size()));
  return piece;
}

// Gives the piece its shape: a run's lists are cut into `work` (the piece
// keeps only the run), a mesh of its own moves into the piece. The piece
// takes the shape's totals and centre (for a run: its vertices' mean, each
// shared position counted once); its axes and transform stay the source's.
// Returns the mesh that holds the lists, which the motion reads.
const CPolyChunk& ShapePiece(MadePiece& made, CPolyChunk& piece, CPolyChunk& work) {
  const CPolyChunk* lists = &piece;
  if (made.Own == nullptr) {
    CutFaces(made.Run, work);
    work.Axis = piece.Axis;
    piece.Axis.Center = work.ComputeCentroid();
    piece.Centroid = work.Centroid;
    // The motion reads the piece's frame and centre from its shape.
    work.Axis = piece.Axis;
    lists = &work;
  } else {
    piece.TakeGeometry(*made.Own);
    piece.HoleCount = made.Own->HoleCount;
    piece.Axis.Center = made.Own->Axis.Center;
    piece.Centroid = piece.Axis.Center;
  }
  piece.VertexTotal = static_cast<std::int32_t>(lists->Vertices.size());
  piece.UvTotal = static_cast<std::int32_t>(lists->UvPoints.size());
  piece.FaceTotal = static_cast<std::int32_t>(lists->Faces.size());
  return *lists;
}

// `shape`: the mesh that holds the piece's lists (the piece itself or the
// working copy its run was cut into).
ExplodedObject AnimatePiece(MotionInputs in, const CPolyChunk& shape, std::unique_ptr<CPolyChunk> piece,
                            std::int32_t stagger_ordinal) {
  PieceMotion motion = SetUpMotion(in, shape, 0);
  motion.StaggerOrdinal = stagger_ordinal;
  auto channel = std::make_unique<CAnimChunkEx>();
  channel->ParentId = piece->Id;
  BuildKeys(in, motion, *channel);
  return {std::move(piece), std::move(channel), {}};
}

}  // namespace

std::int32_t StaggerOrdinalFor(std::int32_t k, std::int32_t base_size) {
  const float factor = base_size >= 2 ? 1.3f : 1.0f;
  const double ordinal = static_cast<double>(k) * static_cast<double>(factor);
  if (ordinal >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  if (ordinal <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(ordinal);
}

GroupResult ExplodeObject(const CPolyChunk& source, MotionInputs in, std::int32_t active_output_mode,
                          ProgressSink& progress) {
  try {
    std::unique_ptr<PieceMaker> maker = MakeFaceRunMaker(source, in.Options.MinPieces);
    return ExplodeObject(source, *maker, in, active_output_mode, progress);
  } catch (const std::bad_alloc&) {
    return GroupResult::Stopped(FailureKind::kOutOfMemory, kCouldNotExplode);
  }
}

GroupResult ExplodeObject(const CPolyChunk& source, PieceMaker& maker, MotionInputs in,
                          std::int32_t active_output_mode, ProgressSink& progress) {
  // One guard for the whole run: bad object data or a failed allocation
  // releases everything made so far and gives no group.
  try {
    ExplodedGroup exploded;
    exploded.Group = std::make_unique<CGroup>();
    exploded.Group->Name = "Burstkin";
    exploded.Group->ParentId = 0;
    exploded.Group->Axis = source.Axis;
    LoadMotionSettings(in.Motion, in.Options, source);

    const std::int64_t total = maker.ProgressTotal() +
                               (active_output_mode == 0 ? 0 : static_cast<std::int64_t>(source.Vertices.size()));
    CPolyChunk work{WorkingCopy{}};
    MadePiece made;
    progress.ShowProgress(0, 1, "Calculating; press Esc to cancel");
    for (std::int32_t k = 1; !progress.CancelRequested() && maker.Next(k, in.Random, made); ++k) {
      if (!exploded.Shared) exploded.Shared = PartsOfEveryPiece(source, maker.ExtraMaterials());
      std::int32_t shared_ids = 0;
      auto piece = NewPiece(source, *exploded.Group, k, *exploded.Shared, shared_ids);
      const CPolyChunk& shape = ShapePiece(made, *piece, work);
      ExplodedObject object = AnimatePiece(in, shape, std::move(piece), maker.StaggerOrdinal(k));
      object.Run = made.Run;
      object.SharedIds = shared_ids;
      exploded.Objects.push_back(std::move(object));
      progress.ShowProgress(ClampToCount(maker.ProgressDone()), ClampToCount(total), "");
    }
    if (progress.CancelRequested()) return GroupResult::Stopped(FailureKind::kCancelled, {});
    return GroupResult::Made(std::move(exploded));
  } catch (const BadObjectData&) {
    return GroupResult::Stopped(FailureKind::kBadData, kCouldNotExplode);
  } catch (const std::bad_alloc&) {
    return GroupResult::Stopped(FailureKind::kOutOfMemory, kCouldNotExplode);
  } catch (const std::length_error&) {  // a list longer than memory can hold
    return GroupResult::Stopped(FailureKind::kOutOfMemory, kCouldNotExplode);
  }
}

}  // namespace bk
