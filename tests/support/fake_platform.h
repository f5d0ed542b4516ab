#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "doc/platform.h"

namespace bk::testing {

// A Platform that records every call and answers from scripted queues. An
// empty answer queue gives No, a cancelled dialog and a sheet closed with
// Cancel.
class FakePlatform : public Platform {
 public:
  // Scripts.
  std::deque<bool> yes_no_answers;
  std::deque<std::optional<std::string>> open_answers;
  std::deque<std::optional<std::vector<std::string>>> open_many_answers;
  std::deque<std::optional<std::string>> save_answers;
  // Called with the record when the sheet runs; returns OK or Cancel.
  std::function<bool(ExplosionOptions&)> sheet;
  // PumpOneMessage reports Escape on these call numbers (1-based).
  std::vector<int> escape_on_pumps;
  // Or, when set, asked on every pump (with the pump's number).
  std::function<bool(int)> escape_when;
  bool status_bar_visible = true;

  // Records.
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> dialog_titles;
  std::vector<std::string> dialog_initial_names;
  std::vector<std::string> titles;
  std::vector<std::string> status_texts;
  std::vector<std::pair<int, int>> bars;  // (done, total) of each bar drawn
  std::vector<bool> toolbar_states;
  std::vector<bool> wait_cursor_states;
  // Every call in order, by name ("Bar", "RepaintStatusBar", "Pump", ...).
  std::vector<std::string> calls;
  int beeps = 0;
  int pumps = 0;
  int status_repaints = 0;
  int main_repaints = 0;
  int sheets_run = 0;

  void ShowMessage(std::string_view text) override;
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> ChooseOpenFile(std::string_view title,
                                            std::string_view initial_name) override;
  std::optional<std::vector<std::string>> ChooseOpenFiles(std::string_view title,
                                                          std::string_view initial_name) override;
  std::optional<std::string> ChooseSaveFile(std::string_view title,
                                            std::string_view initial_name) override;
  void Beep() override;
  void SetWaitCursor(bool on) override;
  void SetTitle(std::string_view title) override;
  void EnableToolbar(bool enabled) override;
  void SetStatusText(std::string_view text) override;
  bool StatusBarVisible() const override { return status_bar_visible; }
  void ShowProgressBar(int done, int total) override;
  void RepaintStatusBar() override;
  bool PumpOneMessage() override;
  void RepaintMainWindow() override;
  bool RunOptionsSheet(ExplosionOptions& options) override;
};

}  // namespace bk::testing
