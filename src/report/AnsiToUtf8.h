#pragma once

#include <string>
#include <string_view>

namespace glyphlog {

// `text`, read in the system's ANSI code page, written as UTF-8.
std::string AnsiToUtf8(std::string_view text);

}  // namespace glyphlog
