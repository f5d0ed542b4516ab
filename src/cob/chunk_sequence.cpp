#include "cob/chunk_sequence.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

#include "cob/cob_base.h"
#include "cob/cob_writer.h"
#include "model/parallel_map.h"
#include "model/progress.h"

namespace bk {

namespace {

// The first batch is small and written before any other is formatted, so
// that the others start from the number format the file has by then (it
// changes once, at the first vertex list, and rarely after).
constexpr std::size_t kFirstBatch = 8;
constexpr std::size_t kBatch = 512;
// How many batches may wait, formatted, beyond the one being written.
constexpr std::size_t kAhead = 4;
// A batch whose text would be longer is written directly instead (one
// enormous chunk, say), so that what waits in memory stays small.
constexpr std::size_t kBatchTextLimit = std::size_t{8} << 20;

// Where one chunk's text ends in a batch, how many fresh-id gaps lie before
// that, and the number format after it.
struct ChunkEnd {
  std::size_t offset = 0;
  std::size_t gaps = 0;
  CobWriter::Format format;
};

// A batch of chunks formatted into memory ahead of the file.
struct FormattedBatch {
  CobWriter::Format start;
  std::unique_ptr<CobWriter> text;  // null when it could not be formatted ahead
  std::vector<ChunkEnd> ends;
};

class SequenceWriter {
 public:
  SequenceWriter(CobWriter& out, std::size_t items, const ChunkWriter& write, ProgressSink& progress,
                 ProgressCount count)
      : out_(out), items_(items), write_(write), progress_(progress), count_(count) {}

  std::size_t Run() {
    // The first batch is written before any other is formatted, so that the
    // others start from the number format the file has by then.
    if (!WriteDirect(0, std::min(items_, kFirstBatch))) return written_;
    latest_ = out_.GetFormat();
    const std::size_t batches = items_ <= kFirstBatch ? 0 : (items_ - kFirstBatch + kBatch - 1) / kBatch;
    MapInOrder<FormattedBatch>(
        batches, MapThreads{2, kAhead}, [this](std::size_t b, const MapStop&) { return Format(b); },
        [this](std::size_t b, FormattedBatch&& batch) { return Write(b, std::move(batch)); });
    return written_;
  }

 private:
  // The items of batch b (of those after the first): [first, last).
  std::pair<std::size_t, std::size_t> BatchItems(std::size_t b) const {
    const std::size_t first = kFirstBatch + b * kBatch;
    return {first, std::min(first + kBatch, items_)};
  }

  // Writes batch b as it was formatted ahead, or directly when it could not
  // be or was formatted from another format than the file has now. False
  // when cancelled.
  bool Write(std::size_t b, FormattedBatch&& batch) {
    const bool usable = batch.text != nullptr && batch.start == out_.GetFormat();
    const auto [first, last] = BatchItems(b);
    const bool go_on = usable ? WriteFormatted(batch) : WriteDirect(first, last);
    spares_.Give(std::move(batch.text));
    const std::lock_guard lock(mutex_);
    latest_ = out_.GetFormat();
    return go_on;
  }

  // A writer in memory for a batch: one whose batch has been written when
  // there is one, so that its memory, grown to the size of a batch, serves again.
  std::unique_ptr<CobWriter> MemoryWriter(CobWriter::Format start) {
    std::unique_ptr<CobWriter> writer = spares_.Take();
    if (writer == nullptr) return std::make_unique<CobWriter>(start, kBatchTextLimit);
    writer->Restart(start);
    return writer;
  }

  // Batch b formatted into memory from the format of the last batch written.
  FormattedBatch Format(std::size_t b) {
    FormattedBatch batch;
    {
      const std::lock_guard lock(mutex_);
      batch.start = latest_;
    }
    try {
      std::unique_ptr<CobWriter> text = MemoryWriter(batch.start);
      const auto [first, last] = BatchItems(b);
      for (std::size_t i = first; i < last; ++i) {
        write_(i, *text);
        batch.ends.push_back({text->Text().size(), text->FreshIdOffsets().size(), text->GetFormat()});
      }
      batch.text = std::move(text);
    } catch (...) {
      // Too long to hold, or a failure: the batch is written directly, where
      // a failure shows as it would have.
      batch.ends.clear();
    }
    return batch;
  }

  bool WriteFormatted(const FormattedBatch& batch) {
    const std::string_view text = batch.text->Text();
    const std::span<const std::size_t> gaps = batch.text->FreshIdOffsets();
    std::size_t from = 0;
    std::size_t gaps_from = 0;
    for (const ChunkEnd& end : batch.ends) {
      if (progress_.CancelRequested()) return false;
      out_.WriteFormatted(text.substr(from, end.offset - from), from, gaps.subspan(gaps_from, end.gaps - gaps_from));
      out_.SetFormat(end.format);
      from = end.offset;
      gaps_from = end.gaps;
      Written();
    }
    return true;
  }

  bool WriteDirect(std::size_t first, std::size_t last) {
    for (std::size_t i = first; i < last; ++i) {
      if (progress_.CancelRequested()) return false;
      write_(i, out_);
      Written();
    }
    return true;
  }

  void Written() {
    ++written_;
    progress_.ShowProgress(count_.done + static_cast<int>(written_), count_.total, "");
  }

  CobWriter& out_;
  const std::size_t items_;
  const ChunkWriter& write_;
  ProgressSink& progress_;
  const ProgressCount count_;
  std::size_t written_ = 0;

  std::mutex mutex_;
  CobWriter::Format latest_;  // the format after the last batch written; guarded by mutex_
  Spares<CobWriter> spares_;
};

}  // namespace

std::size_t WriteChunks(CobWriter& out, std::size_t items, const ChunkWriter& write, ProgressSink& progress,
                        ProgressCount count) {
  SequenceWriter writer(out, items, write, progress, count);
  return writer.Run();
}

}  // namespace bk
