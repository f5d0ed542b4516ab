#include <algorithm>
#include <cstdint>
#include <memory>

#include "engine/explosion.h"
#include "engine/piece_maker.h"
#include "model/random.h"

namespace bk {

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

class FaceRunMaker final : public PieceMaker {
 public:
  FaceRunMaker(const CPolyChunk& source, std::int32_t min_pieces)
      : source_(source),
        faceCount_(UsableFaceCount(source)),
        base_(BasePieceSize(min_pieces, faceCount_)),
        sizer_(source, faceCount_, base_) {}

  bool Next(std::int32_t k, CRandom& random, MadePiece& piece) override {
    if (facesUsed_ >= faceCount_) return false;
    const std::int32_t size = sizer_.Next(k, random);
    piece.Run = FaceRun{&source_, static_cast<std::uint32_t>(facesUsed_),
                        static_cast<std::uint32_t>(std::clamp(size, 0, faceCount_ - facesUsed_))};
    piece.Own.reset();
    facesUsed_ += static_cast<std::int32_t>(piece.Run.Count);
    return true;
  }
  std::int64_t ProgressDone() const override { return facesUsed_; }
  std::int64_t ProgressTotal() const override { return faceCount_; }
  std::int32_t StaggerOrdinal(std::int32_t k) const override { return StaggerOrdinalFor(k, base_); }

 private:
  const CPolyChunk& source_;
  std::int32_t faceCount_;
  std::int32_t base_;
  PieceSizer sizer_;
  std::int32_t facesUsed_ = 0;
};

}  // namespace

std::unique_ptr<PieceMaker> MakeFaceRunMaker(const CPolyChunk& source, std::int32_t min_pieces) {
  return std::make_unique<FaceRunMaker>(source, min_pieces);
}

}  // namespace bk
