#include <memory>
#include <utility>
#include <vector>

#include "engine/explosion.h"
#include "engine/piece_maker.h"
#include "engine/solid_cells.h"

namespace bk {
namespace {

class SolidCellMaker final : public PieceMaker {
 public:
  SolidCellMaker(std::vector<CellPiece> pieces, std::unique_ptr<CMaterial> inner) : pieces_(std::move(pieces)) {
    extra_.push_back(std::move(inner));
  }

  bool Next(std::int32_t k, CRandom&, MadePiece& piece) override {
    const auto index = static_cast<std::size_t>(k - 1);
    if (k < 1 || index >= pieces_.size()) return false;
    piece.Run = FaceRun{};
    piece.Own = std::make_unique<CPolyChunk>();
    FillPieceChunk(pieces_[index], *piece.Own);
    // The piece's lists now live in its chunk; an explosion of 100,000
    // cells should not hold them twice.
    pieces_[index] = CellPiece{};
    made_ = k;
    return true;
  }
  std::int64_t ProgressDone() const override { return made_; }
  std::int64_t ProgressTotal() const override { return static_cast<std::int64_t>(pieces_.size()); }
  // Cells come in site order, which has no size to stagger by: one step each.
  std::int32_t StaggerOrdinal(std::int32_t k) const override { return StaggerOrdinalFor(k, 1); }
  std::span<const std::unique_ptr<CMaterial>> ExtraMaterials() const override { return extra_; }

 private:
  std::vector<CellPiece> pieces_;
  MaterialList extra_;
  std::int32_t made_ = 0;
};

}  // namespace

SolidMakerResult MakeSolidCellMaker(const CPolyChunk& source, const ExplosionOptions& options, CRandom& random,
                                    ProgressSink& progress) {
  SolidMakerResult result;
  const auto inner_index = static_cast<std::int32_t>(source.Materials.size());
  SolidCellsResult cut = CutIntoCells(source, SolidCellOptionsFrom(options), random, progress, inner_index);
  result.status = std::move(cut.status);
  result.shells = cut.shells;
  result.open_shells = cut.open_shells;
  if (!result.status.ok()) return result;
  result.maker = std::make_unique<SolidCellMaker>(std::move(cut.pieces), MakeInnerMaterial(options));
  return result;
}

}  // namespace bk
