#pragma once

#include <QIcon>
#include <QPixmap>

#include "preview/program_icon.h"

namespace bk {

// The toolbar images (16 x 17 pixels), drawn at start-up. No image files:
// they are painted in code.
enum class ToolbarImage { Import, Export, Options, Preview, NormalLayout, MinimalLayout, HelpContents };

QPixmap DrawToolbarImage(ToolbarImage image);

}  // namespace bk
