#pragma once

#include <string_view>

namespace bk {

// What a long operation needs from whoever runs it: a place to report how far
// it has come (which also lets the user interface breathe and notice Escape)
// and the flag that asks it to stop. The document implements it.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // done out of total (total >= 1); text is accepted and not shown.
  virtual void ShowProgress(int done, int total, std::string_view text) = 0;
  virtual bool CancelRequested() const = 0;
};

// For callers that want neither progress nor cancellation (tests, tools).
class NoProgress final : public ProgressSink {
 public:
  void ShowProgress(int, int, std::string_view) override {}
  bool CancelRequested() const override { return false; }
};

}  // namespace bk
