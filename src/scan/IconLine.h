#pragma once
// Recognises the lines of a link file that name an icon file.

#include <optional>
#include <string_view>

namespace glyphlog {

// The icon's name when `line` is an icon line (".ICO" anywhere, letter case
// ignored), otherwise nullopt. A line that opens with "/PROGRAM_ICON" (exact
// case) loses that prefix and the one character after it; any other icon
// line is the name as a whole. The name views into `line` and keeps its
// trailing blanks; Locate drops them.
std::optional<std::string_view> IconNameFromLine(std::string_view line);

}  // namespace glyphlog
