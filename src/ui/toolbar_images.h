#pragma once

#include <QIcon>
#include <QPixmap>

namespace bk {

// The toolbar images (16 x 17 pixels), drawn at start-up, and the program's
// icon. No image files: they are painted in code.
enum class ToolbarImage { Import, Export, Options, Preview, NormalLayout, MinimalLayout, HelpContents };

QPixmap DrawToolbarImage(ToolbarImage image);
QIcon ProgramIcon();

}  // namespace bk
