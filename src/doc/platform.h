#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bk {

struct ExplosionOptions;

// Everything the document needs from the user interface. The document never
// talks to the user any other way. Implementations: the Qt window program,
// the command-line front end, and a scripted fake in the tests.
class Platform {
 public:
  virtual ~Platform() = default;

  // A warning message box with an OK button, captioned "Burstkin".
  virtual void ShowMessage(std::string_view text) = 0;
  // Something left out that did not stop the work (a texture image not
  // found, say); shown as a message unless the platform has a quieter way.
  virtual void ShowWarning(std::string_view text) { ShowMessage(text); }
  // A Yes/No question with a question icon; true for Yes.
  virtual bool AskYesNo(std::string_view text) = 0;

  // File dialogs with the COB filter and default extension "cob"; nullopt when
  // the user cancels. The save dialog confirms before replacing a file.
  virtual std::optional<std::string> ChooseOpenFile(std::string_view title,
                                                    std::string_view initial_name) = 0;
  virtual std::optional<std::vector<std::string>> ChooseOpenFiles(std::string_view title,
                                                                  std::string_view initial_name) = 0;
  virtual std::optional<std::string> ChooseSaveFile(std::string_view title,
                                                    std::string_view initial_name) = 0;

  virtual void Beep() = 0;
  virtual void SetWaitCursor(bool on) = 0;
  virtual void SetTitle(std::string_view title) = 0;
  virtual void EnableToolbar(bool enabled) = 0;

  // Status bar: the stage's text, whether the bar is shown at all, the bar
  // grown to `done` of `total` (total >= 1; each front end draws it in its
  // own way, and a bar only grows until the next repaint), and a full
  // repaint, which empties the bar.
  virtual void SetStatusText(std::string_view text) = 0;
  virtual bool StatusBarVisible() const = 0;
  virtual void ShowProgressBar(int done, int total) = 0;
  virtual void RepaintStatusBar() = 0;

  // Takes at most one queued event, never waiting, and dispatches it. Returns
  // true when it was an Escape character.
  virtual bool PumpOneMessage() = 0;
  virtual void RepaintMainWindow() = 0;

  // Shows the options sheet modally over `options` (edited in place); true
  // when the user closed it with OK.
  virtual bool RunOptionsSheet(ExplosionOptions& options) = 0;
};

}  // namespace bk
