#pragma once
// Turns the system's reasons for a failed file operation into the codes the
// text-file service reports.

#include <cstdint>

namespace glyphlog {

std::int32_t FileErrorCodeFor(std::uint32_t systemError);

}  // namespace glyphlog
