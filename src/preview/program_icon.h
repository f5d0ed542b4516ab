#pragma once

#include <string>

#include <QIcon>

namespace bk {

// The programs' one icon, a burst: a ring of rays around a small cube. The
// windows draw it; the installed file (data/burstkin.svg) is the same
// drawing written as SVG, so the desktop shows what the windows show.
QIcon ProgramIcon();
// The SVG text of the icon, drawn on a 64 x 64 canvas.
std::string ProgramIconSvg();

}  // namespace bk
