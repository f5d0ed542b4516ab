#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace bk {

class CPolyChunk;
class CRandom;
class ProgressSink;
struct CFace;

// Running halving of the chosen coordinate over the face's corners (0 for a
// face without corners). axis: 0 x, 1 y, 2 z.
float FaceSortKey(const CPolyChunk& object, const CFace& face, int axis);

// The permutation that the exchange sort (for i, for j > i: swap when key[j]
// < key[i], or > when descending) leaves, computed in O(n log n).
// result[t] is the index of the element that ends at position t.
std::vector<std::uint32_t> ExchangeSortOrder(std::span<const float> keys, bool descending);

// Sorts the object's faces in place as the exchange sort would. Reports
// progress; returns false (faces unchanged) when cancelled.
bool SortFaces(CPolyChunk& object, bool descending, int axis, ProgressSink& progress);

// (2n)/50 random swaps of faces; the level does not change the count.
void ShuffleFaces(CPolyChunk& object, int level, CRandom& random);

}  // namespace bk
