#include "support/fake_platform.h"

#include <algorithm>

namespace bk::testing {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue, T otherwise) {
  if (queue.empty()) return otherwise;
  T value = std::move(queue.front());
  queue.pop_front();
  return value;
}

}  // namespace

void FakePlatform::ShowMessage(std::string_view text) {
  calls.push_back("Message");
  messages.emplace_back(text);
}

bool FakePlatform::AskYesNo(std::string_view text) {
  calls.push_back("Ask");
  questions.emplace_back(text);
  return TakeFront(yes_no_answers, false);
}

std::optional<std::string> FakePlatform::ChooseOpenFile(std::string_view title,
                                                        std::string_view initial_name) {
  calls.push_back("ChooseOpenFile");
  dialog_titles.emplace_back(title);
  dialog_initial_names.emplace_back(initial_name);
  return TakeFront(open_answers, std::optional<std::string>{});
}

std::optional<std::vector<std::string>> FakePlatform::ChooseOpenFiles(
    std::string_view title, std::string_view initial_name) {
  calls.push_back("ChooseOpenFiles");
  dialog_titles.emplace_back(title);
  dialog_initial_names.emplace_back(initial_name);
  return TakeFront(open_many_answers, std::optional<std::vector<std::string>>{});
}

std::optional<std::string> FakePlatform::ChooseSaveFile(std::string_view title,
                                                        std::string_view initial_name) {
  calls.push_back("ChooseSaveFile");
  dialog_titles.emplace_back(title);
  dialog_initial_names.emplace_back(initial_name);
  return TakeFront(save_answers, std::optional<std::string>{});
}

void FakePlatform::Beep() {
  calls.push_back("Beep");
  ++beeps;
}

void FakePlatform::SetWaitCursor(bool on) {
  calls.push_back(on ? "WaitCursorOn" : "WaitCursorOff");
  wait_cursor_states.push_back(on);
}

void FakePlatform::SetTitle(std::string_view title) {
  calls.push_back("Title");
  titles.emplace_back(title);
}

void FakePlatform::EnableToolbar(bool enabled) {
  calls.push_back(enabled ? "ToolbarOn" : "ToolbarOff");
  toolbar_states.push_back(enabled);
}

void FakePlatform::SetStatusText(std::string_view text) {
  calls.push_back("StatusText");
  status_texts.emplace_back(text);
}

void FakePlatform::ShowProgressBar(int done, int total) {
  calls.push_back("Bar");
  bars.emplace_back(done, total);
}

void FakePlatform::RepaintStatusBar() {
  calls.push_back("RepaintStatusBar");
  ++status_repaints;
}

bool FakePlatform::PumpOneMessage() {
  calls.push_back("Pump");
  ++pumps;
  if (escape_when && escape_when(pumps)) return true;
  return std::find(escape_on_pumps.begin(), escape_on_pumps.end(), pumps) != escape_on_pumps.end();
}

void FakePlatform::RepaintMainWindow() {
  calls.push_back("RepaintMainWindow");
  ++main_repaints;
}

bool FakePlatform::RunOptionsSheet(ExplosionOptions& options) {
  calls.push_back("Sheet");
  ++sheets_run;
  return sheet ? sheet(options) : false;
}

}  // namespace bk::testing
