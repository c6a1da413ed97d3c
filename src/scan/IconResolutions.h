#pragma once
// How each row of the icon-usage table came to its ICON.

#include <functional>
#include <map>
#include <string>

#include "redirection/Resolution.h"

namespace glyphlog {

// Keyed by ICON without trailing blanks; the line that made the row decides.
using IconResolutions = std::map<std::string, Resolution, std::less<>>;

}  // namespace glyphlog
