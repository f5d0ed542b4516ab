#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/progress.h"

namespace bk::testing {

// A ProgressSink that records every report and asks to cancel once it has
// been shown `cancel_after` reports (never when negative; at once for 0).
class RecordingProgress : public ProgressSink {
 public:
  struct Call {
    int done;
    int total;
    std::string text;
  };

  explicit RecordingProgress(int cancel_after = -1) : cancelAfter_(cancel_after) {}

  void ShowProgress(int done, int total, std::string_view text) override {
    calls.push_back({done, total, std::string(text)});
  }
  bool CancelRequested() const override {
    return cancelAfter_ >= 0 && static_cast<int>(calls.size()) >= cancelAfter_;
  }
  // The (done, total) pairs of the reports, in order.
  std::vector<std::pair<int, int>> Counts() const {
    std::vector<std::pair<int, int>> counts;
    for (const Call& call : calls) counts.emplace_back(call.done, call.total);
    return counts;
  }

  std::vector<Call> calls;

 private:
  int cancelAfter_;
};

}  // namespace bk::testing
