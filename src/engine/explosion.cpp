#include "engine/explosion.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cob/poly_chunk.h"
#include "cob/unit.h"
#include "model/progress.h"
#include "model/random.h"
#include "model/saturate.h"

namespace bk {

namespace {

constexpr std::uint32_t kEmptySlot = 0xFFFFFFFFu;

// Bits of a float for hashing under exact ==: -0 and +0 compare equal, so they
// must hash alike. NaN never reaches the hash (it matches nothing).
std::uint32_t HashBits(float value) {
  if (value == 0.0f) return 0u;
  return std::bit_cast<std::uint32_t>(value);
}

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

std::uint64_t HashOf(const CVector& v) {
  return Mix((static_cast<std::uint64_t>(HashBits(v.x)) << 32 | HashBits(v.y)) ^
             (static_cast<std::uint64_t>(HashBits(v.z)) * 0x9E3779B97F4A7C15ULL));
}
std::uint64_t HashOf(const CUvPoint& t) {
  return Mix(static_cast<std::uint64_t>(HashBits(t.u)) << 32 | HashBits(t.v));
}
bool HasNaN(const CVector& v) { return std::isnan(v.x) || std::isnan(v.y) || std::isnan(v.z); }
bool HasNaN(const CUvPoint& t) { return std::isnan(t.u) || std::isnan(t.v); }

// Finds, for a value, the position of the first element of a piece's list that
// equals it exactly, as a front-to-back search of the list would, in constant
// expected time. Only the first occurrence of each value is indexed; since an
// element is appended only when its value is not yet in the list, that is the
// element a linear search would stop at. Slots keep a copy of the value so a
// probe touches only the table.
template <typename T>
class FirstMatchIndex {
 public:
  // `expected`: about how many distinct values will come; the table grows
  // past it as needed.
  FirstMatchIndex(std::vector<T*>& list, std::size_t expected) : list_(list) {
    Rehash(std::bit_ceil(std::clamp<std::size_t>(2 * expected, 16, std::size_t{1} << 16)));
  }

  // Position of the first element equal to *element, appending element to the
  // list when there is none.
  std::uint32_t FindOrAppend(T* element) {
    const T& value = *element;
    if (!HasNaN(value)) {
      std::size_t slot = HashOf(value) & mask_;
      while (slots_[slot].position != kEmptySlot) {
        if (slots_[slot].value == value) return slots_[slot].position;
        slot = (slot + 1) & mask_;
      }
      if (list_.size() >= kEmptySlot) throw BadObjectData("too many vertices in one piece");
      slots_[slot] = Slot{value, static_cast<std::uint32_t>(list_.size())};
      list_.push_back(element);
      if (++used_ * 2 > slots_.size()) Rehash(slots_.size() * 2);
    } else {
      list_.push_back(element);
    }
    return static_cast<std::uint32_t>(list_.size() - 1);
  }

 private:
  struct Slot {
    T value{};
    std::uint32_t position = kEmptySlot;
  };

  void Rehash(std::size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    for (const Slot& entry : old) {
      if (entry.position == kEmptySlot) continue;
      std::size_t slot = HashOf(entry.value) & mask_;
      while (slots_[slot].position != kEmptySlot) slot = (slot + 1) & mask_;
      slots_[slot] = entry;
    }
  }

  std::vector<T*>& list_;
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  std::size_t used_ = 0;
};

// A face index read from a file is untrusted: an index outside the source's
// lists (or naming an empty slot) fails the run instead of reading past them.
template <typename T>
T* SourceElement(const std::vector<T*>& list, std::uint32_t index) {
  if (index >= list.size() || list[index] == nullptr) throw BadObjectData("face corner index out of range");
  return list[index];
}

// Builds piece k from up to `size` source faces starting at faces_used, which
// it advances.
std::unique_ptr<CPolyChunk> MakePiece(const CPolyChunk& source, const CGroup& group, std::int32_t k,
                                      std::int32_t size, std::int32_t face_count, std::int32_t& faces_used) {
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

  // A piece of n faces has at most a few corners per face of its own.
  const std::size_t expected = 4 * static_cast<std::size_t>(std::max(size, 0));
  FirstMatchIndex<CVector> vertex_index(piece->Vertices, expected);
  FirstMatchIndex<CUvPoint> uv_index(piece->UvPoints, expected);
  piece->ReserveOwnedFaces(static_cast<std::size_t>(std::clamp(size, 0, face_count - faces_used)));
  for (std::int32_t n = 0; n < size && faces_used < face_count; ++n) {
    const CFace* original = source.Faces[static_cast<std::size_t>(faces_used)];
    if (original == nullptr) throw BadObjectData("missing face");
    CFace face;
    face.CopyFrom(*original);
    ++faces_used;
    if (face.UvIndices.size() != face.VertexIndices.size()) throw BadObjectData("face corner lists differ");
    for (std::size_t j = 0; j < face.VertexIndices.size(); ++j) {
      face.VertexIndices[j] = vertex_index.FindOrAppend(SourceElement(source.Vertices, face.VertexIndices[j]));
      face.UvIndices[j] = uv_index.FindOrAppend(SourceElement(source.UvPoints, face.UvIndices[j]));
    }
    piece->AddOwnedFace(std::move(face));
  }
  // An explosion holds a quarter of a million pieces at once: no slack.
  piece->Faces.shrink_to_fit();
  piece->Vertices.shrink_to_fit();
  piece->UvPoints.shrink_to_fit();

  // Every piece gets every material, so material indices keep their meaning.
  piece->Materials.reserve(source.Materials.size());
  for (const auto& material : source.Materials) {
    if (!material) throw BadObjectData("missing material");
    auto copy = material->MakeCopy();
    copy->ParentId = piece->Id;
    piece->Materials.push_back(std::move(copy));
  }

  // The piece's own centre (each shared position counted once); its axes and
  // transform stay those of the source.
  piece->Axis.Center = piece->ComputeCentroid();
  piece->VertexTotal = static_cast<std::int32_t>(piece->Vertices.size());
  piece->UvTotal = static_cast<std::int32_t>(piece->UvPoints.size());
  piece->FaceTotal = static_cast<std::int32_t>(piece->Faces.size());
  return piece;
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

ExplodedObject AnimatePiece(MotionInputs in, std::unique_ptr<CPolyChunk> piece, std::int32_t stagger_ordinal) {
  PieceMotion motion = SetUpMotion(in, *piece, 0);
  motion.StaggerOrdinal = stagger_ordinal;
  auto channel = std::make_unique<CAnimChunkEx>();
  channel->ParentId = piece->Id;
  BuildKeys(in, motion, *channel);
  return {std::move(piece), std::move(channel)};
}

}  // namespace

GroupResult ExplodeObject(const CPolyChunk& source, MotionInputs in, std::int32_t active_output_mode,
                          ProgressSink& progress) {
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
    progress.ShowProgress(0, 1, "Calculating; press Esc to cancel");
    for (std::int32_t k = 1; faces_used < face_count && !progress.CancelRequested(); ++k) {
      const std::int32_t size = sizer.Next(k, in.Random);
      auto piece = MakePiece(source, *exploded.Group, k, size, face_count, faces_used);
      exploded.Objects.push_back(AnimatePiece(in, std::move(piece), StaggerOrdinalFor(k, base)));
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
