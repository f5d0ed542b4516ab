#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "cob/exploded_group.h"
#include "cob/face_run.h"
#include "engine/motion.h"
#include "model/status.h"

namespace bk {

class CPolyChunk;
class ProgressSink;

enum class RunOutcome { Done, Cancelled, Failed };

// A group made by an engine run, or why there is none: cancelled, or failed
// with the run's message ("Could not explode object." or "Could not explode
// Particle object.").
struct GroupResult : Status {
  ExplodedGroup group;  // its Group is set only when ok()

  RunOutcome outcome() const {
    if (ok()) return RunOutcome::Done;
    return kind == FailureKind::kCancelled ? RunOutcome::Cancelled : RunOutcome::Failed;
  }
  static GroupResult Made(ExplodedGroup group) {
    GroupResult result;
    result.group = std::move(group);
    return result;
  }
  static GroupResult Stopped(FailureKind kind, std::string_view message) {
    GroupResult result;
    result.Fail(kind, message);
    return result;
  }
};

inline constexpr const char* kCouldNotExplode = "Could not explode object.";
inline constexpr const char* kCouldNotExplodeParticles = "Could not explode Particle object.";

class PieceMaker;

// Cuts `source` into pieces under a new "Burstkin" group, each piece with an
// animation channel and the group's shared copies of the source's materials
// (and the maker's extra ones) and unit. Pieces are pulled from `maker` one at a time (the default: runs of
// consecutive faces, about in.Options.MinPieces of them). Reports progress
// (total: the maker's, plus vertices when active_output_mode > 0) and stops
// when progress.CancelRequested(). A piece made of a run of faces keeps only
// the run (see ListsOf): source must outlive the group and stay unchanged
// until it is written.
GroupResult ExplodeObject(const CPolyChunk& source, MotionInputs in, std::int32_t active_output_mode,
                          ProgressSink& progress);
GroupResult ExplodeObject(const CPolyChunk& source, PieceMaker& maker, MotionInputs in,
                          std::int32_t active_output_mode, ProgressSink& progress);

// Piece k's place in the stagger order: k times 1.3f (1.0 when the base piece
// size is 1), the product formed in double, truncated.
std::int32_t StaggerOrdinalFor(std::int32_t k, std::int32_t base_size);

}  // namespace bk
