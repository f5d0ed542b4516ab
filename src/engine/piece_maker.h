#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "cob/face_run.h"
#include "cob/material.h"
#include "cob/poly_chunk.h"
#include "model/status.h"

namespace bk {

class CRandom;
class ProgressSink;
struct ExplosionOptions;

// A piece as a maker hands it over: a run of the source's faces, or (Run.Source
// null) a mesh of its own, whose lists it owns and whose Axis.Center is the
// piece's centre.
struct MadePiece {
  FaceRun Run;
  std::unique_ptr<CPolyChunk> Own;
};

// Makes the pieces of an explosion one at a time. The explosion pulls piece k
// right before it draws piece k's motion from the same random generator, so
// a maker that draws (the sizes of runs of faces) keeps its draws and the
// motion's interleaved.
class PieceMaker {
 public:
  virtual ~PieceMaker() = default;
  // Makes piece k (counted from 1) into `piece`; false when every piece is made.
  virtual bool Next(std::int32_t k, CRandom& random, MadePiece& piece) = 0;
  // How far the making has come, and where it ends, in units of the maker's
  // choosing.
  virtual std::int64_t ProgressDone() const = 0;
  virtual std::int64_t ProgressTotal() const = 0;
  // Piece k's place in the stagger order.
  virtual std::int32_t StaggerOrdinal(std::int32_t k) const = 0;
  // Materials every piece carries after the source's (solid pieces' inner
  // material, say); the maker keeps them.
  virtual std::span<const std::unique_ptr<CMaterial>> ExtraMaterials() const { return {}; }
};

// Cuts the source into runs of consecutive faces: about the options'
// MinPieces of them, the sizes drawn as the pieces are made; an object with
// holes ends a piece only after a face's holes.
std::unique_ptr<PieceMaker> MakeFaceRunMaker(const CPolyChunk& source, std::int32_t min_pieces);

// A solid-cell maker, or why there is none, and how many of the object's
// shells were open (cut without caps).
struct SolidMakerResult {
  Status status;
  std::unique_ptr<PieceMaker> maker;
  std::int32_t shells = 0;
  std::int32_t open_shells = 0;
};

// Cuts the source into the options' solid cells at once, drawing the sites
// from `random` (so they come before every motion draw) and reporting to
// `progress`. The maker then hands the cells over as meshes of their own,
// centred on their volume centroids, each carrying the inner material after
// the source's. Fails with the cut's message (a flat object, options out of
// range) or kCancelled.
SolidMakerResult MakeSolidCellMaker(const CPolyChunk& source, const ExplosionOptions& options, CRandom& random,
                                    ProgressSink& progress);

}  // namespace bk
