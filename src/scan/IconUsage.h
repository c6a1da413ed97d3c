#pragma once
// A row of the icon-usage table: one distinct icon and the link files that use it.

#include <cstdint>
#include <string_view>

#include "shell/FixedText.h"

namespace glyphlog {

struct IconUsage {
  FixedText<260> ICON;         // full path when located, else the name as written
  std::int16_t ICON_ICON = 0;  // picture number in the main window's list; 0 for none
  FixedText<2000> APPS;        // link-file names without extension, joined by ", "

  std::string_view Key() const { return ICON.View(); }
};

}  // namespace glyphlog
