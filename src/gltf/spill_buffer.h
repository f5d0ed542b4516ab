#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace bk {

// Writes all of `bytes` to the open file `fd`, at its current position or,
// when `at` is given, at *at (which then moves past them, and the file's
// own position stays); throws std::runtime_error when it cannot.
void WriteAll(int fd, const char* bytes, std::size_t size, std::int64_t* at = nullptr);

// A thread that appends full blocks of memory to temporary files, so that
// the work of writing spilled bytes overlaps with making the next ones.
// Blocks are written in the order handed over; a bounded number wait at a
// time, so memory stays small however fast they come.
class SpillWriter {
 public:
  using Block = std::vector<char>;

  SpillWriter();
  ~SpillWriter();
  SpillWriter(const SpillWriter&) = delete;
  SpillWriter& operator=(const SpillWriter&) = delete;

  // Queues the first `size` bytes of `block` for the end of `file`, and
  // gives back an empty block of the same capacity to fill next.
  Block Hand(std::FILE* file, Block block, std::size_t size);
  // The same for the open file `fd`, at `at`.
  Block HandAt(int fd, std::int64_t at, Block block, std::size_t size);
  // Waits until everything handed over is written; throws
  // std::runtime_error when a write failed.
  void Wait();

 private:
  struct Job {
    std::FILE* file;  // when null, `fd` at `at`
    int fd;
    std::int64_t at;
    Block block;
    std::size_t size;
  };
  Block Queue(Job job);
  static bool Write(Job& job);
  static constexpr std::size_t kMaxWaiting = 8;
  // Blocks that wait before the thread is woken to write them (unless
  // someone waits for everything to be written): each wake-up of another
  // thread costs the waker far more than queueing a block.
  static constexpr std::size_t kWakeAt = 4;
  void Run();

  std::mutex mutex_;
  std::condition_variable work_;  // the thread waits here for blocks
  std::condition_variable done_;  // and those who hand or wait for blocks here
  std::deque<Job> jobs_;
  std::vector<Block> free_;
  int draining_ = 0;  // callers of Wait
  bool busy_ = false;
  bool stop_ = false;
  bool failed_ = false;
  std::thread thread_;
};

// Bytes appended in order and read back whole, held in memory up to a small
// limit and beyond it in an anonymous temporary file, so that a very large
// export needs no more memory than that limit per buffer. Also a RapidJSON
// output stream (Ch, Put, Flush). A temporary file that cannot be made or
// written throws std::runtime_error. With a SpillWriter (which must outlive
// the buffer) the file is written on that writer's thread.
class SpillBuffer {
 public:
  using Ch = char;

  explicit SpillBuffer(std::size_t memory_limit = std::size_t{1} << 16, SpillWriter* writer = nullptr);
  ~SpillBuffer();
  SpillBuffer(const SpillBuffer&) = delete;
  SpillBuffer& operator=(const SpillBuffer&) = delete;

  void Put(char c) {
    if (used_ == limit_) Spill();
    memory_[used_++] = c;
  }
  void Flush() {}
  void Append(const void* data, std::size_t size) {
    if (size <= limit_ - used_) {
      std::memcpy(memory_.data() + used_, data, size);
      used_ += size;
    } else {
      AppendInPieces(static_cast<const char*>(data), size);
    }
  }
  std::size_t Size() const { return spilled_ + used_; }
  // Room for `size` bytes written in place and then kept with Advance: one
  // check for a whole token instead of a check per character.
  char* Room(std::size_t size) {
    if (size > limit_ - used_) MakeRoom(size);
    return memory_.data() + used_;
  }
  void Advance(std::size_t size) { used_ += size; }

  // Hands every byte, in order and in pieces, to `sink`.
  void ForEachPiece(const std::function<void(const char*, std::size_t)>& sink) const;
  // Writes every byte, in order, to the open file `fd` as WriteAll does;
  // the spilled part is copied inside the kernel where it can be, and with
  // `between` in steps, calling it after each (to let other writes of the
  // same thread in). Throws std::runtime_error when reading or writing fails.
  // Bytes kept in place (KeepInPlace) are already there: only the rest is
  // written, and the place they are copied to must be where they stand.
  void CopyTo(int fd, std::int64_t* at = nullptr, const std::function<void()>& between = {}) const;
  // From now on, bytes beyond the memory limit go straight into the open
  // file `fd` from `at` on, where they are to stay, instead of into a
  // temporary file: for a part of a file whose place is known before its
  // length. Must be called before anything spills.
  void KeepInPlace(int fd, std::int64_t at);

 private:
  void Spill();
  void MakeRoom(std::size_t size);
  void AppendInPieces(const char* bytes, std::size_t size);
  void FinishInPlace(int fd, std::int64_t* at) const;

  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  std::size_t limit_;
  SpillWriter::Block memory_;
  std::size_t used_ = 0;
  std::size_t spilled_ = 0;
  std::unique_ptr<std::FILE, FileCloser> file_;
  int placeFd_ = -1;  // with KeepInPlace: the file, and where the bytes start
  std::int64_t placeAt_ = 0;
  SpillWriter* writer_;
};

}  // namespace bk
