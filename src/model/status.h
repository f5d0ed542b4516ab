#pragma once

#include <string>
#include <string_view>

namespace bk {

// What went wrong, for callers to decide by. The message is for the user and
// is never compared.
enum class FailureKind {
  kNone,
  kCannotOpen,     // the file could not be opened or read
  kNotRecognized,  // not a file of a form the reader takes, or damaged
  kOutOfMemory,
  kCannotWrite,    // the output could not be opened or written whole
  kBadData,        // an object the engine or a writer cannot take
  kBadArgument,    // a value the caller gave is out of its range
  kCancelled,      // the user stopped the run
};

// The outcome of every reader, writer and engine run: success, or a failure
// of a kind with the user's message. Results of those steps carry one.
struct Status {
  FailureKind kind = FailureKind::kNone;
  std::string error;  // the message to show when !ok()

  bool ok() const { return kind == FailureKind::kNone; }
  void Fail(FailureKind failure, std::string_view message) {
    kind = failure;
    error = std::string(message);
  }
};

}  // namespace bk
