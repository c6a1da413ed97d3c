#pragma once
// Numbers kept as text in the settings file.

#include <cstdint>
#include <string_view>

namespace glyphlog {

// Leading blanks skipped, an optional sign, then the digits up to the first
// other character; no digits there gives 0. Values beyond 32 bits are held
// at the nearest limit rather than wrapping.
std::int32_t DecimalValue(std::string_view text);

}  // namespace glyphlog
