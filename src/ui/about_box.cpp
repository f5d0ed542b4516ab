#include "ui/about_box.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "ui/toolbar_images.h"
#include "ui/window_layout.h"
#include "ui/dialog_units.h"

namespace bk {

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Burstkin"));
  const QFontMetrics metrics(font());
  const int bx = DialogBaseUnitX(metrics);
  const int by = std::max(1, metrics.height());
  const auto px = [bx](int du) { return DialogUnitsToPixelsX(du, bx); };
  const auto py = [by](int du) { return DialogUnitsToPixelsY(du, by); };

  auto* icon = new QLabel(this);
  icon->setPixmap(ProgramIcon().pixmap(32, 32));
  icon->setGeometry(px(7), py(7), 32, 32);
  auto* line = new QLabel(QString::fromLatin1(kVersionLine), this);
  // The line keeps its place; a wider font than the layout's may need more room.
  const int line_width = std::max(px(164) - px(30), metrics.horizontalAdvance(line->text()) + 2);
  line->setGeometry(px(30), py(6), line_width, py(14) - py(6));
  line->setObjectName(QStringLiteral("versionLine"));
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setGeometry(px(174), py(8), px(206) - px(174), py(22) - py(8));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  setFixedSize(std::max(px(213), line->geometry().right() + 1 + px(206) - px(164) + px(7)), py(60));
  ok->move(width() - px(7) - ok->width(), ok->y());
}

}  // namespace bk
