#include "model/threads.h"
#include "cob/chunk_sequence.h"

#include <algorithm>
#include <condition_variable>
#include <array>
#include <optional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <thread>
#include <vector>

#include "cob/cob_base.h"
#include "cob/cob_writer.h"
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
      : out_(out), items_(items), write_(write), progress_(progress), count_(count), latest_(out.GetFormat()) {
    batches_ = items <= kFirstBatch ? 1 : 1 + (items - kFirstBatch + kBatch - 1) / kBatch;
  }

  std::size_t Run() {
    if (batches_ == 1) {
      WriteDirect(0);
      return written_;
    }
    // Stopped and joined on the way out, also when a chunk's Write throws.
    std::jthread helper = StartThread([this](std::stop_token stop) { FormatAhead(stop); });
    for (std::size_t b = 0; b < batches_ && WriteBatch(b); ++b) {
    }
    return written_;
  }

 private:
  // The items of batch b: [first, last).
  std::pair<std::size_t, std::size_t> BatchItems(std::size_t b) const {
    const std::size_t first = b == 0 ? 0 : kFirstBatch + (b - 1) * kBatch;
    const std::size_t last = b == 0 ? kFirstBatch : first + kBatch;
    return {first, std::min(last, items_)};
  }

  // Gets batch b written: takes it formatted when it is, writes it directly
  // when nobody has taken it up, and otherwise formats a later batch (or
  // waits) until it is ready. False when cancelled.
  bool WriteBatch(std::size_t b) {
    std::unique_lock lock(mutex_);
    while (true) {
      if (std::optional<FormattedBatch>& found = Ready(b); found) {
        FormattedBatch batch = std::move(*found);
        found.reset();
        lock.unlock();
        // A batch formatted from another format than the file has now is
        // formatted again, directly.
        const bool usable = batch.text != nullptr && batch.start == out_.GetFormat();
        const bool go_on = usable ? WriteFormatted(batch) : WriteDirect(b);
        Recycle(std::move(batch.text));
        return Finish(b, go_on);
      }
      if (nextClaim_ == b) {
        ++nextClaim_;
        lock.unlock();
        return Finish(b, WriteDirect(b));
      }
      if (MayFormatAhead()) {
        FormatNext(lock);
        continue;
      }
      changed_.wait(lock);
    }
  }

  // After batch b: the next may be written, and later ones formatted from
  // the format the file has now.
  bool Finish(std::size_t b, bool go_on) {
    const std::lock_guard lock(mutex_);
    nextWrite_ = b + 1;
    latest_ = out_.GetFormat();
    changed_.notify_all();
    return go_on;
  }

  // The helper thread: formats batches ahead while there are any and room
  // for them.
  void FormatAhead(std::stop_token stop) {
    std::unique_lock lock(mutex_);
    while (changed_.wait(lock, stop, [this] { return MayFormatAhead(); })) FormatNext(lock);
  }

  // Guarded by mutex_.
  bool MayFormatAhead() const {
    return nextWrite_ >= 1 && nextClaim_ < batches_ && nextClaim_ < nextWrite_ + kAhead;
  }

  // Takes up the next batch, formats it with the lock released, and leaves it
  // ready (the lock held again).
  void FormatNext(std::unique_lock<std::mutex>& lock) {
    const std::size_t b = nextClaim_++;
    const CobWriter::Format start = latest_;
    lock.unlock();
    FormattedBatch batch = Format(b, start);
    lock.lock();
    Ready(b).emplace(std::move(batch));
    changed_.notify_all();
  }

  // A writer in memory for a batch: one whose batch has been written, so
  // that its memory, grown to the size of a batch, serves again.
  std::unique_ptr<CobWriter> MemoryWriter(CobWriter::Format start) {
    {
      const std::lock_guard lock(mutex_);
      if (!spare_.empty()) {
        std::unique_ptr<CobWriter> writer = std::move(spare_.back());
        spare_.pop_back();
        writer->Restart(start);
        return writer;
      }
    }
    return std::make_unique<CobWriter>(start, kBatchTextLimit);
  }

  void Recycle(std::unique_ptr<CobWriter> writer) {
    if (writer == nullptr) return;
    const std::lock_guard lock(mutex_);
    spare_.push_back(std::move(writer));
  }

  FormattedBatch Format(std::size_t b, CobWriter::Format start) {
    FormattedBatch batch;
    batch.start = start;
    try {
      std::unique_ptr<CobWriter> text = MemoryWriter(start);
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

  bool WriteDirect(std::size_t b) {
    const auto [first, last] = BatchItems(b);
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
  std::size_t batches_ = 1;
  std::size_t written_ = 0;

  std::mutex mutex_;
  std::condition_variable_any changed_;
  // Guarded by mutex_:
  std::size_t nextClaim_ = 0;  // the first batch nobody has taken up
  std::size_t nextWrite_ = 0;  // the first batch not yet written
  CobWriter::Format latest_;   // the format after the last batch written
  // Batch b's place is b % size: no more than kAhead are claimed beyond the
  // one being written, so places never clash, and keeping a batch needs no
  // memory that could run out on the helper thread.
  std::array<std::optional<FormattedBatch>, kAhead + 2> ready_;
  std::optional<FormattedBatch>& Ready(std::size_t b) { return ready_[b % ready_.size()]; }
  std::vector<std::unique_ptr<CobWriter>> spare_;
};

}  // namespace

std::size_t WriteChunks(CobWriter& out, std::size_t items, const ChunkWriter& write, ProgressSink& progress,
                        ProgressCount count) {
  SequenceWriter writer(out, items, write, progress, count);
  return writer.Run();
}

}  // namespace bk
