#include "cli/console_platform.h"

#include "doc/brk_doc.h"

#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <iostream>

namespace bk::cli {

namespace {

constexpr int kBarCells = 40;

volatile std::sig_atomic_t g_escape_pending = 0;
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
  g_escape_pending = 1;
  g_interrupted = 1;
}

}  // namespace

ConsolePlatform::ConsolePlatform(Files files, bool quiet, bool progress_lines)
    : files_(std::move(files)),
      showProgress_(!quiet && !progress_lines && isatty(fileno(stderr)) != 0),
      progressLines_(!quiet && progress_lines) {}

ConsolePlatform::~ConsolePlatform() { ClearProgressLine(); }

void ConsolePlatform::CatchInterrupts() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGINT, &action, nullptr);
}

bool ConsolePlatform::Interrupted() { return g_interrupted != 0; }

void ConsolePlatform::ClearProgressLine() {
  if (!lineShown_) return;
  std::cerr << "\r\033[K" << std::flush;
  lineShown_ = false;
  drawnFilled_ = -1;
  drawnStatus_.clear();
}

void ConsolePlatform::ShowMessage(std::string_view text) {
  ClearProgressLine();
  std::cerr << "burstkin-cli: " << text << '\n' << std::flush;
}

bool ConsolePlatform::AskYesNo(std::string_view) { return false; }

std::optional<std::string> ConsolePlatform::ChooseOpenFile(std::string_view, std::string_view) {
  return files_.input;
}

std::optional<std::vector<std::string>> ConsolePlatform::ChooseOpenFiles(std::string_view,
                                                                         std::string_view) {
  return files_.particles;
}

std::optional<std::string> ConsolePlatform::ChooseSaveFile(std::string_view, std::string_view) {
  return files_.output;
}

namespace {

// The stages of a run and "Ready", as against the notes the window shows
// when a command ends (what was read or written).
bool IsRunStage(std::string_view text) {
  for (int code : {status::kReady, status::kReading, status::kCalculating, status::kWriting,
                   status::kSorting}) {
    if (text == CBrkDoc::StatusMessage(code)) return true;
  }
  return false;
}

}  // namespace

void ConsolePlatform::SetStatusText(std::string_view text) {
  if (progressLines_) {
    // The program reading the lines has keys of its own; the hint is left to
    // it. A new stage starts from nothing, as the bar does. A note (shown
    // only when idle) is "Ready" to the reader.
    const std::string_view shown = IsRunStage(text) ? text : CBrkDoc::StatusMessage(status::kReady);
    const std::string stage(shown.substr(0, shown.find("; ")));
    if (stage != lineStage_) {
      lineStage_ = stage;
      WriteProgressLine(0);
    }
  }
  status_ = text;
  constexpr std::string_view kWindowKey = "press Esc";
  if (const std::size_t at = status_.find(kWindowKey); at != std::string::npos) {
    status_.replace(at, kWindowKey.size(), "press Ctrl+C");
  }
  if (showProgress_) Draw();
}

// A pane of kBarCells character cells once the document has shrunk it.
void ConsolePlatform::ShowProgressBar(int done, int total) {
  // The bar only grows until the next repaint, as on screen.
  const int cells = static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * kBarCells);
  filled_ = std::clamp(std::max(filled_, cells), 0, kBarCells);
  if (showProgress_) Draw();
  if (progressLines_) {
    WriteProgressLine(static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 100.0));
  }
}

void ConsolePlatform::RepaintStatusBar() {
  filled_ = 0;
  if (showProgress_) Draw();
}

bool ConsolePlatform::PumpOneMessage() {
  if (g_escape_pending == 0) return false;
  g_escape_pending = 0;
  return true;
}

// Only changes are written: the document reports progress per face.
void ConsolePlatform::WriteProgressLine(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == linePercent_ && lineStage_ == linesStageWritten_) return;
  linePercent_ = percent;
  linesStageWritten_ = lineStage_;
  std::cerr << "progress " << percent << ' ' << lineStage_ << '\n' << std::flush;
}

void ConsolePlatform::Draw() {
  // The document reports progress per face or chunk; drawing only when the
  // picture changes keeps that cheap.
  if (filled_ == drawnFilled_ && status_ == drawnStatus_) return;
  drawnFilled_ = filled_;
  drawnStatus_ = status_;
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled_), '#');
  line.append(static_cast<std::size_t>(kBarCells - filled_), ' ');
  line += "] ";
  line += status_;
  line += "\033[K";
  std::cerr << line << std::flush;
  lineShown_ = true;
}

}  // namespace bk::cli
