#pragma once
// The pictures of the main window's list: one per icon, loaded from the icon
// files named by the first rows of the icon-usage table.

#include "scan/IconUsage.h"
#include "shell/Handles.h"
#include "shell/Table.h"

namespace glyphlog {

// Picture numbers are 1 to 255; later rows have none.
inline constexpr int kMaxPictures = 255;

// Loads picture i (from 1) from the file of ICONQ row i, sized `pixels`
// square, and stores i into that row's ICON_ICON. A file that cannot be read
// gets the system's question-mark icon, so that the numbers stay in step.
UniqueImageList LoadIconPictures(Table<IconUsage>& ICONQ, int pixels);

// The list's image index for a row's picture number.
constexpr int ImageIndexFor(int pictureNumber) { return pictureNumber > 0 ? pictureNumber - 1 : I_IMAGENONE; }

}  // namespace glyphlog
