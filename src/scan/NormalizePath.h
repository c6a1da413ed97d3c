#pragma once
// Brings a folder or file path, as typed or browsed, into the form the
// redirection rules expect.

#include <cstddef>
#include <string>
#include <string_view>

namespace glyphlog {

// The longest path the normaliser gives back.
inline constexpr std::size_t kNormalizedPathWidth = 259;

// `path` without trailing blanks, cut at kNormalizedPathWidth; "/" becomes
// "\", "?" and "*" become "_"; every run of backslashes shrinks to one, except
// a run at the very start, which keeps two so a network path survives. With
// `addTrailingSeparator`, a "\" is appended unless the text already ends in
// one or is already at full width. A trailing separator is never removed.
std::string NormalizePath(std::string_view path, bool addTrailingSeparator);

}  // namespace glyphlog
