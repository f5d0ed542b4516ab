#pragma once

#include <QDialog>

namespace bk {

// "About Burstkin": the icon, the version line and OK.
class CAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit CAboutBox(QWidget* parent = nullptr);
  static constexpr const char* kVersionLine = "Burstkin for Windows v1.36c, Win32 build";
};

}  // namespace bk
