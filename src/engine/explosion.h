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

// Where the pieces of an explosion keep their vertex, texture-vertex and face
// lists until they are written.
enum class PieceLists {
  kHeld,            // in each piece, for callers that look into the pieces
  kCutWhenWritten,  // nowhere: each piece keeps its run of faces (CutFrom)
                    // and is cut again as the .cob writer writes it, so that
                    // a big explosion holds a fraction of the memory; for a
                    // group that is only written
};

// Cuts `source` into pieces of consecutive faces under a new "Burstkin" group,
// each piece with its copied materials and unit and an animation channel.
// Reports progress (total: faces, plus vertices when active_output_mode > 0)
// and stops when progress.CancelRequested(). Pieces share source's vertices
// and texture vertices (and with kCutWhenWritten their faces): source must
// outlive the group and stay unchanged until it is written.
GroupResult ExplodeObject(const CPolyChunk& source, MotionInputs in, std::int32_t active_output_mode,
                          ProgressSink& progress, PieceLists lists = PieceLists::kHeld);

// Piece k's place in the stagger order: k times 1.3f (1.0 when the base piece
// size is 1), the product formed in double, truncated.
std::int32_t StaggerOrdinalFor(std::int32_t k, std::int32_t base_size);

}  // namespace bk
