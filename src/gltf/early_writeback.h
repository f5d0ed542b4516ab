#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace bk {

// Starts the disk write of the finished parts of a file, on a thread of its
// own. Replacing a file by renaming a new one over it makes the file system
// write all of the new one out at the rename (so that a crash cannot leave
// it empty), and with a large file that waits on the disk; started as each
// part is finished, that writing overlaps the making of the rest. Only the
// start is asked for: nothing waits for the disk here, and a part that
// cannot be started is simply written at the rename as before.
class EarlyWriteback {
 public:
  explicit EarlyWriteback(int fd);
  // Waits for the starts already asked for (they can block while the
  // disk's queue is full), so the file may be closed afterwards.
  ~EarlyWriteback();
  EarlyWriteback(const EarlyWriteback&) = delete;
  EarlyWriteback& operator=(const EarlyWriteback&) = delete;

  // Bytes [offset, offset + size) of the file are written and will not change.
  void Finished(std::int64_t offset, std::int64_t size);

 private:
  void Run();

  int fd_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<std::int64_t, std::int64_t>> ranges_;
  bool stop_ = false;
  std::thread thread_;
};

// Renames `from` over `to` as std::rename does. A file at `to` is held
// open across the rename and let go on a thread of its own: once it has no
// name, freeing its pages (a large earlier export holds hundreds of
// megabytes of them) is done there, not inside the rename.
int RenameOver(const std::string& from, const std::string& to);

}  // namespace bk
