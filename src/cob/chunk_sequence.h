#pragma once

#include <cstddef>
#include <functional>

namespace bk {

class CobWriter;
class ProgressSink;

// Where a sequence of chunks stands in a longer export: its progress reports
// count on from `done`, out of `total`.
struct ProgressCount {
  int done = 0;
  int total = 1;
};

// Writes chunk texts: write(i, out) writes item i (a chunk, or a piece with
// its lists) into `out`.
using ChunkWriter = std::function<void(std::size_t, CobWriter&)>;

// Writes items 0 to items - 1 into `out` in order, to exactly the bytes (and
// the fresh ids, and the number format left in `out`) that calling `write`
// on each in turn gives. Before each item it asks progress.CancelRequested()
// and stops when asked; after each it reports ShowProgress(done,
// count.total, "") with done counting on from count.done. Returns how many
// items were written.
//
// A long sequence is formatted ahead in batches, on this thread and a
// helper (MapInOrder), into memory that stays a few batches long whatever
// the length of the sequence; only this thread writes to `out`, asks for a
// cancel and reports progress. `write` must therefore be safe to run for two items at
// once on two threads (it reads only data that nothing changes meanwhile)
// and take fresh ids only through CobWriter::WriteFreshId. What it throws
// while formatting ahead is thrown again when the item is written directly.
std::size_t WriteChunks(CobWriter& out, std::size_t items, const ChunkWriter& write, ProgressSink& progress,
                        ProgressCount count);

}  // namespace bk
