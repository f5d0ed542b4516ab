#pragma once

#include <functional>
#include <string>

namespace bk {

// A file written under a temporary name in its target's folder and put in the
// target's place only by Commit, so that a failed or interrupted write never
// touches the file that was there. The temporary is created new (O_EXCL) with
// the usual permissions (0666 less the umask); it is removed when the object
// goes away uncommitted. A target that is a link is followed; a device is
// written to directly.
class ReplacingFile {
 public:
  explicit ReplacingFile(std::string target);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // Creates the temporary and opens it for writing; the message (empty on
  // success) says why not.
  std::string Open();
  int Descriptor() const { return fd_; }
  const std::string& TemporaryPath() const { return temporary_; }
  // Closes the descriptor (if still open); false when the data could not be
  // written out.
  bool Close();
  // Closes and renames the temporary over the target (with `rename`, which
  // behaves as ::rename); the message (empty on success) says why not.
  std::string Commit(const std::function<int(const std::string&, const std::string&)>& rename = {});

 private:
  std::string target_;
  std::string temporary_;
  int fd_ = -1;
  bool committed_ = false;
  bool direct_ = false;
};

}  // namespace bk
