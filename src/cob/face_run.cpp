#include "cob/face_run.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "cob/cob_writer.h"
#include "cob/exploded_group.h"
#include "cob/poly_chunk.h"

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

// Finds, for a value, the position of the first element of a piece's list
// that equals it exactly, as a front-to-back search of the list would, and
// appends the element when there is none. The list starts empty. A short
// list is searched from the front, in a copy of its values beside it; a
// longer one is indexed by a hash table, so that a big piece costs constant
// expected time per corner. The table indexes only the first occurrence of
// each value; since an element is appended only when its value is not yet in
// the list, that is the element a search from the front would stop at. Slots
// keep a copy of the value so a probe touches only the table.
template <typename T>
class FirstMatchIndex {
 public:
  explicit FirstMatchIndex(std::vector<T*>& list) : list_(list) {}

  std::uint32_t FindOrAppend(T* element) {
    if (!slots_.empty()) return FindOrAppendHashed(element);
    const T& value = *element;
    const std::size_t count = list_.size();
    for (std::size_t i = 0; i < count; ++i) {
      if (values_[i] == value) return static_cast<std::uint32_t>(i);
    }
    if (count < kSearched) {
      values_[count] = value;
      list_.push_back(element);
      return static_cast<std::uint32_t>(count);
    }
    StartHashing();
    return FindOrAppendHashed(element);
  }

 private:
  // Longer lists than this are hashed: most pieces have fewer points.
  static constexpr std::size_t kSearched = 16;

  struct Slot {
    T value{};
    std::uint32_t position = kEmptySlot;
  };

  std::uint32_t FindOrAppendHashed(T* element) {
    const T& value = *element;
    if (HasNaN(value)) {
      list_.push_back(element);
      return static_cast<std::uint32_t>(list_.size() - 1);
    }
    std::size_t slot = HashOf(value) & mask_;
    while (slots_[slot].position != kEmptySlot) {
      if (slots_[slot].value == value) return slots_[slot].position;
      slot = (slot + 1) & mask_;
    }
    if (list_.size() >= kEmptySlot) throw BadObjectData("too many vertices in one piece");
    slots_[slot] = Slot{value, static_cast<std::uint32_t>(list_.size())};
    list_.push_back(element);
    if (++used_ * 2 > slots_.size()) Rehash(slots_.size() * 2);
    return static_cast<std::uint32_t>(list_.size() - 1);
  }

  // Indexes the searched values (all distinct but for NaN, which matches
  // nothing and stays out of the table).
  void StartHashing() {
    Rehash(4 * kSearched);
    for (std::size_t i = 0; i < list_.size(); ++i) {
      if (HasNaN(values_[i])) continue;
      Insert(Slot{values_[i], static_cast<std::uint32_t>(i)});
      ++used_;
    }
  }

  void Rehash(std::size_t capacity) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(capacity, Slot{});
    mask_ = capacity - 1;
    for (const Slot& entry : old) {
      if (entry.position != kEmptySlot) Insert(entry);
    }
  }

  void Insert(const Slot& entry) {
    std::size_t slot = HashOf(entry.value) & mask_;
    while (slots_[slot].position != kEmptySlot) slot = (slot + 1) & mask_;
    slots_[slot] = entry;
  }

  std::vector<T*>& list_;
  T values_[kSearched];
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

}  // namespace

void CutFaces(const FaceRun& run, CPolyChunk& piece) {
  const CPolyChunk& source = *run.Source;
  piece.ClearGeometry();
  FirstMatchIndex<CVector> vertex_index(piece.Vertices);
  FirstMatchIndex<CUvPoint> uv_index(piece.UvPoints);
  piece.ReserveOwnedFaces(run.Count);
  for (std::size_t i = run.First; i < std::size_t{run.First} + run.Count; ++i) {
    const CFace* original = i < source.Faces.size() ? source.Faces[i] : nullptr;
    if (original == nullptr) throw BadObjectData("missing face");
    CFace face;
    face.CopyFrom(*original);
    if (face.UvIndices.size() != face.VertexIndices.size()) throw BadObjectData("face corner lists differ");
    for (std::size_t j = 0; j < face.VertexIndices.size(); ++j) {
      face.VertexIndices[j] = vertex_index.FindOrAppend(SourceElement(source.Vertices, face.VertexIndices[j]));
      face.UvIndices[j] = uv_index.FindOrAppend(SourceElement(source.UvPoints, face.UvIndices[j]));
    }
    piece.AddOwnedFace(std::move(face));
  }
}

namespace {

// Points `work`'s lists at `mesh`'s elements.
void ShareLists(const CPolyChunk& mesh, CPolyChunk& work) {
  work.ClearGeometry();
  work.Vertices = mesh.Vertices;
  work.UvPoints = mesh.UvPoints;
  work.Faces = mesh.Faces;
}

// Gives `work` copies of its vertex and texture-vertex values, each as the
// element lists of a .cob file hold it (fixed notation, six decimals).
void OwnValuesAsWritten(CPolyChunk& work) {
  static constexpr CobWriter::Format kListFormat{CobWriter::Notation::Fixed, 6};
  auto written = [](float v) { return AsWritten(kListFormat, v); };
  std::vector<CVector*> vertices;
  std::vector<CUvPoint*> uv_points;
  vertices.swap(work.Vertices);
  uv_points.swap(work.UvPoints);
  for (const CVector* v : vertices) {
    if (v == nullptr) work.Vertices.push_back(nullptr);
    else work.AddOwnedVertex({written(v->x), written(v->y), written(v->z)});
  }
  for (const CUvPoint* t : uv_points) {
    if (t == nullptr) work.UvPoints.push_back(nullptr);
    else work.AddOwnedUvPoint({written(t->u), written(t->v)});
  }
}

}  // namespace

const CPolyChunk& ListsOf(const CPolyChunk& mesh, const FaceRun& run, CPolyChunk& work, ListValues values) {
  if (run.Source == nullptr && values == ListValues::kAsHeld) return mesh;
  if (run.Source != nullptr) {
    CutFaces(run, work);
  } else {
    ShareLists(mesh, work);
  }
  work.Axis = mesh.Axis;
  if (values == ListValues::kAsWritten) OwnValuesAsWritten(work);
  return work;
}

}  // namespace bk
