#pragma once

#include <cstdlib>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include "ui/qt_platform.h"

namespace bk::uitest {

// The real sample files' folder: BURSTKIN_REAL_DATA, else the build's default.
inline QString RealFile(const char* name) {
  const char* env = std::getenv("BURSTKIN_REAL_DATA");
  const QString dir = QString::fromLocal8Bit(env && *env ? env : BURSTKIN_REAL_DATA_DEFAULT);
  const QString path = QDir(dir).filePath(QString::fromLatin1(name));
  return QFileInfo::exists(path) ? path : QString();
}

inline QString ExampleFile(const char* name) {
  return QDir(QStringLiteral(BURSTKIN_EXAMPLES_DIR)).filePath(QString::fromLatin1(name));
}

// Runs the rules queued by keystrokes and focus changes.
inline void Flush() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

// Answers every dialog of the platform so no test ever waits on one: messages
// and questions are recorded, file dialogs answered from fields the test sets
// (an empty answer cancels).
struct ScriptedDialogs {
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> titles;
  bool answer_yes = true;
  std::string open_answer;
  std::vector<std::string> open_many_answer;
  std::string save_answer;

  void Install(QtPlatform& platform) {
    QtPlatform::Hooks& hooks = platform.hooks();
    hooks.message = [this](std::string_view text) { messages.emplace_back(text); };
    hooks.question = [this](std::string_view text) {
      questions.emplace_back(text);
      return answer_yes;
    };
    hooks.open_file = [this](std::string_view title,
                             std::string_view) -> std::optional<std::string> {
      titles.emplace_back(title);
      if (open_answer.empty()) return std::nullopt;
      return open_answer;
    };
    hooks.open_files = [this](std::string_view title,
                              std::string_view) -> std::optional<std::vector<std::string>> {
      titles.emplace_back(title);
      if (open_many_answer.empty()) return std::nullopt;
      return open_many_answer;
    };
    hooks.save_file = [this](std::string_view title,
                             std::string_view) -> std::optional<std::string> {
      titles.emplace_back(title);
      if (save_answer.empty()) return std::nullopt;
      return save_answer;
    };
    // Unless a test drives it, the sheet is closed with Cancel at once.
    hooks.options_sheet = [](CBrkPropSheet&) { return false; };
  }
};

}  // namespace bk::uitest
