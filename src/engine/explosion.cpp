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
#include "model/progress.h"
#include "model/random.h"
#include "model/saturate.h"

namespace bk {

namespace {

// Piece k's chunk with its name, axis, unit and materials, which take their
// ids in that order, but no faces yet.
std::unique_ptr<CPolyChunk> NewPiece(const CPolyChunk& source, const CGroup& group, std::int32_t k) {
  auto piece = std::make_unique<CPolyChunk>();
  piece->ParentId = group.Id;
  piece->Name = "Bk," + std::to_string(static_cast<std::int64_t>(k) + 1);
  piece->Axis = source.Axis;
  // The piece points at the source's vertices and texture vertices.
  piece->OwnsVertices = 0;
  piece->OwnsUvPoints = 0;

  if (source.Unit) {
    auto unit = std::make_unique<CUnit>();
    unit->CopyFrom(*source.Unit);
    unit->ParentId = piece->Id;
    piece->Unit = std::move(unit);
  }

  // Every piece gets every material, so material indices keep their meaning.
  piece->Materials.reserve(source.Materials.size());
  for (const auto& material : source.Materials) {
    if (!material) throw BadObjectData("missing material");
    auto copy = material->MakeCopy();
    copy->ParentId = piece->Id;
    piece->Materials.push_back(std::move(copy));
  }
  return piece;
}

// Cuts the run's faces into the piece, or into `work` when the piece is to be
// cut again as it is written, and gives the piece the run's centre (each
// shared position counted once) and totals; its axes and transform stay those
// of the source. Returns the mesh that holds the lists.
const CPolyChunk& CutPiece(const FaceRun& run, PieceLists lists, CPolyChunk& piece, CPolyChunk& work) {
  CPolyChunk& cut = lists == PieceLists::kHeld ? piece : work;
  CutFaces(run, cut);
  piece.Axis.Center = cut.ComputeCentroid();
  piece.Centroid = cut.Centroid;
  piece.VertexTotal = static_cast<std::int32_t>(cut.Vertices.size());
  piece.UvTotal = static_cast<std::int32_t>(cut.UvPoints.size());
  piece.FaceTotal = static_cast<std::int32_t>(cut.Faces.size());
  if (lists == PieceLists::kHeld) {
    // An explosion holds a quarter of a million pieces at once: no slack.
    piece.Faces.shrink_to_fit();
    piece.Vertices.shrink_to_fit();
    piece.UvPoints.shrink_to_fit();
  } else {
    piece.CutFrom = run;
    // The motion reads the piece's frame and centre from its shape.
    work.Axis = piece.Axis;
  }
  return cut;
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

namespace {

// The face count of each piece in turn. The draws for a piece's size happen
// right before it is made, so the sizes cannot be worked out ahead.
class PieceSizer {
 public:
  PieceSizer(const CPolyChunk& source, std::int32_t face_count, std::int32_t base)
      : source_(source), faceCount_(face_count), base_(base), size_(base) {}

  std::int32_t Next(std::int32_t k, CRandom& random) {
    if (base_ >= 2 && source_.HoleCount == 0) return Drawn(k, random);
    if (source_.HoleCount >= 1) return UpToHoles();
    return 1;
  }

 private:
  // Odd pieces are shortened by the reduction that the even piece before
  // drew; the draw shifts all later random choices, so it is kept even
  // though it is nearly always 1.
  std::int32_t Drawn(std::int32_t k, CRandom& random) {
    if (k % 2 == 1) {
      size_ = base_ - reduction_;
    } else {
      const std::int32_t x = faceCount_ / 100;
      const int r1 = random.Next();
      if ((r1 / 32767) * x < 1) {
        reduction_ = 1;
      } else {
        const int r2 = random.Next();
        reduction_ = (r2 / 32767) * x;
      }
    }
    if (size_ < 1) size_ = 1;
    return size_;
  }

  // A piece never ends between a face and the holes that follow it.
  std::int32_t UpToHoles() {
    std::int32_t count = 0;
    std::size_t i = nextHoleScan_;
    while (i < source_.Faces.size()) {
      const CFace* face = source_.Faces[i];
      const bool hole = face != nullptr && face->IsHole();
      if (!(hole || count == 0 || count < size_)) break;
      ++count;
      ++i;
    }
    nextHoleScan_ = i;
    size_ = count;
    return size_;
  }

  const CPolyChunk& source_;
  std::int32_t faceCount_;
  std::int32_t base_;
  std::int32_t size_;
  std::int32_t reduction_ = 0;
  std::size_t nextHoleScan_ = 0;
};

// FaceTotal is trusted only as far as the face list reaches.
std::int32_t UsableFaceCount(const CPolyChunk& source) {
  return std::clamp<std::int32_t>(
      source.FaceTotal, 0, static_cast<std::int32_t>(std::min<std::size_t>(source.Faces.size(), INT32_MAX)));
}

// The base piece size: the faces over the piece count, the count held to the
// faces there are and at least one (a count below one is only possible when
// the options were never clamped against a real object).
std::int32_t BasePieceSize(std::int32_t min_pieces, std::int32_t face_count) {
  std::int32_t pieces = min_pieces;
  if (static_cast<double>(pieces) > static_cast<double>(face_count)) pieces = face_count;
  pieces = std::max(pieces, 1);
  return static_cast<std::int32_t>(static_cast<double>(face_count) / pieces);
}

// `shape`: the mesh that holds the piece's lists (the piece itself or the
// working copy it was cut into).
ExplodedObject AnimatePiece(MotionInputs in, const CPolyChunk& shape, std::unique_ptr<CPolyChunk> piece,
                            std::int32_t stagger_ordinal) {
  PieceMotion motion = SetUpMotion(in, shape, 0);
  motion.StaggerOrdinal = stagger_ordinal;
  auto channel = std::make_unique<CAnimChunkEx>();
  channel->ParentId = piece->Id;
  BuildKeys(in, motion, *channel);
  return {std::move(piece), std::move(channel)};
}

}  // namespace

GroupResult ExplodeObject(const CPolyChunk& source, MotionInputs in, std::int32_t active_output_mode,
                          ProgressSink& progress, PieceLists lists) {
  // One guard for the whole run: bad object data or a failed allocation
  // releases everything made so far and gives no group.
  try {
    ExplodedGroup exploded;
    exploded.Group = std::make_unique<CGroup>();
    exploded.Group->Name = "Burstkin";
    exploded.Group->ParentId = 0;
    exploded.Group->Axis = source.Axis;
    LoadMotionSettings(in.Motion, in.Options, source);

    const std::int32_t face_count = UsableFaceCount(source);
    const std::int32_t base = BasePieceSize(in.Options.MinPieces, face_count);
    const int total = ClampToCount(active_output_mode == 0
                                     ? static_cast<std::int64_t>(face_count)
                                     : static_cast<std::int64_t>(face_count) +
                                           static_cast<std::int64_t>(source.Vertices.size()));
    PieceSizer sizer(source, face_count, base);
    std::int32_t faces_used = 0;
    CPolyChunk work{WorkingCopy{}};
    progress.ShowProgress(0, 1, "Calculating; press Esc to cancel");
    for (std::int32_t k = 1; faces_used < face_count && !progress.CancelRequested(); ++k) {
      const std::int32_t size = sizer.Next(k, in.Random);
      const FaceRun run{&source, static_cast<std::uint32_t>(faces_used),
                        static_cast<std::uint32_t>(std::clamp(size, 0, face_count - faces_used))};
      auto piece = NewPiece(source, *exploded.Group, k);
      const CPolyChunk& shape = CutPiece(run, lists, *piece, work);
      faces_used += static_cast<std::int32_t>(run.Count);
      exploded.Objects.push_back(AnimatePiece(in, shape, std::move(piece), StaggerOrdinalFor(k, base)));
      progress.ShowProgress(faces_used, total, "");
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
