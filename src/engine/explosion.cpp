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
  explicit FirstMatchIndex(std::vector<T*>& list) : list_(list) { Rehash(64); }

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
      if (list_.size() >= kEmptySlot) throw std::length_error("too many vertices in one piece");
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
  if (index >= list.size() || list[index] == nullptr) throw std::out_of_range("face corner index out of range");
  return list[index];
}

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<int>::max()));
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

  FirstMatchIndex<CVector> vertex_index(piece->Vertices);
  FirstMatchIndex<CUvPoint> uv_index(piece->UvPoints);
  piece->Faces.reserve(static_cast<std::size_t>(std::max(size, 0)));
  for (std::int32_t n = 0; n < size && faces_used < face_count; ++n) {
    const CFace* original = source.Faces[static_cast<std::size_t>(faces_used)];
    if (original == nullptr) throw std::runtime_error("missing face");
    CFace face;
    face.CopyFrom(*original);
    ++faces_used;
    if (face.UvIndices.size() != face.VertexIndices.size()) throw std::runtime_error("face corner lists differ");
    for (std::size_t j = 0; j < face.VertexIndices.size(); ++j) {
      face.VertexIndices[j] = vertex_index.FindOrAppend(SourceElement(source.Vertices, face.VertexIndices[j]));
      face.UvIndices[j] = uv_index.FindOrAppend(SourceElement(source.UvPoints, face.UvIndices[j]));
    }
    piece->AddOwnedFace(std::move(face));
  }
  piece->Faces.shrink_to_fit();

  // Every piece gets every material, so material indices keep their meaning.
  piece->Materials.reserve(source.Materials.size());
  for (const auto& material : source.Materials) {
    if (!material) throw std::runtime_error("missing material");
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

GroupResult ExplodeObject(const CPolyChunk& source, MotionInputs in, std::int32_t active_output_mode,
                          ProgressSink& progress) {
  // One guard for the whole run: whatever fails (allocation, a corrupt face),
  // everything made so far is released with `group` and no group is returned.
  try {
    auto group = std::make_unique<CGroup>();
    group->Name = "Burstkin";
    group->ParentId = 0;
    group->Axis = source.Axis;

    LoadMotionSettings(in.Motion, in.Options, source);

    // FaceTotal is trusted only as far as the face list reaches.
    const std::int32_t face_count =
        std::clamp<std::int32_t>(source.FaceTotal, 0, static_cast<std::int32_t>(
                                                          std::min<std::size_t>(source.Faces.size(), INT32_MAX)));
    std::int32_t pieces = in.Options.MinPieces;
    if (static_cast<double>(pieces) > static_cast<double>(face_count)) pieces = face_count;
    // A piece count below one (only possible when the options were never
    // clamped against a real object) would divide by zero: one piece instead.
    pieces = std::max(pieces, 1);
    const std::int32_t base = static_cast<std::int32_t>(static_cast<double>(face_count) / pieces);

    const int total = ClampToInt(active_output_mode == 0
                                     ? static_cast<std::int64_t>(face_count)
                                     : static_cast<std::int64_t>(face_count) +
                                           static_cast<std::int64_t>(source.Vertices.size()));

    std::int32_t faces_used = 0;
    std::int32_t k = 0;
    std::int32_t reduction = 0;
    std::size_t next_hole_scan = 0;
    std::int32_t size = base;

    progress.ShowProgress(0, 1, "Calculating; press Esc to cancel");
    while (faces_used < face_count && !progress.CancelRequested()) {
      ++k;
      if (base >= 2 && source.HoleCount == 0) {
        // Odd pieces are shortened by the reduction that the even piece before
        // drew; the draw shifts all later random choices, so it is kept even
        // though it is nearly always 1.
        if (k % 2 == 1) {
          size = base - reduction;
        } else {
          const std::int32_t x = face_count / 100;
          const int r1 = in.Random.Next();
          if ((r1 / 32767) * x < 1) {
            reduction = 1;
          } else {
            const int r2 = in.Random.Next();
            reduction = (r2 / 32767) * x;
          }
        }
        if (size < 1) size = 1;
      } else if (source.HoleCount >= 1) {
        // A piece never ends between a face and the holes that follow it.
        std::int32_t count = 0;
        std::size_t i = next_hole_scan;
        while (i < source.Faces.size()) {
          const CFace* face = source.Faces[i];
          const bool hole = face != nullptr && face->IsHole();
          if (hole || count == 0 || count < size) {
            ++count;
          } else {
            break;
          }
          ++i;
        }
        size = count;
        next_hole_scan = i;
      } else {
        size = 1;
      }

      auto piece = MakePiece(source, *group, k, size, face_count, faces_used);
      auto channel = std::make_unique<CAnimChunkEx>();
      SetUpChannel(in, *piece, *channel, 0);
      channel->StaggerOrdinal = StaggerOrdinalFor(k, base);
      channel->Piece = piece.get();
      BuildKeys(in, *channel);

      group->Children.push_back(std::move(piece));
      group->Children.push_back(std::move(channel));
      progress.ShowProgress(faces_used, total, "");
    }

    if (progress.CancelRequested()) return {RunOutcome::Cancelled, nullptr};
    return {RunOutcome::Done, std::move(group)};
  } catch (...) {
    return {RunOutcome::Failed, nullptr};
  }
}

}  // namespace bk
