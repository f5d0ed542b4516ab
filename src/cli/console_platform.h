#pragma once

#include <optional>
#include <string>
#include <vector>

#include "doc/platform.h"

namespace bk::cli {

// The document's user interface on a console: messages on standard error,
// file choices answered from the command line, the stage message and a
// progress bar on standard error when it is a terminal (and not quiet), or
// progress as lines for a program that runs this one, and Ctrl+C (or a
// SIGINT from that program) reported as Escape by the next pump.
class ConsolePlatform : public Platform {
 public:
  struct Files {
    std::string input;                   // the Import dialog's answer
    std::string output;                  // the Export dialog's answer
    std::vector<std::string> particles;  // the particle dialog's answer
  };

  // progress_lines: instead of the bar, write "progress PERCENT STAGE" on
  // standard error whenever the percentage or the stage changes (STAGE is the
  // status text without its "; press ..." hint), terminal or not.
  ConsolePlatform(Files files, bool quiet, bool progress_lines = false);
  ~ConsolePlatform() override;

  // Installs the Ctrl+C handler (once per process).
  static void CatchInterrupts();
  // Whether Ctrl+C has been pressed since the program started.
  static bool Interrupted();
  // Erases the progress line, if one is shown.
  void ClearProgressLine();
  // The stage message as the progress line shows it.
  const std::string& StatusText() const { return status_; }

  void ShowMessage(std::string_view text) override;
  // There is no one to ask: every question is answered No.
  bool AskYesNo(std::string_view text) override;
  std::optional<std::string> ChooseOpenFile(std::string_view title,
                                            std::string_view initial_name) override;
  std::optional<std::vector<std::string>> ChooseOpenFiles(std::string_view title,
                                                          std::string_view initial_name) override;
  std::optional<std::string> ChooseSaveFile(std::string_view title,
                                            std::string_view initial_name) override;
  void Beep() override {}
  void SetWaitCursor(bool) override {}
  void SetTitle(std::string_view) override {}
  void EnableToolbar(bool) override {}
  // Names Ctrl+C where the document's message names Escape, the key of the
  // window program, which a terminal never delivers.
  void SetStatusText(std::string_view text) override;
  bool StatusBarVisible() const override { return showProgress_ || progressLines_; }
  void ShowProgressBar(int done, int total) override;
  void RepaintStatusBar() override;
  bool PumpOneMessage() override;
  void RepaintMainWindow() override {}
  // The options come from the command line; no sheet is shown.
  bool RunOptionsSheet(ExplosionOptions&) override { return false; }

 private:
  void Draw();
  void WriteProgressLine(int percent);

  Files files_;
  bool showProgress_;
  bool progressLines_;
  int linePercent_ = -1;
  std::string lineStage_;
  std::string linesStageWritten_;
  std::string status_;
  int filled_ = 0;
  int drawnFilled_ = -1;
  std::string drawnStatus_;
  bool lineShown_ = false;
};

}  // namespace bk::cli
