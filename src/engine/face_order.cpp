#include "engine/face_order.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "cob/poly_chunk.h"
#include "model/face.h"
#include "model/progress.h"
#include "model/random.h"

namespace bk {

namespace {

constexpr std::string_view kSortingText = "Sorting faces; press Esc to cancel";

float Coordinate(const CVector& v, int axis) {
  switch (axis) {
    case 0:
      return v.x;
    case 1:
      return v.y;
    default:
      return v.z;
  }
}

// A Fenwick tree of counts over positions 0..size-1.
class Fenwick {
 public:
  void Reset(std::size_t size, int initial) {
    tree_.assign(size + 1, 0);
    if (initial != 0) {
      // Linear build: every node holds the sum of its range of ones.
      for (std::size_t i = 1; i <= size; ++i) {
        tree_[i] += initial;
        const std::size_t parent = i + (i & (~i + 1));
        if (parent <= size) tree_[parent] += tree_[i];
      }
    }
  }

  void Add(std::size_t pos, int delta) {
    for (std::size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
  }

  // Sum over positions 0..pos-1.
  int PrefixSum(std::size_t pos) const {
    int sum = 0;
    for (std::size_t i = pos; i > 0; i -= i & (~i + 1)) sum += tree_[i];
    return sum;
  }

  // The position of the k-th (1-based) counted element; all counts are 0 or 1.
  std::size_t FindKth(int k) const {
    const std::size_t size = tree_.size() - 1;
    std::size_t step = 1;
    while (step * 2 <= size) step *= 2;
    std::size_t pos = 0;
    for (; step > 0; step /= 2) {
      if (pos + step <= size && tree_[pos + step] < k) {
        pos += step;
        k -= tree_[pos];
      }
    }
    return pos;  // 0-based: the element sits at tree index pos + 1
  }

 private:
  std::vector<int> tree_;
};

}  // namespace

float FaceSortKey(const CPolyChunk& object, const CFace& face, int axis) {
  // A corner whose index lies outside the vertex list (or names an empty slot)
  // counts as the origin, so a damaged face still gets a key without reading
  // outside the list.
  auto corner = [&](std::uint32_t index) -> float {
    if (index >= object.Vertices.size() || object.Vertices[index] == nullptr) return 0.0f;
    return Coordinate(*object.Vertices[index], axis);
  };
  if (face.VertexIndices.empty()) return 0.0f;
  float key = corner(face.VertexIndices[0]);
  // Each step is formed in double and rounded once when stored, so two large
  // coordinates average to a finite key instead of overflowing in the sum.
  for (std::size_t k = 1; k < face.VertexIndices.size(); ++k) {
    key = static_cast<float>((static_cast<double>(key) + static_cast<double>(corner(face.VertexIndices[k]))) * 0.5);
  }
  return key;
}

// The exchange sort's permutation without its quadratic comparisons.
//
// Faces end sorted by key; what needs care is the order inside each group of
// equal keys, which the exchange sort scrambles. For a group with members
// e_1..e_c in input order, let sigma(e) be the number of strictly smaller keys
// before e in the input and less the number of strictly smaller keys overall.
// The group's final order is that of a queue: start empty; for each member,
// rotate the queue left by the growth of sigma since the previous member and
// append the member; finally rotate left by less - sigma(e_c). Smaller keys
// passing through the group are what rotate it; larger keys never affect it.
//
// The queue is kept as a circular list with a head index: a rotation moves the
// head, an append inserts just before the head. Only the insert positions are
// recorded; the final slots follow from them in one backwards pass that finds
// the k-th free slot in a Fenwick tree. NaN compares false with everything,
// so NaN faces never move and the rest are sorted among the other slots.
// Descending order is ascending order of the negated keys (negation is exact
// and keeps equality, including -0 == +0).
namespace {

// The keys in input order grouped by equal value: `order` lists positions by
// key (stably), `rank` names each position's group, `groupStart` where each
// group begins in `order` (with the end appended).
struct TieGroups {
  std::vector<std::uint32_t> order;
  std::vector<std::uint32_t> rank;
  std::vector<std::uint32_t> groupStart;
  std::size_t Count() const { return groupStart.size() - 1; }
};

// Tie groups by float comparison, so -0 and +0 share one.
TieGroups GroupTies(const std::vector<float>& k) {
  const std::size_t m = k.size();
  TieGroups t;
  t.order.resize(m);
  for (std::size_t p = 0; p < m; ++p) t.order[p] = static_cast<std::uint32_t>(p);
  std::stable_sort(t.order.begin(), t.order.end(), [&](std::uint32_t a, std::uint32_t b) { return k[a] < k[b]; });
  t.rank.resize(m);
  for (std::size_t i = 0; i < m; ++i) {
    if (i == 0 || k[t.order[i - 1]] < k[t.order[i]]) t.groupStart.push_back(static_cast<std::uint32_t>(i));
    t.rank[t.order[i]] = static_cast<std::uint32_t>(t.groupStart.size() - 1);
  }
  t.groupStart.push_back(static_cast<std::uint32_t>(m));
  return t;
}

// sigma[p]: how many positions before p (in input order) have a smaller key.
std::vector<std::uint32_t> SmallerBefore(const TieGroups& t) {
  const std::size_t m = t.rank.size();
  std::vector<std::uint32_t> sigma(m);
  Fenwick counts;
  counts.Reset(t.Count(), 0);
  for (std::size_t p = 0; p < m; ++p) {
    sigma[p] = static_cast<std::uint32_t>(counts.PrefixSum(t.rank[p]));
    counts.Add(t.rank[p], 1);
  }
  return sigma;
}

// Storage ArrangeGroup reuses from group to group.
struct GroupScratch {
  std::vector<std::uint32_t> ins;
  std::vector<std::uint32_t> slot;
  Fenwick freeSlots;
};

// Where the members of one tie group end: writes them to out[0..c) in their
// final order. `less` is the number of smaller keys overall.
void ArrangeGroup(const std::uint32_t* members, std::size_t c, std::size_t less,
                  const std::vector<std::uint32_t>& sigma, std::uint32_t* out, GroupScratch& scratch) {
  std::vector<std::uint32_t>& ins = scratch.ins;
  ins.assign(c, 0);
  std::size_t head = 0;
  std::size_t length = 0;
  std::size_t prev = sigma[members[0]];
  for (std::size_t t = 0; t < c; ++t) {
    const std::size_t s = sigma[members[t]];
    if (length > 0) {
      head = (head + (s - prev)) % length;
      ins[t] = static_cast<std::uint32_t>(head);
      head += 1;
    } else {
      ins[t] = 0;
      head = 0;
    }
    length += 1;
    prev = s;
  }
  head = (head + (less - prev)) % c;

  // Item t went in at index ins[t] of a list of length t; walking back from
  // the last insert, each item takes the (ins[t]+1)-th slot still free.
  std::vector<std::uint32_t>& slot = scratch.slot;
  Fenwick& freeSlots = scratch.freeSlots;
  slot.assign(c, 0);
  freeSlots.Reset(c, 1);
  for (std::size_t t = c; t-- > 0;) {
    const std::size_t j = freeSlots.FindKth(static_cast<int>(ins[t]) + 1);
    slot[j] = static_cast<std::uint32_t>(t);
    freeSlots.Add(j, -1);
  }
  for (std::size_t t = 0; t < c; ++t) out[t] = members[slot[(head + t) % c]];
}

}  // namespace

std::vector<std::uint32_t> ExchangeSortOrder(std::span<const float> keys, bool descending) {
  const std::size_t n = keys.size();
  std::vector<std::uint32_t> ids;
  ids.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    if (!std::isnan(keys[i])) ids.push_back(static_cast<std::uint32_t>(i));
  }
  const std::size_t m = ids.size();
  std::vector<float> k(m);
  for (std::size_t p = 0; p < m; ++p) k[p] = descending ? -keys[ids[p]] : keys[ids[p]];

  const TieGroups ties = GroupTies(k);
  const std::vector<std::uint32_t> sigma = SmallerBefore(ties);
  std::vector<std::uint32_t> out(m);
  GroupScratch scratch;
  for (std::size_t g = 0; g < ties.Count(); ++g) {
    const std::size_t b = ties.groupStart[g];
    const std::size_t c = ties.groupStart[g + 1] - b;
    const std::uint32_t* members = ties.order.data() + b;  // input order within the group
    if (c == 1) {
      out[b] = members[0];
    } else {
      ArrangeGroup(members, c, b, sigma, out.data() + b, scratch);
    }
  }

  // NaN faces keep their places; the others fill the remaining slots in order.
  std::vector<std::uint32_t> perm(n);
  std::size_t next = 0;
  for (std::size_t i = 0; i < n; ++i) {
    perm[i] = std::isnan(keys[i]) ? static_cast<std::uint32_t>(i) : ids[out[next++]];
  }
  return perm;
}

// Progress is reported between the three phases (keys, order, rearranging);
// the faces change only in the last, so a cancel leaves them as they were.
bool SortFaces(CPolyChunk& object, bool descending, int axis, ProgressSink& progress) {
  const std::size_t n = object.Faces.size();
  if (n < 2) return true;
  if (progress.CancelRequested()) return false;
  progress.ShowProgress(0, 3, kSortingText);
  if (progress.CancelRequested()) return false;

  std::vector<float> keys(n);
  for (std::size_t i = 0; i < n; ++i) {
    keys[i] = object.Faces[i] ? FaceSortKey(object, *object.Faces[i], axis) : 0.0f;
  }
  progress.ShowProgress(1, 3, kSortingText);
  if (progress.CancelRequested()) return false;

  const std::vector<std::uint32_t> perm = ExchangeSortOrder(keys, descending);
  progress.ShowProgress(2, 3, kSortingText);
  if (progress.CancelRequested()) return false;

  std::vector<CFace*> sorted(n);
  for (std::size_t t = 0; t < n; ++t) sorted[t] = object.Faces[perm[t]];
  object.Faces.swap(sorted);
  return true;
}

void ShuffleFaces(CPolyChunk& object, int /*level*/, CRandom& random) {
  const std::size_t count = object.Faces.size();
  if (count == 0) return;
  const long long n = static_cast<long long>(count);
  const long long passes = (2 * n) / 50;
  const float range = static_cast<float>(n);
  for (long long pass = 0; pass < passes; ++pass) {
    long long i = static_cast<long long>(RandomUpTo(random, range));
    long long j = static_cast<long long>(RandomUpTo(random, range));
    if (i > n - 1) i = n - 1;
    // Only reachable when n is too large to be exact as a float. The product
    // is formed in double: a float product would round j first.
    while (j > n - 1) j = static_cast<long long>(static_cast<double>(j) * static_cast<double>(0.99f));
    std::swap(object.Faces[static_cast<std::size_t>(i)], object.Faces[static_cast<std::size_t>(j)]);
  }
}

}  // namespace bk
