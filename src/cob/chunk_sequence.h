#pragma once

#include <cstddef>
#include <span>

namespace bk {

class CCobBase;
class CobWriter;
class ProgressSink;

// Where a sequence of chunks stands in a longer export: its progress reports
// count on from `done`, out of `total`.
struct ProgressCount {
  int done = 0;
  int total = 1;
};

// Writes `chunks` into `out` in order, to exactly the bytes (and the fresh
// ids, and the number format left in `out`) that calling each chunk's Write
// in turn gives. Before each chunk it asks progress.CancelRequested() and
// stops when asked; after each it reports ShowProgress(done, count.total, "")
// with done counting on from count.done. Returns how many chunks were
// written. Chunks must not be null.
//
// A long sequence is formatted ahead in batches by a second thread besides
// this one, into memory that stays a few batches long whatever the length of
// the sequence; only this thread writes to `out`, asks for a cancel and
// reports progress. Each chunk's Write must therefore be safe to run while
// other chunks' Write run on another thread (it reads only data that nothing
// changes meanwhile) and take fresh ids only through CobWriter::WriteFreshId.
std::size_t WriteChunks(CobWriter& out, std::span<const CCobBase* const> chunks, ProgressSink& progress,
                        ProgressCount count);

}  // namespace bk
